#include "shell/catalog_commands.h"

#include "catalog/catalog_walk.h"
#include "catalog/text_routines.h"
#include "shell/catalog_tree.h"
#include "shell/file_dialog.h"
#include "shell/main_window.h"
#include "shell/program_texts.h"
#include "shell/window_title.h"
#include "ui/work_window.h"

namespace vardek {

namespace {

// The path up to its file name part: the folder with its last separator.
std::string FolderOf(const char* path) {
  return std::string(path, static_cast<std::size_t>(NamePart(path) - path));
}

}  // namespace

bool BuildCatalogPattern(const char* catalogPath, char* pattern, std::size_t capacity) {
  std::string text = FolderOf(catalogPath) + kCatalogPattern;
  if (text.size() + 1 > capacity) return false;
  CopyText(pattern, capacity, text);
  return true;
}

CatalogTree& CatalogCommands::Tree() { return window_.TitleTree(); }

bool CatalogCommands::ChooseCatalog(char* path) {
  FileChoice choice = FileDialog().Run(window_.Handle(), path, kPathSize);
  if (choice == FileChoice::TooLong) window_.Report().ErrorBox(kNameTooLong, kProgramName);
  return choice == FileChoice::Chosen;
}

void CatalogCommands::NewCatalog() {
  char chosen[kPathSize] = {};
  CopyText(chosen, sizeof chosen, kSuggestedCatalogName);
  if (!ChooseCatalog(chosen)) return;
  Tree().ClearCatalogs();
  SessionState& state = window_.State();
  state.newFormat = 1;  // a new catalog is written in the new format
  CopyText(state.catalogPath, sizeof state.catalogPath, chosen);
  state.saveName = 1;
  UpdateWindowTitle();
}

void CatalogCommands::OpenCatalog() {
  SessionState& state = window_.State();
  char chosen[kPathSize] = {};
  CopyText(chosen, sizeof chosen, state.catalogPath);
  if (!ChooseCatalog(chosen)) return;
  Tree().ClearCatalogs();
  CopyText(state.catalogPath, sizeof state.catalogPath, chosen);
  window_.Work().Show(window_.Handle(), kLoadingText, 0);
  Tree().OpenCatalog(state.catalogPath, true);
  window_.Work().Destroy();
  // Also after a failed open: the title names the chosen file.
  state.saveName = 1;
  UpdateWindowTitle();
}

OpenOutcome CatalogCommands::OpenFound(const std::string& folder, const char* name) {
  const std::string path = folder + name;
  if (path.size() + 1 > static_cast<std::size_t>(kPathSize)) {
    window_.Report().ErrorBox(kErrorOpeningFile, path.c_str());
    return OpenOutcome::Failed;
  }
  return Tree().OpenCatalog(path.c_str(), false);
}

void CatalogCommands::OpenAll() {
  if (Tree().CatalogCount() >= 2) return;
  Tree().ClearCatalogs();
  char pattern[kPatternSize];
  if (!BuildCatalogPattern(window_.State().catalogPath, pattern, sizeof pattern)) return;
  const std::string folder = FolderOf(window_.State().catalogPath);
  window_.Work().Show(window_.Handle(), kLoadingText, 0);
  bool leftOut = false;
  WIN32_FIND_DATAA found;
  HANDLE listing = FindFirstFileA(pattern, &found);
  if (listing != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      if (OpenFound(folder, found.cFileName) == OpenOutcome::TableFull) {
        leftOut = true;
        break;
      }
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
  }
  window_.Work().Destroy();
  if (leftOut) window_.Report().ErrorBox(kCatalogsLeftOut, kProgramName);
  UpdateWindowTitle();
}

void CatalogCommands::ReopenLastCatalog() {
  SessionState& state = window_.State();
  if (state.catalogPath[0] == '\0') return;
  if (Tree().OpenCatalog(state.catalogPath, true) != OpenOutcome::Opened) state.catalogPath[0] = '\0';
}

void CatalogCommands::UpdateWindowTitle() {
  const LoadedCatalogTable& catalogs = Tree().Catalogs();
  const char* onlyName = catalogs.Count() == 1 ? catalogs.At(0).Name() : nullptr;
  char caption[kCaptionSize];
  BuildWindowTitle(window_.State().catalogPath, catalogs.Count(), onlyName, caption, sizeof caption);
  SetWindowTextA(window_.Handle(), caption);
}

}  // namespace vardek
