#pragma once
// FileDialog: the platform's open-file dialog for catalogs (New catalog uses
// it too, so a name that does not exist yet may be typed). The chosen name
// always ends in ".cat".
#include <cstddef>

#include "ui/win32.h"

namespace vardek {

enum class FileChoice {
  Chosen,     // the path, with ".cat", is in the caller's buffer
  Cancelled,  // the user cancelled or the dialog failed; the buffer is unchanged
  TooLong,    // the name with ".cat" does not fit the buffer; the buffer is unchanged
};

class FileDialog {
 public:
  static constexpr DWORD kOptions = OFN_HIDEREADONLY;
  static constexpr DWORD kFilterIndex = 1;
  static constexpr char kFilter[] = "Catalogs (*.cat)\0*.cat\0";  // the list ends with the implicit "\0"
  static constexpr char kDefaultExtension[] = ".cat";

  // `fileName` (of `size` bytes) holds the name shown first and receives the
  // chosen path. No initial folder means the platform's default.
  FileChoice Run(HWND owner, char* fileName, std::size_t size, const char* initialFolder = nullptr);
};

}  // namespace vardek
