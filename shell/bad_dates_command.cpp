// Find bad dates: the core's bad-date walk over the current catalog into the
// file list, with the progress meter running and the window kept alive.
#include "maintenance/bad_dates.h"
#include "shell/command_window.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/session.h"
#include "ui/busy_cursor.h"
#include "ui/work_window.h"

namespace vardek {

void DesktopCommands::FindBadDates() {
  Session& session = parts_.session;
  if (!session.OneCatalogLoaded(parts_.report)) return;
  parts_.list.Clear();
  WorkWindow::PumpMessages();
  if (!session.Results().Reset()) return;
  BusyCursor busy;
  parts_.window.StartProgress();
  const BadDateResult result = vardek::FindBadDates(session.Reader(), session.CatalogPath(), session.NewFormat(),
                                                    session.Results(), parts_.report,
                                                    [] { WorkWindow::PumpMessages(); });
  parts_.window.StopProgress();
  if (result.outcome != WalkOutcome::OpenFailed) parts_.list.Fill(FileRows::Files);
}

}  // namespace vardek
