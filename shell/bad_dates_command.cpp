// Find bad dates: the core's bad-date walk over the current catalog into the
// file list, with the progress meter running and the window kept alive.
#include "maintenance/bad_dates.h"
#include "shell/catalog_tree.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/main_window.h"
#include "ui/busy_cursor.h"
#include "ui/work_window.h"

namespace vardek {

void DesktopCommands::FindBadDates() {
  if (window_.TitleTree().CatalogCount() > 1) {
    window_.Report().ErrorBox(kOneCatalogOnly, kProductName);
    return;
  }
  // The list goes first: a fill that is pumping must not see new rows.
  window_.FileList().Clear();
  WorkWindow::PumpMessages();
  if (!window_.Results().Reset()) return;
  BusyCursor busy;
  const SessionState& state = window_.State();
  window_.StartProgress();
  const BadDateResult result =
      vardek::FindBadDates(window_.Reader(), state.catalogPath, state.newFormat != 0, window_.Results(),
                           window_.Report(), [] { WorkWindow::PumpMessages(); });
  window_.StopProgress();
  if (result.outcome != WalkOutcome::OpenFailed) window_.FileList().Fill(FileRows::Files);
}

}  // namespace vardek
