// vardek-cli convert CATALOG
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/convert.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "convert", "CATALOG",
    "Rewrites an old-format catalog (\"@@@\" titles, \"name MM-DD-YY\" lines) in the\n"
    "new format, through the temp file. Dates that cannot be vouched for become\n"
    "00/00/00. A catalog already in the new format is left alone, and so is one\n"
    "of which not one line could be converted.\n"
    "\nExit status: 0 converted (or nothing to convert); 1 converted, but the file\n"
    "still does not begin with a title line and so still reads as old format;\n"
    "2 usage error or a file that cannot be read or written.\n"};

}  // namespace

int RunConvert(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 1, 1, line, status)) return status;
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  switch (InspectCatalog(catalog)) {
    case CatalogState::Missing:
    case CatalogState::Empty:
    case CatalogState::Unreadable:
      reporter.ErrorBox("Error opening file", catalog.c_str());
      return kExitFailure;
    case CatalogState::NewFormat:
      reporter.InfoBox("The catalog is already in the new format - nothing converted", catalog.c_str());
      return ReportTitleCount(catalog, reporter) ? kExitSuccess : kExitFailure;
    case CatalogState::OldFormat:
      break;
  }
  const ChangeOutcome outcome = ConvertCatalog(catalog.c_str(), reporter);
  if (outcome != ChangeOutcome::Replaced) return ReportChangeFailure(outcome, catalog, reporter);
  if (!ReportTitleCount(catalog, reporter)) return kExitFailure;
  // As after the desktop's conversion, only the start of the file decides.
  if (InspectCatalog(catalog) != CatalogState::NewFormat) {
    reporter.ErrorBox("The catalog does not begin with a title line and still reads as the old format",
                      catalog.c_str());
    return kExitFinding;
  }
  return kExitSuccess;
}

}  // namespace vardek::cli
