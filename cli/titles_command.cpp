// vardek-cli titles CATALOG...
#include <string>

#include "catalog/catalog_reader.h"
#include "catalog/catalog_titles.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/console_reporter.h"
#include "cli/output.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "titles", "CATALOG...",
    "Prints every disc description of each CATALOG, in file order, one a line.\n"
    "The number of titles of all catalogs goes to standard error.\n"
    "\nExit status: 0 done; 2 usage error or a catalog that cannot be opened (the\n"
    "others are still listed).\n"};

}  // namespace

int RunTitles(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 1, static_cast<std::size_t>(-1), line, status)) return status;
  ConsoleReporter reporter;
  RowWriter out;
  long titles = 0;
  int result = kExitSuccess;
  for (const std::string& catalog : line.operands) {
    CatalogReader reader;
    CatalogTitleScan scan;
    if (!ReadCatalogTitles(reader, catalog.c_str(), reporter, [&out](const char* description) { out.Line(description); },
                           scan)) {
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
