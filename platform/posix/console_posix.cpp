#include "platform/console.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vardek::platform {

bool IsTerminal(StandardStream stream) {
  return isatty(stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

// A Linux terminal speaks UTF-8; the tool converts catalog text itself.
// Output into a pipe goes in larger steps: a pipe of 64 KiB wakes the
// reader (and waits for it) every 64 KiB of a million rows.
void PrepareConsole() {
#ifdef F_SETPIPE_SZ
  constexpr int kPipeBytes = 1 << 20;
  struct stat output {};
  if (fstat(STDOUT_FILENO, &output) == 0 && S_ISFIFO(output.st_mode)) fcntl(STDOUT_FILENO, F_SETPIPE_SZ, kPipeBytes);
#endif
}

// Nothing changes line ends here.
void KeepOutputLineEnds() {}

}  // namespace vardek::platform
