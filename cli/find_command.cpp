// vardek-cli find [--folders] [--all] [--sort name|date|folder|title] [--reverse] TEXT CATALOG...
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/name_match.h"
#include "browse/sort.h"
#include "catalog/catalog_folder.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_searches.h"
#include "cli/console_reporter.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "platform/path.h"
#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "find", "[--folders] [--all] [--sort name|date|folder|title] [--reverse] TEXT CATALOG...",
    "Prints every file (or with --folders every folder) of the catalogs whose name\n"
    "contains TEXT (at most 39 characters). Letters A-Z match either case; other\n"
    "characters, wildcards included, match only themselves. A TEXT beginning with\n"
    "a backslash finds folders whose names begin with the rest. Rows are\n"
    "tab-separated: file name, date, folder, disc description (a folder row has an\n"
    "empty name and date). Put -- before a TEXT that begins with a dash.\n"
    "\n"
    "  --folders        search folder names instead of file names\n"
    "  --all            search every catalog (*.cat) in the folder of each CATALOG\n"
    "  --sort COLUMN    order the rows by name, date, folder or title (name, folder\n"
    "                   and title without regard to case; dates by calendar date);\n"
    "                   rows that compare equal keep their catalog order\n"
    "  --reverse        descending order (without --sort: the catalog order reversed)\n"
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

// Every catalog of each operand's folder, each folder once, in listing order.
std::vector<std::string> EveryCatalogBeside(const std::vector<std::string>& catalogs) {
  std::vector<std::string> folders;
  std::vector<std::string> found;
  for (const std::string& catalog : catalogs) {
    const std::string folder(platform::FolderOf(catalog));
    if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
    folders.push_back(folder);
    ListCatalogs(folder, [&](const char* name) {
      found.push_back(folder + name);
      return true;
    });
  }
  return found;
}

}  // namespace

int RunFind(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {{"--folders", false}, {"--all", false}, {"--sort", true}, {"--reverse", false}},
                       kHelp, 2, static_cast<std::size_t>(-1), line, status))
    return status;
  int column = kColumnNone;
  if (const std::string* sort = line.Value("--sort")) {
    column = SortColumn(*sort);
    if (column < 0) return UsageError(kHelp, "--sort takes name, date, folder or title, not '" + *sort + "'");
  }
  const bool folders = line.Has("--folders");
  const bool reverse = line.Has("--reverse");

  std::string text = platform::ToCatalogText(line.operands[0]);
  if (text.empty()) return UsageError(kHelp, "You must supply a text to find.");
  if (text.size() > kMaxSearchTextLength) {
    return UsageError(kHelp, "The text to find is " + std::to_string(text.size()) + " characters long; at most " +
                                 std::to_string(kMaxSearchTextLength) + " are allowed.");
  }
  char searchText[kSearchTextSize] = {};
  CopyText(searchText, sizeof searchText, text);
  LowerAscii(searchText);

  std::vector<std::string> catalogs(line.operands.begin() + 1, line.operands.end());
  if (line.Has("--all")) catalogs = EveryCatalogBeside(catalogs);

  ConsoleReporter reporter;
  ResultList list;
  if (!list.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    return kExitFailure;
  }
  WalkTally walks;
  // Catalogs, or the parts of one, are searched side by side; with the
  // progress line to show, one after the other.
  if (!catalogs.empty() && !ProgressLine::Instance().Enabled()) {
    SearchCatalogs(catalogs, searchText, folders, list, reporter, walks);
    catalogs.clear();
  }
  for (const std::string& catalog : catalogs) {
    CatalogReader reader;
    const auto progress = PercentProgress(reader, "Searching " + catalog);
    walks.Add(folders ? CollectFolders(reader, catalog.c_str(), searchText, list, reporter, progress)
                      : CollectFiles(reader, catalog.c_str(), "", searchText, list, reporter, progress));
  }
  ProgressLine::Instance().Clear();

  if (column != kColumnNone || reverse) {
    std::vector<int> order(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) order[static_cast<std::size_t>(i)] = i;
    if (column != kColumnNone) SortRowOrder(list, order, column, reverse);
    else std::reverse(order.begin(), order.end());
    PrintRows(list, &order);
  } else {
    PrintRows(list, nullptr);
  }
  reporter.Status(kStatusResultPart,
                  (FormatCount(list.Count()) + (folders ? " folders found" : " files found")).c_str());
  return walks.ExitStatus(list.Count(), reporter);
}

}  // namespace vardek::cli
