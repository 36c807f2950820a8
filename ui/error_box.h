#pragma once
// The two ways every error is reported: the error box and the line error box,
// both through the program's one message box (exclamation icon, one Ok button).
#include <string>

#include "ui/win32.h"

namespace vardek {

class MessageBoxWindow;
class AboutBox;

// The program's message box and About box objects, made on first use.
MessageBoxWindow& ProgramMessageBox();
AboutBox& ProgramAboutBox();

int ErrorBox(HWND owner, const char* text, const char* caption);
// first, "\n", second, "\n", "Line number: " and the number with thousands separators.
int LineErrorBox(HWND owner, const char* first, const char* second, long lineNumber,
                 const char* caption);

// The line error box's text, cut to the box's 127 characters.
std::string LineErrorText(const char* first, const char* second, long lineNumber);
// 1234567 -> "1,234,567".
std::string WithThousandsSeparators(long long number);

}  // namespace vardek
