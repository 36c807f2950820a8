// Removing titles by description from arbitrary catalog text. The first
// input line is the description.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "maintenance/delete_title.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vardek::fuzz::FuzzCatalog catalog("delete");
  std::string description;
  std::string_view content;
  vardek::fuzz::SplitInput(data, size, description, content);
  description = description.substr(0, description.find('\0'));
  if (!catalog.Write(content)) return 0;
  vardek::fuzz::QuietReporter reporter;
  vardek::CatalogReader reader;
  int removed = -1;
  if (vardek::DeleteTitleFromCatalog(reader, catalog.Path(), description.c_str(), reporter, &removed) ==
      vardek::ChangeOutcome::Replaced) {
    if (removed < 0) std::abort();
    // The rewrite never adds text beyond the CR of each line end.
    const std::string result = catalog.Read();
    if (result.size() > content.size() * 2 + 2) std::abort();
  }
  return 0;
}
