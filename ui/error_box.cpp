#include "ui/error_box.h"

#include <string>

#include "catalog/reporter.h"
#include "ui/about_box.h"
#include "ui/message_box.h"

namespace vardek {

namespace {
constexpr unsigned kErrorStyle = MB_OK | MB_ICONEXCLAMATION;
}  // namespace

MessageBoxWindow& ProgramMessageBox() {
  static MessageBoxWindow box;
  return box;
}

AboutBox& ProgramAboutBox() {
  static AboutBox box;
  return box;
}

int ShowProgramBox(HWND owner, const char* text, const char* caption, unsigned style) {
  return ProgramMessageBox().Show(owner, text, caption, style, 0, MessageBoxWindow::kBlack,
                                  MessageBoxWindow::kLightGrey, MessageBoxWindow::kGrey);
}

int ErrorBox(HWND owner, const char* text, const char* caption) {
  return ShowProgramBox(owner, text, caption, kErrorStyle);
}

int LineErrorBox(HWND owner, const char* first, const char* second, long lineNumber,
                 const char* caption) {
  std::string text = LineErrorText(first, second, lineNumber);
  if (text.size() > kLineErrorLength) text.resize(kLineErrorLength);
  return ErrorBox(owner, text.c_str(), caption);
}

}  // namespace vardek
