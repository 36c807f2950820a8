// vardek-cli check CATALOG
#include <string>
#include <vector>

#include "catalog/catalog_check.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/every_core.h"
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

// The check of a catalog cut at title lines, on every core. False, with
// nothing reported, where the parts do not make the check of the whole (a
// finding, a part that ends inside a folder): the whole is then checked in
// one walk, which reports what it finds in order.
bool CheckInParts(const std::string& catalog, bool newFormat, Reporter& reporter, CheckOutcome& outcome) {
  CatalogReader whole;
  if (!whole.Map(catalog.c_str(), kLineLimit)) return false;
  std::vector<CatalogPart> parts(Cores());
  std::vector<CheckedPart> checked(parts.size());
  OnEveryCore(parts.size(), [&](std::size_t i) {
    parts[i] = {&whole, static_cast<int>(i), static_cast<int>(parts.size())};
    checked[i] = CheckPart(parts[i], newFormat);
  });
  long files = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!checked[i].clean || (i + 1 < parts.size() && parts[i].endDepth != 0)) return false;
    files += checked[i].fileCount;
  }
  outcome = ReportCheckEnd(catalog.c_str(), true, files, parts.back().endDepth, reporter);
  return true;
}

int ExitStatusOf(CheckOutcome outcome) {
  switch (outcome) {
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

}  // namespace

int RunCheck(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 1, 1, line, status)) return status;
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  // The separator rule follows the format the catalog opens in.
  const bool newFormat = InspectCatalog(catalog) == CatalogState::NewFormat;
  CheckOutcome outcome = CheckOutcome::NotRun;
  if (Cores() > 1 && CheckInParts(catalog, newFormat, reporter, outcome)) return ExitStatusOf(outcome);
  CatalogReader reader;
  outcome = CheckCatalog(reader, catalog.c_str(), newFormat, reporter, PercentProgress(reader, "Checking " + catalog))
                .outcome;
  ProgressLine::Instance().Clear();
  return ExitStatusOf(outcome);
}

}  // namespace vardek::cli
