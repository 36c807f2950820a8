// Check catalog: the core's check over the current catalog, with the
// progress meter running and the window kept alive every 200 lines.
#include "catalog/catalog_check.h"
#include "shell/catalog_tree.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/forwarding_reporter.h"
#include "shell/main_window.h"
#include "ui/work_window.h"

namespace vardek {

namespace {

// The window's reporter, except that the meter stops when the check writes
// its result: the meter's ticks would otherwise paint over the count (or
// "Check incomplete") while the final box waits for the user.
class MeterStoppingReporter : public ForwardingReporter {
 public:
  explicit MeterStoppingReporter(MainWindow& window) : ForwardingReporter(window.Report()), window_(window) {}
  void Status(int part, const char* text) override {
    window_.StopProgress();
    ForwardingReporter::Status(part, text);
  }

 private:
  MainWindow& window_;
};

}  // namespace

void DesktopCommands::CheckCatalog() {
  SessionState& state = window_.State();
  if (state.catalogPath[0] == '\0') return;
  if (window_.TitleTree().CatalogCount() > 1) {
    window_.Report().ErrorBox(kOneCatalogOnly, kProductName);
    return;
  }
  MeterStoppingReporter reporter(window_);
  window_.StartProgress();
  vardek::CheckCatalog(window_.Reader(), state.catalogPath, state.newFormat != 0, reporter,
                       [] { WorkWindow::PumpMessages(); });
  window_.StopProgress();
}

}  // namespace vardek
