// vardek-cli list [--since DATE] [--until DATE] [--format tsv|csv|json] CATALOG DESCRIPTION
#include <string>

#include "browse/collect.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/filter_options.h"
#include "cli/format_option.h"
#include "cli/progress.h"
#include "cli/rows.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "list",
    "[--since DATE] [--until DATE] [--format tsv|csv|json]\n"
    "                       CATALOG DESCRIPTION",
    "Prints the files of the first disc title whose description is exactly\n"
    "DESCRIPTION (case counts), one row a line: file name, date, folder and disc\n"
    "description, separated by tabs. The row count goes to standard error.\n"
    "\n"
    "  --since DATE     only files dated DATE (YYYY-MM-DD) or later\n"
    "  --until DATE     only files dated DATE (YYYY-MM-DD) or earlier; two-digit\n"
    "                   years 80-99 are 1980-1999 and 00-50 are 2000-2050; files\n"
    "                   whose date is none of those are left out and counted\n"
    "  --format FORMAT  tsv (the default), csv (RFC 4180: a header row, fields\n"
    "                   quoted where needed, CR LF line ends) or json (one object\n"
    "                   a line: name, date, iso (YYYY-MM-DD or null), folder,\n"
    "                   disc, catalog; UTF-8)\n"
    "\nExit status: 0 rows printed; 1 no such title or no files; 2 usage error, or\n"
    "a catalog that cannot be opened or whose damage ended the listing early.\n"};

// Any description a title line can hold: longer than the 79 characters a scan accepts.
constexpr int kMaxListedDescription = kMaxTitleLineLength - 3;

}  // namespace

int RunList(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {kSinceOption, kUntilOption, kFormatOption}, kHelp, 2, 2, line, status))
    return status;
  RowFormat format = RowFormat::Tsv;
  FindFilter filter;
  if (!ReadFormatOption(line, kHelp, format) || !ReadDateOptions(line, kHelp, filter)) return kExitFailure;
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
                        PercentProgress(reader, "Reading " + catalog), &filter));
  ProgressLine::Instance().Clear();
  if (walk.AnyOpenFailed()) return kExitFailure;
  RowCatalogs rowCatalogs;
  rowCatalogs.Begin(0, catalog);
  PrintRows(list, nullptr, {format, &rowCatalogs});
  reporter.Status(kStatusResultPart, (FormatCount(list.Count()) + " files found").c_str());
  ReportUndated(filter, reporter);
  return walk.ExitStatus(list.Count(), reporter);
}

}  // namespace vardek::cli
