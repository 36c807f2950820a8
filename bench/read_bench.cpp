// Reads a whole catalog through the catalog reader, line by line as the
// walks read it (in place where it can), and says how fast.
#include <chrono>
#include <cstdio>

#include "catalog/catalog_reader.h"
#include "catalog/line_reader.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vardek-read-bench CATALOG\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  vardek::CatalogReader reader;
  if (!reader.Map(argv[1], vardek::kLineLimit)) {
    std::fprintf(stderr, "Error opening file\n");
    return 2;
  }
  char line[vardek::kLineBufferSize];
  long lines = 0;
  unsigned long checksum = 0;
  while (reader.HasData()) {
    const std::string_view text = reader.NextLineView(line);
    ++lines;
    checksum += text.empty() ? 0u : static_cast<unsigned char>(text[0]);
  }
  const double megabytes = reader.Size() / 1e6;
  reader.Unmap();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%ld lines, %.1f MB in %.3f s: %.0f MB/s (checksum %lu)\n", lines, megabytes, seconds,
              megabytes / seconds, checksum);
  return 0;
}
