// Holds a change of a catalog, for the tests that run two programs on one
// catalog at once: begins a change, writes READY_FILE, waits until
// RELEASE_FILE appears (or SECONDS have passed) and ends the change without
// touching the catalog. The same source is built for Linux and for Windows,
// so that each side can hold while the other one tries.
// Usage: vardek_hold_change CATALOG READY_FILE RELEASE_FILE [SECONDS]
// Exit status: 0 held and let go, 1 the change did not begin, 2 usage,
// 3 released by the time limit, not by RELEASE_FILE.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "catalog/catalog_files.h"
#include "catalog/reporter.h"
#include "platform/files.h"

namespace {

class PrintingReporter : public vardek::Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override { std::fprintf(stderr, "%s: %s\n", caption, text); }
  void InfoBox(const char* text, const char* caption) override { std::fprintf(stderr, "%s: %s\n", caption, text); }
  void Status(int, const char*) override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::fprintf(stderr, "Usage: vardek_hold_change CATALOG READY_FILE RELEASE_FILE [SECONDS]\n");
    return 2;
  }
  const int seconds = argc == 5 ? std::atoi(argv[4]) : 30;
  PrintingReporter reporter;
  vardek::CatalogChange change(reporter);
  if (change.Begin(argv[1]) != vardek::ChangeOutcome::Ready) return 1;
  if (!vardek::platform::WriteNewFile(argv[2], "held\n", 5)) return 1;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!vardek::platform::FileExists(argv[3])) {
    if (std::chrono::steady_clock::now() >= deadline) return 3;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return 0;  // the change ends here: its temp file goes, the catalog stays as it was
}
