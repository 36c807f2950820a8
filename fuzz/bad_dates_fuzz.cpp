// The bad-date scan over arbitrary catalog text, in both separator rules.
#include <cstdint>
#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "maintenance/bad_dates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vardek::fuzz::FuzzCatalog catalog("bad_dates");
  if (!catalog.Write({reinterpret_cast<const char*>(data), size})) return 0;
  for (const bool newFormat : {true, false}) {
    vardek::fuzz::QuietReporter reporter;
    vardek::ResultList list;
    if (!list.Reset()) return 0;
    vardek::CatalogReader reader;
    int percent = 0;
    const vardek::BadDateResult result =
        vardek::FindBadDates(reader, catalog.Path(), newFormat, list, reporter, [&] { percent = reader.PercentRead(); });
    if (percent < 0 || percent > 100 || result.lineCount < 0) std::abort();
    for (int i = 0; i < list.Count(); ++i) {
      const vardek::ResultRow& row = list.Row(i);
      if (std::strlen(list.Name(row)) + std::strlen(list.Folder(row)) + std::strlen(list.Title(row)) > size + 100000)
        std::abort();
    }
  }
  return 0;
}
