#include "platform/posix/cut_mapping_posix.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>

namespace vardek::platform {

namespace {

// A command maps a catalog for each core and one whole at most; the rest
// go unwatched.
constexpr int kWatches = 64;

// Read by the signal handler: lock-free atomics alone.
struct Watch {
  std::atomic<bool> taken{false};
  std::atomic<const char*> data{nullptr};  // published last, cleared first
  std::atomic<std::size_t> size{0};
  std::atomic<bool> cut{false};
};

Watch g_watches[kWatches];
struct sigaction g_before {};
std::size_t g_pageSize = 4096;

// The action there was before ours, for a bus error that is not a cut
// catalog's: its handler, or the default action once the read is tried
// again.
void PassOn(int signal, siginfo_t* info, void* context) {
  if ((g_before.sa_flags & SA_SIGINFO) != 0 && g_before.sa_sigaction != nullptr) {
    g_before.sa_sigaction(signal, info, context);
    return;
  }
  if (g_before.sa_handler != SIG_DFL && g_before.sa_handler != SIG_IGN) {
    g_before.sa_handler(signal);
    return;
  }
  struct sigaction plain {};
  plain.sa_handler = SIG_DFL;
  sigaction(SIGBUS, &plain, nullptr);
}

void OnBusError(int signal, siginfo_t* info, void* context) {
  const char* at = static_cast<const char*>(info->si_addr);
  for (Watch& watch : g_watches) {
    const char* data = watch.data.load(std::memory_order_acquire);
    const std::size_t size = watch.size.load(std::memory_order_relaxed);
    if (data == nullptr || at < data || at >= data + size) continue;
    // From the page read to the end of the mapping, the file's bytes are
    // gone: zeros take their place, read-only as the mapping was.
    const std::size_t from = static_cast<std::size_t>(at - data) / g_pageSize * g_pageSize;
    const std::size_t mapped = (size + g_pageSize - 1) / g_pageSize * g_pageSize;
    void* zeros = mmap(const_cast<char*>(data) + from, mapped - from, PROT_READ,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros == MAP_FAILED) break;
    watch.cut.store(true, std::memory_order_release);
    return;
  }
  PassOn(signal, info, context);
}

void InstallOnce() {
  static const bool installed = [] {
    const long page = sysconf(_SC_PAGESIZE);
    if (page > 0) g_pageSize = static_cast<std::size_t>(page);
    struct sigaction ours {};
    ours.sa_sigaction = OnBusError;
    ours.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&ours.sa_mask);
    return sigaction(SIGBUS, &ours, &g_before) == 0;
  }();
  (void)installed;
}

}  // namespace

int WatchMapping(const char* data, std::size_t size) {
  InstallOnce();
  for (int index = 0; index < kWatches; ++index) {
    Watch& watch = g_watches[index];
    bool free = false;
    if (!watch.taken.compare_exchange_strong(free, true)) continue;
    watch.size.store(size, std::memory_order_relaxed);
    watch.cut.store(false, std::memory_order_relaxed);
    watch.data.store(data, std::memory_order_release);
    return index;
  }
  return -1;
}

void EndWatch(int watch) {
  if (watch < 0) return;
  g_watches[watch].data.store(nullptr, std::memory_order_release);
  g_watches[watch].taken.store(false, std::memory_order_release);
}

bool WatchedMappingWasCut(int watch) {
  return watch >= 0 && g_watches[watch].cut.load(std::memory_order_acquire);
}

}  // namespace vardek::platform
