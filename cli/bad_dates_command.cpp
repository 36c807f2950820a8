// vardek-cli bad-dates [--disc TEXT] [--format tsv|csv|json] CATALOG
#include <string>

#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/filter_options.h"
#include "cli/format_option.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "maintenance/bad_dates.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "bad-dates", "[--disc TEXT] [--format tsv|csv|json] CATALOG",
    "Prints every file of the catalog whose date is not a calendar date from 1980\n"
    "to 2050 (\"00/00/00\" and missing dates included), one row a line: file name,\n"
    "date, folder and disc description, separated by tabs.\n"
    "\n"
    "  --disc TEXT      only discs whose description contains TEXT (A-Z either case)\n"
    "  --format FORMAT  tsv (the default), csv (RFC 4180: a header row, fields\n"
    "                   quoted where needed, CR LF line ends) or json (one object\n"
    "                   a line: name, date, iso (null: these dates cannot be read),\n"
    "                   folder, disc, catalog; UTF-8)\n"
    "\nExit status: 0 rows printed; 1 no bad dates; 2 usage error, or a catalog that\n"
    "cannot be opened or whose damage ended the scan early.\n"};

}  // namespace

int RunBadDates(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {kDiscOption, kFormatOption}, kHelp, 1, 1, line, status)) return status;
  RowFormat format = RowFormat::Tsv;
  if (!ReadFormatOption(line, kHelp, format)) return kExitFailure;
  FindFilter filter;
  ReadDiscOption(line, filter);
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  ResultList list;
  if (!list.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    return kExitFailure;
  }
  const bool newFormat = InspectCatalog(catalog) == CatalogState::NewFormat;
  CatalogReader reader;
  const BadDateResult result = FindBadDates(reader, catalog.c_str(), newFormat, list, reporter,
                                            PercentProgress(reader, "Reading " + catalog), filter.disc);
  ProgressLine::Instance().Clear();
  WalkTally walk;
  walk.Add(result.outcome);
  if (walk.AnyOpenFailed()) return kExitFailure;
  RowCatalogs rowCatalogs;
  rowCatalogs.Begin(0, catalog);
  PrintRows(list, nullptr, {format, &rowCatalogs});
  reporter.Status(kStatusResultPart, (FormatCount(list.Count()) + " files found").c_str());
  return walk.ExitStatus(list.Count(), reporter);
}

}  // namespace vardek::cli
