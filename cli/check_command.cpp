// vardek-cli check CATALOG
#include <string>

#include "catalog/catalog_check.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/progress.h"
#include "cli/rows.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "check", "CATALOG",
    "Reads the catalog from start to end and tests it against the structure rules\n"
    "of the catalog format: title lengths, folder nesting, climbing below the root,\n"
    "every title ending at the root, the separator between file name and date. It\n"
    "stops at the first structural error and names its line; a sound catalog gets\n"
    "\"File is good\". Nothing is changed.\n"
    "\nExit status: 0 the file is good; 1 damaged; 2 usage error or a catalog that\n"
    "cannot be opened.\n"};

}  // namespace

int RunCheck(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 1, 1, line, status)) return status;
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  // The separator rule follows the format the catalog opens in.
  const bool newFormat = InspectCatalog(catalog) == CatalogState::NewFormat;
  CatalogReader reader;
  const CheckResult result =
      CheckCatalog(reader, catalog.c_str(), newFormat, reporter, PercentProgress(reader, "Checking " + catalog));
  ProgressLine::Instance().Clear();
  switch (result.outcome) {
    case CheckOutcome::Good:
      return kExitSuccess;
    case CheckOutcome::Stopped:
    case CheckOutcome::Damaged:
      return kExitFinding;
    case CheckOutcome::NotRun:
    case CheckOutcome::OpenFailed:
      break;
  }
  return kExitFailure;
}

}  // namespace vardek::cli
