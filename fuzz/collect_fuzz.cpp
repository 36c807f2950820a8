// CollectFiles (browse and search mode) and CollectFolders over arbitrary
// catalog text. The first input line is the description or search text; a
// small row limit makes the row array's growth fail now and then.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "browse/collect.h"
#include "browse/name_match.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vardek::fuzz::FuzzCatalog catalog("collect");
  std::string parameter;
  std::string_view content;
  vardek::fuzz::SplitInput(data, size, parameter, content);
  if (!catalog.Write(content)) return 0;
  const std::string description = parameter.substr(0, parameter.find('\0'));
  char searchText[vardek::kSearchTextSize] = {};
  std::strncpy(searchText, description.c_str(), sizeof searchText - 1);
  vardek::LowerAscii(searchText);
  for (int pass = 0; pass < 3; ++pass) {
    vardek::fuzz::QuietReporter reporter;
    vardek::ResultList list;
    list.SetRowLimit(10000 + static_cast<std::uint32_t>(size % 3) * 2000);
    if (!list.Reset()) return 0;
    vardek::CatalogReader reader;
    if (pass == 0) vardek::CollectFiles(reader, catalog.Path(), description.empty() ? "x" : description.c_str(), "", list, reporter);
    if (pass == 1 && searchText[0] != '\0') vardek::CollectFiles(reader, catalog.Path(), "", searchText, list, reporter);
    if (pass == 2 && searchText[0] != '\0') vardek::CollectFolders(reader, catalog.Path(), searchText, list, reporter);
    // Every row's texts are readable and terminated.
    std::size_t total = 0;
    for (int i = 0; i < list.Count() && list.Usable(); ++i) {
      const vardek::ResultRow& row = list.Row(i);
      total += std::strlen(list.Name(row)) + std::strlen(list.Folder(row)) + std::strlen(list.Title(row)) +
               strnlen(list.Date(row).text, vardek::kRowDateSize);
      if (strnlen(list.Date(row).text, vardek::kRowDateSize) == vardek::kRowDateSize) std::abort();
    }
    if (total > size * 64 + 1000000) std::abort();
  }
  return 0;
}
