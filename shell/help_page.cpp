#include "shell/help_page.h"

#include <cstring>

#include <shellapi.h>

namespace vardek {

void OpenDocument(const char* path) {
  ShellExecuteA(nullptr, "open", path, nullptr, "", SW_SHOWNORMAL);
}

HelpPage::HelpPage(const char* pageText) : text_(pageText), path_(""), opener_(OpenDocument) {
  char folder[kPathSize] = "";
  DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) std::strcpy(folder, "\\");
  if (std::strlen(folder) + sizeof kHelpFileName > sizeof path_) return;  // no room: no page
  std::strcpy(path_, folder);
  std::strcat(path_, kHelpFileName);
}

HelpPage::~HelpPage() {
  if (path_[0]) DeleteFileA(path_);
}

bool HelpPage::Write() const {
  // CREATE_ALWAYS empties an older, longer file, so no stale tail follows the page.
  HANDLE file = CreateFileA(path_, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD length = static_cast<DWORD>(std::strlen(text_));
  DWORD written = 0;
  bool whole = WriteFile(file, text_, length, &written, nullptr) && written == length;
  CloseHandle(file);
  return whole;
}

void HelpPage::Show() {
  if (!path_[0] || !Write()) return;
  opener_(path_);
}

}  // namespace vardek
