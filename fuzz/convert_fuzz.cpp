// The old-format conversion: line by line, and the whole file through the temp file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalog/convert.h"
#include "catalog/line_reader.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vardek::fuzz::FuzzCatalog catalog("convert");
  const char* cursor = reinterpret_cast<const char*>(data);
  const char* end = cursor + size;
  char line[vardek::kLineBufferSize];
  std::string converted;
  while (cursor < end) {
    bool cut = false;
    vardek::ReadLine(cursor, end, line, vardek::kConversionLineLimit, cut);
    if (vardek::ConvertLine(line, converted) && converted.size() > std::strlen(line) + 9) std::abort();
  }
  if (!catalog.Write({reinterpret_cast<const char*>(data), size})) return 0;
  vardek::fuzz::QuietReporter reporter;
  if (vardek::ConvertCatalog(catalog.Path(), reporter) == vardek::ChangeOutcome::Replaced) {
    // The converted text has only CR LF line ends.
    const std::string result = catalog.Read();
    for (std::size_t i = 0; i < result.size(); ++i) {
      if (result[i] == '\n' && (i == 0 || result[i - 1] != '\r')) std::abort();
      if (result[i] == '\r' && (i + 1 >= result.size() || result[i + 1] != '\n')) std::abort();
    }
  }
  return 0;
}
