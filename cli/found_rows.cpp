#include "cli/found_rows.h"

#include <cstdint>
#include <functional>
#include <unordered_map>

namespace vardek::cli {

namespace {

// The rows of one list added to another; false when it took no more.
bool TakeRows(const ResultList& from, ResultList& list) {
  std::unordered_map<std::uint32_t, std::uint32_t> folderOffsets;
  std::unordered_map<std::uint32_t, std::uint32_t> titleOffsets;
  const auto moved = [](std::unordered_map<std::uint32_t, std::uint32_t>& offsets, std::uint32_t offset,
                        const std::function<std::uint32_t()>& add) {
    const auto found = offsets.find(offset);
    if (found != offsets.end()) return found->second;
    return offsets[offset] = add();
  };
  for (int i = 0; i < from.Count(); ++i) {
    const ResultRow& row = from.Row(i);
    const std::uint32_t folder =
        moved(folderOffsets, row.folderOffset, [&] { return list.AddFolder(from.Folder(row)); });
    const std::uint32_t title = moved(titleOffsets, row.titleOffset, [&] { return list.AddTitle(from.Title(row)); });
    if (!list.AddRow(from.Name(row), from.Date(row).text, folder, title)) return false;
  }
  return true;
}

}  // namespace

ResultList* FoundRows::Add(const std::string& catalog) {
  auto list = std::make_unique<ResultList>();
  if (!list->Reset()) return nullptr;
  ResultList* added = list.get();
  Add(std::move(list), catalog);
  return added;
}

void FoundRows::Add(std::unique_ptr<ResultList> list, const std::string& catalog) {
  lists_.push_back({std::move(list), catalog});
}

void FoundRows::DropFrom(std::size_t first) {
  if (first < lists_.size()) lists_.erase(lists_.begin() + static_cast<std::ptrdiff_t>(first), lists_.end());
}

int FoundRows::Count() const {
  int count = 0;
  for (const Found& found : lists_) count += found.list->Count();
  return count;
}

bool TakeFoundRows(const FoundRows& found, ResultList& list, RowCatalogs& catalogs) {
  for (std::size_t i = 0; i < found.Size(); ++i) {
    catalogs.Begin(list.Count(), found.Catalog(i));
    if (!TakeRows(found.List(i), list)) return false;
  }
  return true;
}

}  // namespace vardek::cli
