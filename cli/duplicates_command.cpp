// vardek-cli duplicates [--all] [--name-only] [--min-discs N] [--format tsv|csv|json] CATALOG...
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/duplicates.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/format_option.h"
#include "cli/record_writer.h"
#include "cli/row_catalogs.h"
#include "cli/rows.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "duplicates", "[--all] [--name-only] [--min-discs N] [--format tsv|csv|json]\n"
    "                       CATALOG...",
    "Prints the files that lie on two or more discs: the same name (A-Z in\n"
    "either case, other characters exactly) and the same date text. One row a\n"
    "copy, tab-separated: file name, date, folder, disc description and the\n"
    "group number (1, 2, ...), so the copies of one file share a number and\n"
    "follow each other. Groups go in name order, the copies of a group in\n"
    "catalog order. Every disc title is a disc, even two with one description;\n"
    "a name twice on one disc alone is no duplicate (once a group is on enough\n"
    "discs, every copy is listed). The number of groups and copies goes to\n"
    "standard error.\n"
    "\n"
    "  --all            every catalog (*.cat) in the folder of each CATALOG\n"
    "  --name-only      the same name is enough, whatever the dates\n"
    "  --min-discs N    only files on at least N discs (2 or more; default 2)\n"    "  --format FORMAT  tsv (the default), csv (RFC 4180: a header row, fields\n"
    "                   quoted where needed, CR LF line ends) or json (one object\n"
    "                   a line: name, date, iso (YYYY-MM-DD or null), folder,\n"
    "                   disc, group, catalog; UTF-8)\n"
    "\nExit status: 0 duplicates found; 1 none; 2 usage error, or a catalog that\n"
    "cannot be opened or whose damage ended its reading early (the others are\n"
    "still read).\n"};

// N of --min-discs: a whole number from 2 on.
bool ReadMinDiscs(const std::string& text, int& minDiscs) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  minDiscs = std::stoi(text);
  return minDiscs >= 2;
}

// One row a copy: the four columns of find's rows, then the group number;
// json also names the date as YYYY-MM-DD and the catalog.
void PrintDuplicateRows(const ResultList& list, const DuplicateResult& result, const std::vector<std::string>& catalogs,
                        RowFormat format) {
  RecordWriter out(format, {{"name"}, {"date"}, {"iso", true}, {"folder"}, {"disc"}, {"group"}, {"catalog", true}});
  RowCatalogs rowCatalogs;
  for (std::size_t i = 0; i < result.firstRows.size(); ++i) rowCatalogs.Begin(result.firstRows[i], catalogs[i]);
  const bool json = format == RowFormat::Json;
  for (std::size_t number = 0; number < result.groups.size(); ++number) {
    const std::string group = std::to_string(number + 1);
    for (const int index : result.groups[number].rows) {
      const ResultRow& row = list.Row(index);
      const RowDate date = list.Date(row);
      std::uint32_t day = 0;
      const std::string iso = json && FileDateNumber(date.text, day) ? IsoDate(day) : std::string();
      out.Write({CatalogField(list.Name(row)), CatalogField(date.text), iso.empty() ? NullField() : CatalogField(iso),
                 CatalogField(list.Folder(row), true), CatalogField(list.Title(row), true), NumberField(group),
                 NativeField(rowCatalogs.Of(index), true)});
    }
  }
}

}  // namespace

int RunDuplicates(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {{"--all", false}, {"--name-only", false}, {"--min-discs", true}, kFormatOption},
                       kHelp, 1, static_cast<std::size_t>(-1), line, status))
    return status;
  RowFormat format = RowFormat::Tsv;
  if (!ReadFormatOption(line, kHelp, format)) return kExitFailure;
  DuplicateRules rules;
  rules.nameOnly = line.Has("--name-only");
  if (const std::string* value = line.Value("--min-discs"); value != nullptr && !ReadMinDiscs(*value, rules.minDiscs))
    return UsageError(kHelp, "--min-discs takes a number of 2 or more, not '" + *value + "'");
  std::vector<std::string> catalogs = line.operands;
  if (line.Has("--all")) catalogs = EveryCatalogBeside(catalogs);

  ConsoleReporter reporter;
  ResultList list;
  if (!list.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    return kExitFailure;
  }
  const DuplicateResult result = FindDuplicates(catalogs, rules, list, reporter);
  PrintDuplicateRows(list, result, catalogs, format);
  reporter.Status(kStatusResultPart, (FormatCount(static_cast<long long>(result.groups.size())) +
                                      " groups of duplicates, " + FormatCount(result.copies) + " copies")
                                         .c_str());
  WalkTally walks;
  for (const WalkOutcome outcome : result.outcomes) walks.Add(outcome);
  return walks.ExitStatus(static_cast<int>(result.groups.size()), reporter);
}

}  // namespace vardek::cli
