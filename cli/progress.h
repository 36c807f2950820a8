#pragma once
// The progress line of long operations on standard error. It is shown only
// when standard error is a terminal, so pipes and log files never see it.
#include <string>

namespace vardek::cli {

class ProgressLine {
 public:
  static ProgressLine& Instance();

  // Rewrites the line in place.
  void Show(const std::string& text);
  // Blanks the line, so that the next report starts on a clean line.
  void Clear();
  bool Enabled() const { return enabled_; }

 private:
  ProgressLine();
  bool enabled_ = false;
  std::size_t shown_ = 0;
};

}  // namespace vardek::cli
