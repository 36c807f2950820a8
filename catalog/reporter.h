#pragma once
// How the core tells the user what happened. The desktop program shows its
// own message box and status bar; the command-line tool prints.
#include <string>

namespace vardek {

inline constexpr const char* kProductName = "Vardek";

inline constexpr int kStatusResultPart = 0;  // result of the last command
inline constexpr int kStatusSearchPart = 1;  // last search text

// The line error box's text: first text, second text and "Line number: " with
// the number (thousands separators), one to a line.
std::string LineErrorText(const char* first, const char* second, long lineNumber);

class Reporter {
 public:
  virtual ~Reporter() = default;

  // The error box: exclamation icon, one Ok button.
  virtual void ErrorBox(const char* text, const char* caption) = 0;
  // A message box with the information icon ("File is good").
  virtual void InfoBox(const char* text, const char* caption) = 0;
  virtual void Status(int part, const char* text) = 0;
  // A catalog file was replaced by its rewritten copy (the desktop beeps
  // when it is minimised).
  virtual void CatalogReplaced() {}

  // The line error box: first text, second text and "Line number: " with the
  // number, one to a line. The desktop shows it through its own line error box.
  virtual void LineErrorBox(const char* first, const char* second, long lineNumber, const char* caption);
};

// Takes note of any report and shows none: for walks over parts of a
// catalog, where a report means the whole is read again in one walk.
class NoticingReporter : public Reporter {
 public:
  void ErrorBox(const char*, const char*) override { noticed_ = true; }
  void InfoBox(const char*, const char*) override { noticed_ = true; }
  void Status(int, const char*) override { noticed_ = true; }
  void LineErrorBox(const char*, const char*, long, const char*) override { noticed_ = true; }
  bool Noticed() const { return noticed_; }

 private:
  bool noticed_ = false;
};

}  // namespace vardek
