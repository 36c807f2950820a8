// vardek-cli report CATALOG... -o FILE.html
#include <string>
#include <vector>

#include "catalog/catalog_folder.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/report_page.h"
#include "cli/rows.h"
#include "platform/files.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "report", "CATALOG... -o FILE.html",
    "Writes one printable HTML page about the catalogs: for each CATALOG a table\n"
    "of its discs with the numbers that 'stats' prints (files, folders, deepest\n"
    "level, oldest and newest date, bad dates) and a total, then every disc's\n"
    "folder tree, collapsed under the disc's name, with each file and its date.\n"
    "The page needs nothing else: no scripts, no other files; it is UTF-8 and\n"
    "prints without the screen's frames. FILE is written to a temp file beside\n"
    "it first and then put in its place; a catalog is never written over.\n"
    "\n"
    "  -o, --output FILE   the page to write (required)\n"
    "\nExit status: 0 written; 2 usage error, a FILE that cannot be written or is\n"
    "a catalog, or a catalog that cannot be opened or whose damage ended its\n"
    "reading early (the page is still written with what was read, and says so).\n"};

constexpr const char* kNoteUnread = "This catalog could not be opened.";
constexpr const char* kNoteDamaged = "This catalog is damaged: it was read only as far as the damage.";

// The page must not take the place of a catalog: a *.cat name, a catalog
// file already there, or one of the catalogs it is made from.
bool IsCatalogPlace(const std::string& output, const std::vector<std::string>& catalogs) {
  if (IsCatalogFileName(NamePart(output.c_str()))) return true;
  if (InspectCatalog(output) == CatalogState::NewFormat) return true;
  const std::string target = platform::LinkTarget(output.c_str());
  for (const std::string& catalog : catalogs)
    if (platform::LinkTarget(catalog.c_str()) == target) return true;
  return false;
}

// One catalog's section; the outcome of its reading.
WalkOutcome AddCatalog(HtmlFile& page, const std::string& catalog, Reporter& reporter) {
  CatalogReader statsReader;
  const CatalogStats stats = ReadDiscStats(statsReader, catalog.c_str(), reporter);
  AddDiscTable(page, catalog, stats);
  if (stats.outcome == WalkOutcome::OpenFailed) {
    AddReadingNote(page, kNoteUnread);
  } else {
    // The tree reads the lines the counts read: its damage is reported once.
    CatalogReader treeReader;
    DiscTreeHtml tree(page, stats);
    ReadDiscLinesAgain(treeReader, catalog.c_str(), tree);
    tree.Finish();
    if (stats.outcome != WalkOutcome::Complete) AddReadingNote(page, kNoteDamaged);
  }
  AddCatalogEnd(page);
  return stats.outcome;
}

}  // namespace

int RunReport(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {{"-o", true}, {"--output", true}}, kHelp, 1, static_cast<std::size_t>(-1), line,
                       status))
    return status;
  const std::string* output = line.Value("--output");
  if (const std::string* shortOutput = line.Value("-o")) output = shortOutput;
  if (output == nullptr || output->empty()) return UsageError(kHelp, "-o FILE.html is required");
  ConsoleReporter reporter;
  if (IsCatalogPlace(*output, line.operands)) {
    reporter.ErrorBox(("Will not write the report over a catalog: " + *output).c_str(), kProductName);
    return kExitFailure;
  }
  HtmlFile page(*output);
  AddPageStart(page, line.operands);
  WalkTally walks;
  for (const std::string& catalog : line.operands) walks.Add(AddCatalog(page, catalog, reporter));
  AddPageEnd(page);
  if (!page.Finish()) {
    reporter.ErrorBox(("Error writing " + *output).c_str(), kProductName);
    return kExitFailure;
  }
  reporter.Status(kStatusResultPart, ("Report written to " + *output).c_str());
  return walks.ExitStatus(1, reporter);
}

}  // namespace vardek::cli
