// vardek-cli delete CATALOG DESCRIPTION
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/catalog_reader.h"
#include "catalog/catalog_titles.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "maintenance/delete_title.h"
#include "platform/text_compare.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "delete", "CATALOG DESCRIPTION",
    "Removes every disc title whose description equals DESCRIPTION, case ignored,\n"
    "from CATALOG. The catalog is rewritten through its temp file (\".$$$\") and\n"
    "replaced in one step; every line of it then ends in CR LF. As in the desktop\n"
    "program, a catalog left without any title is deleted altogether. No\n"
    "question is asked.\n"
    "\nExit status: 0 removed; 1 no title with that description; 2 usage error,\n"
    "old-format catalog, or a file that cannot be read or written.\n"};

// A generous match, folding every Windows-1252 letter pair: it only decides
// whether the rewrite is worth running, so it may say yes too often but must
// never say no where the core's comparison says yes. The core's count of
// titles removed has the last word.
bool MightMatch(const char* a, const std::string& b) {
  std::size_t i = 0;
  for (; a[i] != '\0' && i < b.size(); ++i)
    if (platform::FoldCase(static_cast<unsigned char>(a[i])) != platform::FoldCase(static_cast<unsigned char>(b[i])))
      return false;
  return a[i] == '\0' && i == b.size();
}

}  // namespace

int RunDelete(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 2, 2, line, status)) return status;
  ConsoleReporter reporter;
  std::string catalog = line.operands[0];
  if (!SetExtension(catalog, kCatalogExtension)) return UsageError(kHelp, "'" + catalog + "' is not a catalog file name");
  std::string description;
  if (!DescriptionOperand(line.operands[1], description, reporter)) return kExitFailure;
  switch (InspectCatalog(catalog)) {
    case CatalogState::OldFormat:
      reporter.ErrorBox(kNewFormatRequired, kProductName);
      return kExitFailure;
    case CatalogState::NewFormat:
      break;
    default:
      reporter.ErrorBox("Error opening file", catalog.c_str());
      return kExitFailure;
  }

  long candidates = 0;
  {
    CatalogReader reader;
    CatalogTitleScan scan;
    if (!ReadCatalogTitles(
            reader, catalog.c_str(), reporter,
            [&](const char* title) {
              if (MightMatch(title, description)) ++candidates;
            },
            scan))
      return kExitFailure;
  }
  if (candidates == 0) {
    reporter.ErrorBox("No title with that description in the catalog", catalog.c_str());
    return kExitFinding;
  }

  CatalogReader reader;
  int removed = 0;
  const ChangeOutcome outcome = DeleteTitleFromCatalog(reader, catalog.c_str(), description.c_str(), reporter, &removed);
  switch (outcome) {
    case ChangeOutcome::Removed:
      reporter.Status(kStatusResultPart, "0 titles in catalog");
      return kExitSuccess;
    case ChangeOutcome::Replaced:
      break;
    default:
      return ReportChangeFailure(outcome, catalog, reporter);
  }
  if (removed == 0) {
    reporter.ErrorBox("No title with that description in the catalog", catalog.c_str());
    return kExitFinding;
  }
  return ReportTitleCount(catalog, reporter) ? kExitSuccess : kExitFailure;
}

}  // namespace vardek::cli
