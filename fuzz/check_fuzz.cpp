// The catalog check over arbitrary catalog text, in both separator rules.
#include <cstdint>
#include <initializer_list>
#include <cstdlib>

#include "catalog/catalog_check.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vardek::fuzz::FuzzCatalog catalog("check");
  if (!catalog.Write({reinterpret_cast<const char*>(data), size})) return 0;
  for (const bool newFormat : {true, false}) {
    vardek::fuzz::QuietReporter reporter;
    vardek::CatalogReader reader;
    int percent = 0;
    const vardek::CheckResult result = vardek::CheckCatalog(reader, catalog.Path(), newFormat, reporter,
                                                            [&] { percent = reader.PercentRead(); });
    if (percent < 0 || percent > 100 || result.fileCount < 0 || result.lineNumber < 0) std::abort();
    if (reader.IsMapped()) std::abort();  // mapped only during the call
  }
  return 0;
}
