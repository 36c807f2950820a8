// vardek-cli stats CATALOG...
#include <string>

#include "browse/collect.h"
#include "cli/arguments.h"
#include "cli/console_reporter.h"
#include "cli/format_option.h"
#include "cli/record_writer.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "maintenance/disc_stats.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "stats", "[--format tsv|csv|json] CATALOG...",
    "Prints the counts of every disc title of each CATALOG, then a total line for\n"
    "the catalog. Rows are tab-separated, after a header line:\n"
    "  kind      \"disc\", or \"total\" for the catalog's line\n"
    "  catalog   the CATALOG as given\n"
    "  disc      the disc description (empty on a total line)\n"
    "  files     file lines\n"
    "  folders   folder lines\n"
    "  deepest   the deepest folder level (0: no folders, 1: in the root only)\n"
    "  oldest    the oldest date, YYYY-MM-DD; empty when no date is valid\n"
    "  newest    the newest date, the same way\n"
    "  bad       files whose date is impossible (as bad-dates finds them): they\n"
    "            are left out of oldest and newest\n"
    "Two-digit years 80-99 are 1980-1999 and 00-50 are 2000-2050. Nothing is changed.\n"
    "\n"
    "  --format FORMAT  tsv (the default), csv (RFC 4180: the same header row,\n"
    "                   fields quoted where needed, CR LF line ends) or json (one\n"
    "                   object a line with the fields named as in the header;\n"
    "                   counts as numbers, a missing date as null; UTF-8)\n"
    "\nExit status: 0 done; 2 usage error, or a catalog that cannot be opened or\n"
    "whose damage ended its reading early (its discs so far and their total are\n"
    "printed; the others are still read).\n"};

// A number of the table, as text for the writer.
Field Count(long long value, std::string& text) {
  text = std::to_string(value);
  return NumberField(text);
}

void PrintStatsRow(RecordWriter& out, const char* kind, const std::string& catalog, const DiscStats& disc) {
  std::string files, folders, deepest, bad;
  const std::string oldest = IsoDate(disc.oldest);
  const std::string newest = IsoDate(disc.newest);
  const auto date = [](const std::string& iso) { return iso.empty() ? NullField() : CatalogField(iso); };
  out.Write({CatalogField(kind), NativeField(catalog, true), CatalogField(disc.description),
             Count(disc.files, files), Count(disc.folders, folders), Count(disc.deepestLevel, deepest),
             date(oldest), date(newest), Count(disc.badDates, bad)});
}

}  // namespace

int RunStats(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {kFormatOption}, kHelp, 1, static_cast<std::size_t>(-1), line, status))
    return status;
  RowFormat format = RowFormat::Tsv;
  if (!ReadFormatOption(line, kHelp, format)) return kExitFailure;
  ConsoleReporter reporter;
  RecordWriter out(format,
                   {{"kind"}, {"catalog"}, {"disc"}, {"files"}, {"folders"}, {"deepest"}, {"oldest"}, {"newest"}, {"bad"}},
                   RecordWriter::Header::TsvAndCsv);
  WalkTally walks;
  for (const std::string& catalog : line.operands) {
    CatalogReader reader;
    const CatalogStats stats =
        ReadDiscStats(reader, catalog.c_str(), reporter, PercentProgress(reader, "Reading " + catalog));
    ProgressLine::Instance().Clear();
    walks.Add(stats.outcome);
    if (stats.outcome == WalkOutcome::OpenFailed) continue;
    for (const DiscStats& disc : stats.discs) PrintStatsRow(out, "disc", catalog, disc);
    PrintStatsRow(out, "total", catalog, TotalOfDiscs(stats.discs));
    out.Flush();
  }
  return walks.ExitStatus(1, reporter);
}

}  // namespace vardek::cli
