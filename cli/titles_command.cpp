// vardek-cli titles [--format tsv|csv|json] CATALOG...
#include <string>
#include <vector>

#include "catalog/catalog_reader.h"
#include "catalog/catalog_titles.h"
#include "catalog/catalog_walk.h"
#include "catalog/line_reader.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/console_reporter.h"
#include "cli/every_core.h"
#include "cli/format_option.h"
#include "cli/record_writer.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "titles", "[--format tsv|csv|json] CATALOG...",
    "Prints every disc description of each CATALOG, in file order, one a line.\n"
    "The number of titles of all catalogs goes to standard error.\n"
    "\n"
    "  --format FORMAT  tsv (the default: the descriptions alone), csv (RFC 4180:\n"
    "                   a header row, fields quoted where needed, CR LF line ends)\n"
    "                   or json (one object a line: disc, catalog; UTF-8)\n"
    "\nExit status: 0 done; 2 usage error or a catalog that cannot be opened (the\n"
    "others are still listed).\n"};

enum class PartsRead { NotMapped, Whole, Cut };

// The descriptions of a catalog read in parts on every core, handed to
// `print` in file order. NotMapped, with nothing handed out, where the
// catalog cannot be mapped (it is then read in pieces); Cut where another
// program cut it short meanwhile (the titles before the cut handed out).
PartsRead ReadTitlesInParts(const std::string& catalog, const std::function<void(const char*)>& print, long& titles) {
  CatalogReader whole;
  if (!whole.Map(catalog.c_str(), kLineLimit)) return PartsRead::NotMapped;
  struct Part {
    std::vector<std::string> titles;
    bool read = false;
  };
  std::vector<Part> parts(Cores());
  OnEveryCore(parts.size(), [&](std::size_t i) {
    const auto keep = [&](const char* description) { parts[i].titles.emplace_back(description); };
    ReadPartTitles(whole, static_cast<int>(i), static_cast<int>(parts.size()), keep, &parts[i].read);
  });
  // The titles stand up to the first part that could not be read to its end.
  for (const Part& part : parts) {
    for (const std::string& description : part.titles) print(description.c_str());
    titles += static_cast<long>(part.titles.size());
    if (!part.read) return PartsRead::Cut;
  }
  return whole.ReadFailed() ? PartsRead::Cut : PartsRead::Whole;
}

}  // namespace

int RunTitles(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {kFormatOption}, kHelp, 1, static_cast<std::size_t>(-1), line, status))
    return status;
  RowFormat format = RowFormat::Tsv;
  if (!ReadFormatOption(line, kHelp, format)) return kExitFailure;
  ConsoleReporter reporter;
  RecordWriter out(format, {{"disc"}, {"catalog", true}});
  long titles = 0;
  int result = kExitSuccess;
  for (const std::string& catalog : line.operands) {
    CatalogReader reader;
    CatalogTitleScan scan;
    const auto print = [&](const char* description) {
      out.Write({CatalogField(description), NativeField(catalog, true)});
    };
    const PartsRead parts = Cores() > 1 ? ReadTitlesInParts(catalog, print, titles) : PartsRead::NotMapped;
    if (parts == PartsRead::Cut) {
      reporter.ErrorBox(kErrorOpeningFile, catalog.c_str());
      result = kExitFailure;
    }
    if (parts != PartsRead::NotMapped) continue;
    if (!ReadCatalogTitles(reader, catalog.c_str(), reporter, print, scan)) {
      result = kExitFailure;
      continue;
    }
    titles += scan.titleCount;
  }
  out.Flush();
  reporter.Status(kStatusResultPart, (FormatCount(titles) + " titles in catalog").c_str());
  return result;
}

}  // namespace vardek::cli
