#include "shell/catalog_commands.h"

#include "catalog/catalog_folder.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"
#include "catalog/text_routines.h"
#include "platform/path.h"
#include "shell/catalog_loader.h"
#include "shell/command_window.h"
#include "shell/file_dialog.h"
#include "shell/program_texts.h"
#include "shell/session.h"
#include "shell/window_title.h"
#include "ui/work_window.h"

namespace vardek {

bool BuildCatalogPattern(const char* catalogPath, char* pattern, std::size_t capacity) {
  const std::string text = std::string(platform::FolderOf(catalogPath)) + kCatalogPattern;
  if (text.size() + 1 > capacity) return false;
  CopyText(pattern, capacity, text);
  return true;
}

bool CatalogCommands::ChooseCatalog(char* path) {
  FileChoice choice = FileDialog().Run(window_.Owner(), path, kPathSize);
  if (choice == FileChoice::TooLong) report_.ErrorBox(kNameTooLong, kProductName);
  return choice == FileChoice::Chosen;
}

void CatalogCommands::NewCatalog() {
  char chosen[kPathSize] = {};
  CopyText(chosen, sizeof chosen, kSuggestedCatalogName);
  if (!ChooseCatalog(chosen)) return;
  catalogs_.ClearCatalogs();
  session_.SetNewFormat(true);  // a new catalog is written in the new format
  session_.ChooseCatalog(chosen);
  UpdateWindowTitle();
}

void CatalogCommands::OpenCatalog() {
  char chosen[kPathSize] = {};
  CopyText(chosen, sizeof chosen, session_.CatalogPath());
  if (!ChooseCatalog(chosen)) return;
  catalogs_.ClearCatalogs();
  // Also after a failed open: the title names the chosen file.
  session_.ChooseCatalog(chosen);
  work_.Show(window_.Owner(), kLoadingText, 0);
  catalogs_.Open(session_.CatalogPath(), true);
  work_.Destroy();
  UpdateWindowTitle();
}

OpenOutcome CatalogCommands::OpenFound(const std::string& folder, const char* name) {
  const std::string path = folder + name;
  if (path.size() + 1 > static_cast<std::size_t>(kPathSize)) {
    report_.ErrorBox(kErrorOpeningFile, path.c_str());
    return OpenOutcome::Failed;
  }
  return catalogs_.Open(path.c_str(), false);
}

void CatalogCommands::OpenAll() {
  if (session_.Catalogs().Count() >= 2) return;
  catalogs_.ClearCatalogs();
  char pattern[kPatternSize];
  if (!BuildCatalogPattern(session_.CatalogPath(), pattern, sizeof pattern)) return;
  const std::string folder(platform::FolderOf(session_.CatalogPath()));
  work_.Show(window_.Owner(), kLoadingText, 0);
  bool leftOut = false;
  ListCatalogs(folder, [&](const char* name) {
    leftOut = OpenFound(folder, name) == OpenOutcome::TableFull;
    return !leftOut;
  });
  work_.Destroy();
  if (leftOut) report_.ErrorBox(kCatalogsLeftOut, kProductName);
  UpdateWindowTitle();
}

void CatalogCommands::ReopenLastCatalog() {
  if (session_.HasCatalog() && catalogs_.Open(session_.CatalogPath(), true) != OpenOutcome::Opened)
    session_.DropUnopenedCatalog();
  UpdateWindowTitle();
}

void CatalogCommands::UpdateWindowTitle() {
  const LoadedCatalogTable& catalogs = session_.Catalogs();
  const char* onlyName = catalogs.Count() == 1 ? catalogs.At(0).Name() : nullptr;
  char caption[kCaptionSize];
  BuildWindowTitle(session_.CatalogPath(), catalogs.Count(), onlyName, caption, sizeof caption);
  SetWindowTextA(window_.Owner(), caption);
}

}  // namespace vardek
