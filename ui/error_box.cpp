#include "ui/error_box.h"

#include <cstdio>

#include "ui/about_box.h"
#include "ui/message_box.h"

namespace vardek {

namespace {
constexpr unsigned kErrorStyle = MB_OK | MB_ICONEXCLAMATION;
constexpr std::size_t kLineErrorBuffer = 128;
}  // namespace

MessageBoxWindow& ProgramMessageBox() {
  static MessageBoxWindow box;
  return box;
}

AboutBox& ProgramAboutBox() {
  static AboutBox box;
  return box;
}

std::string WithThousandsSeparators(long long number) {
  unsigned long long magnitude =
      number < 0 ? 0ULL - static_cast<unsigned long long>(number) : static_cast<unsigned long long>(number);
  std::string digits = std::to_string(magnitude);
  std::string grouped;
  for (std::size_t index = 0; index < digits.size(); ++index) {
    if (index > 0 && (digits.size() - index) % 3 == 0) grouped += ',';
    grouped += digits[index];
  }
  return number < 0 ? "-" + grouped : grouped;
}

std::string LineErrorText(const char* first, const char* second, long lineNumber) {
  char buffer[kLineErrorBuffer];
  std::snprintf(buffer, sizeof buffer, "%s\n%s\nLine number: %s", first ? first : "",
                second ? second : "", WithThousandsSeparators(lineNumber).c_str());
  return buffer;
}

int ErrorBox(HWND owner, const char* text, const char* caption) {
  return ProgramMessageBox().Show(owner, text, caption, kErrorStyle, 0, MessageBoxWindow::kBlack,
                                  MessageBoxWindow::kLightGrey, MessageBoxWindow::kGrey);
}

int LineErrorBox(HWND owner, const char* first, const char* second, long lineNumber,
                 const char* caption) {
  std::string text = LineErrorText(first, second, lineNumber);
  return ErrorBox(owner, text.c_str(), caption);
}

}  // namespace vardek
