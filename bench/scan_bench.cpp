// Scans a folder tree into a temp file exactly as a disc scan does.
#include <cstdio>
#include <string>

#include "catalog/catalog_format.h"
#include "catalog/reporter.h"
#include "platform/directory.h"
#include "scan/title_writer.h"

namespace {

class PrintingReporter : public vardek::Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override { std::fprintf(stderr, "%s: %s\n", caption, text); }
  void InfoBox(const char* text, const char* caption) override { ErrorBox(text, caption); }
  void Status(int, const char*) override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vardek-scan-bench FOLDER TEMPFILE\n");
    return 2;
  }
  std::string root = argv[1];
  if (root.empty() || root.back() != vardek::platform::kPathSeparator) root += vardek::platform::kPathSeparator;
  static vardek::TitleWriter writer;  // one writer for the run, as in the program
  PrintingReporter reporter;
  writer.Begin("Benchmark disc");
  writer.WalkDisc(root.c_str());
  const vardek::ScanOutcome outcome = writer.Finish(argv[2], reporter);
  std::printf("%d files\n", writer.FileCount());
  return outcome == vardek::ScanOutcome::Saved ? 0 : 1;
}
