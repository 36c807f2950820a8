// Check catalog: the core's check over the current catalog, with the
// progress meter running and the window kept alive every 200 lines.
#include "catalog/catalog_check.h"
#include "shell/catalog_tree.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/main_window.h"
#include "ui/work_window.h"

namespace vardek {

void DesktopCommands::CheckCatalog() {
  SessionState& state = window_.State();
  if (state.catalogPath[0] == '\0') return;
  if (window_.TitleTree().CatalogCount() > 1) {
    window_.Report().ErrorBox(kOneCatalogOnly, kProductName);
    return;
  }
  window_.StartProgress();
  vardek::CheckCatalog(window_.Reader(), state.catalogPath, state.newFormat != 0, window_.Report(),
                       [] { WorkWindow::PumpMessages(); });
  window_.StopProgress();
}

}  // namespace vardek
