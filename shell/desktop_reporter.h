#pragma once
// DesktopReporter: the core's errors in the program's error box and line
// error box (owned by the main window), its status texts in the status bar.
#include "catalog/reporter.h"

namespace vardek {

class CommandWindow;
class StatusBar;

class DesktopReporter : public Reporter {
 public:
  DesktopReporter(CommandWindow& window, StatusBar& status) : window_(window), status_(status) {}

  void ErrorBox(const char* text, const char* caption) override;
  void LineErrorBox(const char* first, const char* second, long lineNumber,
                    const char* caption) override;
  void InfoBox(const char* text, const char* caption) override;
  void Status(int part, const char* text) override;
  // Beeps when the main window is minimised, so the user hears the change end.
  void CatalogReplaced() override;

 private:
  CommandWindow& window_;
  StatusBar& status_;
};

}  // namespace vardek
