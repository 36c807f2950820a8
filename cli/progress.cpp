#include "cli/progress.h"

#include <cstdio>

#include "platform/console.h"

namespace vardek::cli {

ProgressLine& ProgressLine::Instance() {
  static ProgressLine line;
  return line;
}

ProgressLine::ProgressLine() : enabled_(platform::IsTerminal(platform::StandardStream::Error)) {}

// Padding with blanks instead of an erase sequence works on every console.
void ProgressLine::Show(const std::string& text) {
  if (!enabled_) return;
  std::string line = "\r" + text;
  if (text.size() < shown_) line.append(shown_ - text.size(), ' ');
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  shown_ = text.size();
}

void ProgressLine::Clear() {
  if (!enabled_ || shown_ == 0) return;
  std::string line = "\r";
  line.append(shown_, ' ');
  line += '\r';
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  shown_ = 0;
}

}  // namespace vardek::cli
