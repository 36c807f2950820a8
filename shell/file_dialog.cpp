#include "shell/file_dialog.h"

#include <commdlg.h>

#include <memory>

#include "catalog/text_routines.h"
#include "ui/module.h"

namespace vardek {

FileChoice FileDialog::Run(HWND owner, char* fileName, std::size_t size, const char* initialFolder) {
  if (size == 0) return FileChoice::Cancelled;
  // The dialog works on a copy: a cancelled or refused choice leaves the
  // caller's path as it was.
  std::unique_ptr<char[]> chosen(new char[size]());
  CopyText(chosen.get(), size, fileName);
  OPENFILENAMEA parameters{};
  parameters.lStructSize = sizeof parameters;
  parameters.hwndOwner = owner;
  parameters.hInstance = ModuleInstance();
  parameters.lpstrFilter = kFilter;
  parameters.nFilterIndex = kFilterIndex;
  parameters.lpstrFile = chosen.get();
  parameters.nMaxFile = static_cast<DWORD>(size);
  parameters.lpstrInitialDir = initialFolder;
  parameters.lpstrTitle = kEmptyText;
  parameters.Flags = kOptions;
  parameters.lpstrDefExt = kDefaultExtension + 1;
  if (!GetOpenFileNameA(&parameters)) return FileChoice::Cancelled;
  if (!SetExtension(chosen.get(), size, kDefaultExtension)) return FileChoice::TooLong;
  CopyText(fileName, size, chosen.get());
  return FileChoice::Chosen;
}

}  // namespace vardek
