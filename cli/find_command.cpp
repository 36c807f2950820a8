// vardek-cli find [--folders] [--all] [--sort name|date|folder|title] [--reverse]
//                 [--since DATE] [--until DATE] [--disc TEXT] [--format tsv|csv|json] TEXT CATALOG...
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/name_match.h"
#include "browse/sort.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/catalog_searches.h"
#include "cli/console_reporter.h"
#include "cli/filter_options.h"
#include "cli/format_option.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "find",
    "[--folders] [--all] [--sort name|date|folder|title] [--reverse]\n"
    "                       [--since DATE] [--until DATE] [--disc TEXT] [--format tsv|csv|json]\n"
    "                       TEXT CATALOG...",
    "Prints every file (or with --folders every folder) of the catalogs whose name\n"
    "contains TEXT (at most 39 characters). Letters A-Z match either case; other\n"
    "characters match only themselves. A TEXT with * or ? is a pattern over the\n"
    "whole name instead: * stands for any characters or none, ? for exactly one\n"
    "('*.jp*g', 'setup??.exe'); quote it so that the shell leaves it alone.\n"
    "Without a pattern, a TEXT beginning with a backslash finds folders whose\n"
    "names begin with the rest. Rows are tab-separated: file name, date, folder,\n"
    "disc description (a folder row has an empty name and date). Put -- before a\n"
    "TEXT that begins with a dash. The filters below combine with TEXT and with\n"
    "each other.\n"
    "\n"
    "  --folders        search folder names instead of file names\n"
    "  --all            search every catalog (*.cat) in the folder of each CATALOG\n"
    "  --since DATE     only files dated DATE (YYYY-MM-DD) or later\n"
    "  --until DATE     only files dated DATE (YYYY-MM-DD) or earlier; two-digit\n"
    "                   years 80-99 are 1980-1999 and 00-50 are 2000-2050; files\n"
    "                   whose date is none of those are left out and counted\n"
    "  --disc TEXT      only discs whose description contains TEXT (A-Z either case)\n"
    "  --sort COLUMN    order the rows by name, date, folder or title (name, folder\n"
    "                   and title without regard to case; dates by calendar date);\n"
    "                   rows that compare equal keep their catalog order\n"
    "  --reverse        descending order (without --sort: the catalog order reversed)\n"
    "  --format FORMAT  tsv (the default), csv (RFC 4180: a header row, fields\n"
    "                   quoted where needed, CR LF line ends) or json (one object\n"
    "                   a line: name, date, iso (YYYY-MM-DD or null), folder,\n"
    "                   disc, catalog (the file the row came from); UTF-8)\n"
    "\nExit status: 0 rows printed; 1 nothing matched; 2 usage error, or a catalog\n"
    "that cannot be opened or whose damage ended its search early (the others are\n"
    "still searched).\n"};

int SortColumn(const std::string& name) {
  if (name == "name") return kColumnName;
  if (name == "date") return kColumnDate;
  if (name == "folder") return kColumnFolder;
  if (name == "title") return kColumnTitle;
  return -1;
}

// How the rows are printed: sorted by a column, reversed, in a format.
struct Printing {
  int column = kColumnNone;
  bool reverse = false;
  RowFormat format = RowFormat::Tsv;
};

// The catalogs searched into lists, then their rows printed (sorted where
// asked); returns the rows found.
int FindAndPrint(std::vector<std::string> catalogs, const char* searchText, bool folders, FindFilter& filter,
                 const Printing& printing, Reporter& reporter, WalkTally& walks) {
  const auto [column, reverse, format] = printing;
  const bool sorted = column != kColumnNone || reverse;
  FoundRows found;
  // Catalogs, or the parts of one, are searched side by side; with the
  // progress line to show, one after the other.
  if (!catalogs.empty() && !ProgressLine::Instance().Enabled()) {
    SearchCatalogs(catalogs, searchText, folders, filter, found, reporter, walks, sorted);
    catalogs.clear();
  }
  for (const std::string& catalog : catalogs) {
    ResultList* list = found.Add(catalog);
    if (list == nullptr) {
      reporter.ErrorBox(kNotEnoughMemory, kProductName);
      walks.Add(WalkOutcome::ListFull);
      continue;
    }
    CatalogReader reader;
    const auto progress = PercentProgress(reader, "Searching " + catalog);
    walks.Add(folders ? CollectFolders(reader, catalog.c_str(), searchText, *list, reporter, progress, &filter)
                      : CollectFiles(reader, catalog.c_str(), "", searchText, *list, reporter, progress, &filter));
  }
  ProgressLine::Instance().Clear();

  int rows = 0;
  if (sorted) {
    // A sort needs every row in one list: the rows of several are copied
    // into one (and the lists let go).
    ResultList merged;
    RowCatalogs rowCatalogs;
    const ResultList* list = &merged;
    if (found.Size() == 1) {
      list = &found.List(0);
      rowCatalogs.Begin(0, found.Catalog(0));
    } else {
      if (!merged.Reset() || !TakeFoundRows(found, merged, rowCatalogs)) walks.Add(WalkOutcome::ListFull);
      found = FoundRows();
    }
    rows = list->Count();
    std::vector<int> order(static_cast<std::size_t>(list->HeldRowCount()));
    for (int i = 0; i < list->HeldRowCount(); ++i) order[static_cast<std::size_t>(i)] = i;
    if (column != kColumnNone) SortRowOrder(*list, order, column, reverse);
    else std::reverse(order.begin(), order.end());
    PrintRows(*list, &order, {format, &rowCatalogs});
  } else {
    rows = found.Count();
    PrintFoundRows(found, format);
  }
  return rows;
}

}  // namespace

int RunFind(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {{"--folders", false}, {"--all", false}, {"--sort", true}, {"--reverse", false},
                        kSinceOption, kUntilOption, kDiscOption, kFormatOption},
                       kHelp, 2, static_cast<std::size_t>(-1), line, status))
    return status;
  RowFormat format = RowFormat::Tsv;
  if (!ReadFormatOption(line, kHelp, format)) return kExitFailure;
  int column = kColumnNone;
  if (const std::string* sort = line.Value("--sort")) {
    column = SortColumn(*sort);
    if (column < 0) return UsageError(kHelp, "--sort takes name, date, folder or title, not '" + *sort + "'");
  }
  const bool folders = line.Has("--folders");
  const bool reverse = line.Has("--reverse");

  FindFilter filter;
  if (!ReadDateOptions(line, kHelp, filter)) return kExitFailure;
  if (filter.dated && folders) return UsageError(kHelp, "folders have no dates: --since and --until find files only");
  ReadDiscOption(line, filter);

  std::string text = platform::ToCatalogText(line.operands[0]);
  if (text.empty()) return UsageError(kHelp, "You must supply a text to find.");
  if (text.size() > kMaxSearchTextLength) {
    return UsageError(kHelp, "The text to find is " + std::to_string(text.size()) + " characters long; at most " +
                                 std::to_string(kMaxSearchTextLength) + " are allowed.");
  }
  char searchText[kSearchTextSize] = {};
  CopyText(searchText, sizeof searchText, text);
  LowerAscii(searchText);
  filter.wildcard = IsWildcardPattern(searchText);

  std::vector<std::string> catalogs(line.operands.begin() + 1, line.operands.end());
  if (line.Has("--all")) catalogs = EveryCatalogBeside(catalogs);

  ConsoleReporter reporter;
  WalkTally walks;
  const bool sorted = column != kColumnNone || reverse;
  // Rows in catalog order are printed as they are found.
  int rows = 0;
  if (sorted || ProgressLine::Instance().Enabled() ||
      !StreamCatalogs(catalogs, searchText, folders, filter, format, reporter, walks, rows))
    rows = FindAndPrint(catalogs, searchText, folders, filter, {column, reverse, format}, reporter, walks);
  reporter.Status(kStatusResultPart, (FormatCount(rows) + (folders ? " folders found" : " files found")).c_str());
  ReportUndated(filter, reporter);
  return walks.ExitStatus(rows, reporter);
}

}  // namespace vardek::cli
