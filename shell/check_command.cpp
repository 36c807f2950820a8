// Check catalog: the core's check over the current catalog, with the
// progress meter running and the window kept alive every 200 lines.
#include "catalog/catalog_check.h"
#include "shell/command_window.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/forwarding_reporter.h"
#include "shell/session.h"
#include "ui/work_window.h"

namespace vardek {

namespace {

// The window's reporter, except that the meter stops when the check writes
// its result: the meter's ticks would otherwise paint over the count (or
// "Check incomplete") while the final box waits for the user.
class MeterStoppingReporter : public ForwardingReporter {
 public:
  MeterStoppingReporter(Reporter& target, CommandWindow& window) : ForwardingReporter(target), window_(window) {}
  void Status(int part, const char* text) override {
    window_.StopProgress();
    ForwardingReporter::Status(part, text);
  }

 private:
  CommandWindow& window_;
};

}  // namespace

void DesktopCommands::CheckCatalog() {
  Session& session = parts_.session;
  if (!session.HasCatalog() || !session.OneCatalogLoaded(parts_.report)) return;
  MeterStoppingReporter reporter(parts_.report, parts_.window);
  parts_.window.StartProgress();
  vardek::CheckCatalog(session.Reader(), session.CatalogPath(), session.NewFormat(), reporter,
                       [] { WorkWindow::PumpMessages(); });
  parts_.window.StopProgress();
}

}  // namespace vardek
