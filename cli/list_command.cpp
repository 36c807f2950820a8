// vardek-cli list CATALOG DESCRIPTION
#include <string>

#include "browse/collect.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/progress.h"
#include "cli/rows.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "list", "CATALOG DESCRIPTION",
    "Prints the files of the first disc title whose description is exactly\n"
    "DESCRIPTION (case counts), one row a line: file name, date, folder and disc\n"
    "description, separated by tabs. The row count goes to standard error.\n"
    "\nExit status: 0 rows printed; 1 no such title or no files; 2 usage error, or\n"
    "a catalog that cannot be opened or whose damage ended the listing early.\n"};

// Any description a title line can hold: longer than the 79 characters a scan accepts.
constexpr int kMaxListedDescription = kMaxTitleLineLength - 3;

}  // namespace

int RunList(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 2, 2, line, status)) return status;
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  std::string description;
  if (!DescriptionOperand(line.operands[1], description, reporter, kMaxListedDescription)) return kExitFailure;
  ResultList list;
  if (!list.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    return kExitFailure;
  }
  CatalogReader reader;
  WalkTally walk;
  walk.Add(CollectFiles(reader, catalog.c_str(), description.c_str(), "", list, reporter,
                        PercentProgress(reader, "Reading " + catalog)));
  ProgressLine::Instance().Clear();
  if (walk.AnyOpenFailed()) return kExitFailure;
  PrintRows(list, nullptr);
  reporter.Status(kStatusResultPart, (FormatCount(list.Count()) + " files found").c_str());
  return walk.ExitStatus(list.Count(), reporter);
}

}  // namespace vardek::cli
