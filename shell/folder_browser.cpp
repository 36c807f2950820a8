#include "shell/folder_browser.h"

#include <cstring>

#include <shlobj.h>

#include "catalog/text_routines.h"

namespace vardek {

bool EndWithSeparator(char (&path)[kPathSize]) {
  std::size_t length = std::strlen(path);
  if (length > 0 && path[length - 1] == '\\') return true;  // a drive's root already ends so
  if (length + 1 >= sizeof path) return false;
  path[length] = '\\';
  path[length + 1] = '\0';
  return true;
}

bool FolderBrowser::Browse(HWND owner, const char* title) {
  CopyText(title_, sizeof title_, title);
  path_[0] = '\0';
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || !allocator) return false;
  BROWSEINFOA parameters{};
  parameters.hwndOwner = owner;
  parameters.pszDisplayName = path_;
  parameters.lpszTitle = title_;
  parameters.ulFlags = kOptions;
  bool chosen = false;
  if (LPITEMIDLIST item = SHBrowseForFolderA(&parameters)) {
    chosen = SHGetPathFromIDListA(item, path_) != FALSE;
    allocator->Free(item);
  }
  allocator->Release();
  return chosen && EndWithSeparator(path_);
}

}  // namespace vardek
