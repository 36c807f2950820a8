// vardek-cli scan CATALOG DESCRIPTION FOLDER
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/progress.h"
#include "platform/directory.h"
#include "platform/files.h"
#include "scan/title_writer.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "scan", "CATALOG DESCRIPTION FOLDER",
    "Walks FOLDER (a mounted disc's root, or any folder) as the Scan command does:\n"
    "every file (\"*.*\"), folders down to 16 levels, system folders skipped. The\n"
    "new disc title, described by DESCRIPTION (at most 79 characters), goes first\n"
    "in CATALOG. \".cat\" is forced onto the catalog's name; a missing catalog is\n"
    "created. The catalog is changed only through its temp file (\".$$$\").\n"
    "\nExit status: 0 title added; 1 no files found, nothing saved; 2 usage error,\n"
    "old-format catalog, or a file that cannot be read or written.\n"};

constexpr int kProgressEvery = 256;

bool IsSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/' || c == ':';
#else
  return c == platform::kPathSeparator;
#endif
}

// The walker wants a root that ends with the separator.
std::string WalkRoot(std::string folder) {
  if (folder.empty()) folder = ".";
  if (!IsSeparator(folder.back())) folder += platform::kPathSeparator;
#ifdef _WIN32
  if (folder.back() == ':') folder += '\\';
#endif
  return folder;
}

// An empty folder lists nothing, and neither does a missing one; the folder
// is then looked up in its parent to tell the two apart.
bool FolderExists(const std::string& root) {
  platform::DirectorySearch search;
  platform::DirectoryEntry entry;
  if (search.First((root + "*").c_str(), entry)) return true;
  std::string folder = root;
  while (folder.size() > 1 && IsSeparator(folder.back())) folder.pop_back();
  std::size_t cut = folder.size();
  while (cut > 0 && !IsSeparator(folder[cut - 1])) --cut;
  const std::string name = folder.substr(cut);
  if (name.empty() || name == "." || name == ".." || IsSeparator(name.back())) return true;
  platform::DirectorySearch parent;
  for (bool found = parent.First(folder.c_str(), entry); found; found = parent.Next(entry)) {
    if ((entry.attributes & platform::kAttributeDirectory) != 0 && name == entry.fsName) return true;
  }
  return false;
}

class ScanWriter : public TitleWriter {
 protected:
  int OnFile(const platform::DirectoryEntry& entry) override {
    const int result = TitleWriter::OnFile(entry);
    if (FileCount() % kProgressEvery == 0) ProgressLine::Instance().Show("Scanning: " + FormatCount(FileCount()) + " files");
    return result;
  }
};

}  // namespace

int RunScan(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 3, 3, line, status)) return status;
  ConsoleReporter reporter;
  std::string catalog = line.operands[0];
  if (!SetExtension(catalog, kCatalogExtension)) return UsageError(kHelp, "'" + catalog + "' is not a catalog file name");
  std::string description;
  if (!DescriptionOperand(line.operands[1], description, reporter)) return kExitFailure;
  const std::string root = WalkRoot(line.operands[2]);

  const CatalogState state = InspectCatalog(catalog);
  if (state == CatalogState::OldFormat) {
    reporter.ErrorBox(kNewFormatRequired, kProductName);
    return kExitFailure;
  }
  if (state == CatalogState::Unreadable) {
    reporter.ErrorBox("Error opening file", catalog.c_str());
    return kExitFailure;
  }
  if (!FolderExists(root)) {
    reporter.ErrorBox("Folder not found", line.operands[2].c_str());
    return kExitFailure;
  }
  const std::string temp = TempPathFor(catalog);

  ScanWriter writer;
  writer.Begin(description.c_str());
  writer.Walk(root.c_str(), "*.*", kMaxFolderLevels, 0);
  ProgressLine::Instance().Clear();
  const int files = writer.Finish(temp.c_str(), reporter);
  if (files == 0) return reporter.Reported("No files found") ? kExitFinding : kExitFailure;

  if (state == CatalogState::Missing) {
    // Nothing to join yet: the temp file becomes the catalog. Should another
    // run have created the catalog meanwhile, join onto that one instead.
    if (!platform::MoveFileTo(temp.c_str(), catalog.c_str())) {
      if (!platform::FileExists(catalog.c_str()) || !JoinCatalog(temp.c_str(), catalog.c_str(), reporter)) {
        if (!reporter.Reported("Error joining files")) reporter.ErrorBox("Error opening file", catalog.c_str());
        return kExitFailure;
      }
    }
  } else if (!JoinCatalog(temp.c_str(), catalog.c_str(), reporter)) {
    return kExitFailure;
  }
  reporter.Status(kStatusResultPart, (FormatCount(files) + " files found").c_str());
  return ReportTitleCount(catalog, reporter) ? kExitSuccess : kExitFailure;
}

}  // namespace vardek::cli
