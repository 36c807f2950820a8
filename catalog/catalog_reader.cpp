#include "catalog/catalog_reader.h"

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"

namespace vardek {

bool CatalogReader::Map(const char* path, int lineLimit) {
  Unmap();
  if (!platform::MapWholeFile(path, view_)) return false;
  cursor_ = view_.data;
  end_ = view_.data + view_.size;
  newFormat_ = IsNewFormat(view_.data, view_.size);
  lineLimit_ = lineLimit;
  cut_ = false;
  return true;
}

void CatalogReader::Unmap() {
  if (view_.data != nullptr) platform::UnmapWholeFile(view_);
  cursor_ = end_ = nullptr;
}

std::size_t CatalogReader::NextLine(char* buffer) {
  return ReadLine(cursor_, end_, buffer, lineLimit_, cut_);
}

int CatalogReader::PercentRead() const {
  if (view_.size == 0) return 0;
  const auto read = static_cast<unsigned long long>(cursor_ - view_.data);
  return static_cast<int>(read * 100 / view_.size);
}

}  // namespace vardek
