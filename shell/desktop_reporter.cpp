#include "shell/desktop_reporter.h"

#include "shell/command_window.h"
#include "shell/status_bar.h"
#include "ui/error_box.h"

namespace vardek {

void DesktopReporter::ErrorBox(const char* text, const char* caption) {
  vardek::ErrorBox(window_.Owner(), text, caption);
}

void DesktopReporter::LineErrorBox(const char* first, const char* second, long lineNumber,
                                   const char* caption) {
  vardek::LineErrorBox(window_.Owner(), first, second, lineNumber, caption);
}

void DesktopReporter::InfoBox(const char* text, const char* caption) {
  ShowProgramBox(window_.Owner(), text, caption, MB_OK | MB_ICONINFORMATION);
}

void DesktopReporter::Status(int part, const char* text) { status_.SetText(part, text); }

void DesktopReporter::CatalogReplaced() {
  window_.BeepIfMinimised();
}

}  // namespace vardek
