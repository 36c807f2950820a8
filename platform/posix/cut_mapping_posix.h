#pragma once
// Mapped catalogs that another program cuts short while they are read: a
// read past the new end raises SIGBUS, which would end the process. The
// watch replaces the pages lost with zeros instead, so that the reading
// runs on, and notes the cut for the reader to report.
#include <cstddef>

namespace vardek::platform {

// Watches the mapping at `data` (page-aligned, `size` bytes); returns its
// watch, or -1 when every watch is taken (the mapping is then as it was).
int WatchMapping(const char* data, std::size_t size);
// Ends a watch, before the mapping is unmapped.
void EndWatch(int watch);
// True once a read of the watched mapping went past the file's end.
bool WatchedMappingWasCut(int watch);

}  // namespace vardek::platform
