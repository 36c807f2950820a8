#include "platform/console.h"

#include <unistd.h>

namespace vardek::platform {

bool IsTerminal(StandardStream stream) {
  return isatty(stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

// A Linux terminal speaks UTF-8; the tool converts catalog text itself.
void PrepareConsole() {}

// Nothing changes line ends here.
void KeepOutputLineEnds() {}

}  // namespace vardek::platform
