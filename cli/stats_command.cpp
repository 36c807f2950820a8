// vardek-cli stats CATALOG...
#include <string>

#include "cli/arguments.h"
#include "cli/console_reporter.h"
#include "cli/output.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "maintenance/disc_stats.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "stats", "CATALOG...",
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
    "\nExit status: 0 done; 2 usage error, or a catalog that cannot be opened or\n"
    "whose damage ended its reading early (its discs so far and their total are\n"
    "printed; the others are still read).\n"};

constexpr const char* kHeader = "kind\tcatalog\tdisc\tfiles\tfolders\tdeepest\toldest\tnewest\tbad";

void PrintStatsRow(RowWriter& out, const char* kind, const std::string& catalog, const DiscStats& disc) {
  std::string line = std::string(kind) + '\t' + catalog + '\t' + CatalogToNative(disc.description);
  for (const std::string& field :
       {std::to_string(disc.files), std::to_string(disc.folders), std::to_string(disc.deepestLevel),
        IsoDate(disc.oldest), IsoDate(disc.newest), std::to_string(disc.badDates)}) {
    line += '\t';
    line += field;
  }
  out.NativeLine(line);
}

}  // namespace

int RunStats(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 1, static_cast<std::size_t>(-1), line, status)) return status;
  ConsoleReporter reporter;
  RowWriter out;
  out.NativeLine(kHeader);
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
