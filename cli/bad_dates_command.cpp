// vardek-cli bad-dates CATALOG
#include <string>

#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "maintenance/bad_dates.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "bad-dates", "CATALOG",
    "Prints every file of the catalog whose date is not a calendar date from 1980\n"
    "to 2050 (\"00/00/00\" and missing dates included), one row a line: file name,\n"
    "date, folder and disc description, separated by tabs.\n"
    "\nExit status: 0 rows printed; 1 no bad dates; 2 usage error, or a catalog that\n"
    "cannot be opened or whose damage ended the scan early.\n"};

}  // namespace

int RunBadDates(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 1, 1, line, status)) return status;
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  ResultList list;
  if (!list.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    return kExitFailure;
  }
  const bool newFormat = InspectCatalog(catalog) == CatalogState::NewFormat;
  CatalogReader reader;
  const BadDateResult result =
      FindBadDates(reader, catalog.c_str(), newFormat, list, reporter, PercentProgress(reader, "Reading " + catalog));
  ProgressLine::Instance().Clear();
  WalkTally walk;
  walk.Add(result.outcome);
  if (walk.AnyOpenFailed()) return kExitFailure;
  PrintRows(list, nullptr);
  reporter.Status(kStatusResultPart, (FormatCount(list.Count()) + " files found").c_str());
  return walk.ExitStatus(list.Count(), reporter);
}

}  // namespace vardek::cli
