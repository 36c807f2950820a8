#include "cli/console_reporter.h"

#include <cstdio>

#include "cli/output.h"
#include "cli/progress.h"

namespace vardek::cli {

namespace {

// A box's text may have several lines (the line error box); the lines after
// the first are indented under the caption.
void PrintBox(const char* text, const char* caption) {
  ProgressLine::Instance().Clear();
  std::fflush(stdout);
  std::string out = ReportToNative(caption);
  out += ": ";
  for (const char c : ReportToNative(text)) {
    out += c;
    if (c == '\n') out += "  ";
  }
  out += '\n';
  std::fputs(out.c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

void ConsoleReporter::ErrorBox(const char* text, const char* caption) {
  errors_.emplace_back(text);
  PrintBox(text, caption);
}

void ConsoleReporter::InfoBox(const char* text, const char* caption) { PrintBox(text, caption); }

// Only part 0 carries a result; part 1 repeats the search text the user typed.
void ConsoleReporter::Status(int part, const char* text) {
  if (part != kStatusResultPart || text[0] == '\0') return;
  lastStatus_ = text;
  ProgressLine::Instance().Clear();
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", ReportToNative(text).c_str());
  std::fflush(stderr);
}

bool ConsoleReporter::Reported(const char* text) const {
  for (const std::string& error : errors_)
    if (error.rfind(text, 0) == 0) return true;
  return false;
}

}  // namespace vardek::cli
