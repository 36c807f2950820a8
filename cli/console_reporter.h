#pragma once
// The core's reports on standard error: what the desktop program shows in
// its message boxes and status bar, printed as "caption: text".
#include <string>
#include <vector>

#include "catalog/reporter.h"

namespace vardek::cli {

class ConsoleReporter : public Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override;
  void InfoBox(const char* text, const char* caption) override;
  void Status(int part, const char* text) override;

  int ErrorCount() const { return static_cast<int>(errors_.size()); }
  // True when an error box's text began with `text`.
  bool Reported(const char* text) const;
  const std::string& LastStatus() const { return lastStatus_; }

 private:
  std::vector<std::string> errors_;
  std::string lastStatus_;
};

}  // namespace vardek::cli
