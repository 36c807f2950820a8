// Find: every matching file or folder of the loaded catalogs (or of all the
// catalogs of the current catalog's folder) into the file list.
#include <string>
#include <vector>

#include "browse/collect.h"
#include "shell/catalog_commands.h"
#include "shell/command_window.h"
#include "catalog/reporter.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/session.h"
#include "shell/status_bar.h"
#include "ui/busy_cursor.h"
#include "ui/work_window.h"

namespace vardek {

void DesktopCommands::Find() {
  const SearchKind kind =
      findDialog_.Ask(parts_.window.Owner(), parts_.session.Catalogs().Count(), parts_.session.State().catalogPath);
  if (kind == SearchKind::None) return;
  parts_.list.Clear();
  parts_.status.SetText(kStatusSearchPart, findDialog_.SearchText());
  WorkWindow::PumpMessages();
  if (findDialog_.SearchAll()) parts_.catalogFiles.OpenAll();
  WorkWindow::PumpMessages();
  if (!parts_.session.Results().Reset()) return;
  // Nothing unloads the catalogs while this command runs (the command entry
  // refuses it); the paths are taken first all the same.
  std::vector<std::string> paths;
  const LoadedCatalogTable& table = parts_.session.Catalogs();
  for (int index = 0; index < table.Count(); ++index) paths.push_back(table.At(index).path);
  for (const std::string& path : paths) SearchCatalog(path.c_str(), kind);
  parts_.list.Fill(kind == SearchKind::Files ? FileRows::Files : FileRows::Folders);
}

void DesktopCommands::SearchCatalog(const char* path, SearchKind kind) {
  char text[kWorkTextSize];
  BuildWorkText(kSearching, path, text, sizeof text);
  parts_.work.Show(parts_.window.Owner(), text, 0);
  {
    BusyCursor busy;
    Session& session = parts_.session;
    if (kind == SearchKind::Files) {
      CollectFiles(session.Reader(), path, "", findDialog_.SearchText(), session.Results(), parts_.report);
    } else {
      CollectFolders(session.Reader(), path, findDialog_.SearchText(), session.Results(), parts_.report);
    }
    parts_.work.Destroy();
    WorkWindow::PumpMessages();
  }
}

}  // namespace vardek
