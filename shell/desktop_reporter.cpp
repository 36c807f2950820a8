#include "shell/desktop_reporter.h"

#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "ui/error_box.h"
#include "ui/message_box.h"

namespace vardek {

void DesktopReporter::ErrorBox(const char* text, const char* caption) {
  vardek::ErrorBox(window_.Handle(), text, caption);
}

void DesktopReporter::LineErrorBox(const char* first, const char* second, long lineNumber,
                                   const char* caption) {
  vardek::LineErrorBox(window_.Handle(), first, second, lineNumber, caption);
}

void DesktopReporter::InfoBox(const char* text, const char* caption) {
  ProgramMessageBox().Show(window_.Handle(), text, caption, MB_OK | MB_ICONINFORMATION, 0,
                           MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey,
                           MessageBoxWindow::kGrey);
}

void DesktopReporter::Status(int part, const char* text) { window_.StatusLine().SetText(part, text); }

void DesktopReporter::CatalogReplaced() {
  window_.BeepIfMinimised();
}

}  // namespace vardek
