// Find: every matching file or folder of the loaded catalogs (or of all the
// catalogs of the current catalog's folder) into the file list.
#include <string>
#include <vector>

#include "browse/collect.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_tree.h"
#include "catalog/reporter.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "ui/busy_cursor.h"
#include "ui/work_window.h"

namespace vardek {

void DesktopCommands::Find() {
  const SearchKind kind =
      findDialog_.Ask(window_.Handle(), window_.TitleTree().CatalogCount(), window_.State().catalogPath);
  if (kind == SearchKind::None) return;
  // The list goes first: a fill that is pumping must not see new rows.
  window_.FileList().Clear();
  window_.StatusLine().SetText(kStatusSearchPart, findDialog_.SearchText());
  WorkWindow::PumpMessages();
  if (findDialog_.SearchAll()) window_.Parts().catalogCommands->OpenAll();
  WorkWindow::PumpMessages();
  if (!window_.Results().Reset()) return;
  // The table does not change while this command runs (the busy rule), but
  // the paths are taken first all the same.
  std::vector<std::string> paths;
  const LoadedCatalogTable& table = window_.TitleTree().Catalogs();
  for (int index = 0; index < table.Count(); ++index) paths.push_back(table.At(index).path);
  for (const std::string& path : paths) SearchCatalog(path.c_str(), kind);
  window_.FileList().Fill(kind == SearchKind::Files ? FileRows::Files : FileRows::Folders);
}

void DesktopCommands::SearchCatalog(const char* path, SearchKind kind) {
  char text[kWorkTextSize];
  BuildWorkText(kSearching, path, text, sizeof text);
  window_.Work().Show(window_.Handle(), text, 0);
  {
    BusyCursor busy;
    if (kind == SearchKind::Files) {
      CollectFiles(window_.Reader(), path, "", findDialog_.SearchText(), window_.Results(), window_.Report());
    } else {
      CollectFolders(window_.Reader(), path, findDialog_.SearchText(), window_.Results(), window_.Report());
    }
    window_.Work().Destroy();
    WorkWindow::PumpMessages();
  }
}

}  // namespace vardek
