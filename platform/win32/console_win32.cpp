#include "platform/console.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/win32/windows_min.h"

namespace vardek::platform {

bool IsTerminal(StandardStream stream) {
  const HANDLE handle = GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

// Catalog text is in the ANSI code page; a console shows the OEM one unless told.
void PrepareConsole() {
  if (IsTerminal(StandardStream::Output) || IsTerminal(StandardStream::Error)) SetConsoleOutputCP(GetACP());
}

void KeepOutputLineEnds() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace vardek::platform
