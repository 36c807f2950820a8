#pragma once
// The two ways every error is reported: the error box and the line error box,
// both through the program's one message box (exclamation icon, one Ok button).
#include <cstddef>

#include "ui/win32.h"

namespace vardek {

class MessageBoxWindow;
class AboutBox;

// The program's message box and About box objects, made on first use.
MessageBoxWindow& ProgramMessageBox();
AboutBox& ProgramAboutBox();

// The longest text the line error box shows.
inline constexpr std::size_t kLineErrorLength = 127;

// The program's message box in its usual colours, with a style of MB_ codes
// (buttons and icon); the button's result code.
int ShowProgramBox(HWND owner, const char* text, const char* caption, unsigned style);

int ErrorBox(HWND owner, const char* text, const char* caption);
// The core's line error text (first, second, "Line number: " and the number
// with thousands separators, one to a line), cut to 127 characters.
int LineErrorBox(HWND owner, const char* first, const char* second, long lineNumber,
                 const char* caption);

}  // namespace vardek
