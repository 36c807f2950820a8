#include "catalog/catalog_reader.h"

#include <cstring>

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"

namespace vardek {

bool CatalogReader::Map(const char* path, int lineLimit) {
  Unmap();
  if (!platform::MapWholeFile(path, view_)) return false;
  lines_.Start(view_.data, view_.data + view_.size, lineLimit);
  newFormat_ = IsNewFormat(view_.data, view_.size);
  lineLimit_ = lineLimit;
  cut_ = false;
  return true;
}

void CatalogReader::Share(const CatalogReader& mapped, int lineLimit) {
  Unmap();
  view_ = mapped.view_;
  shared_ = true;
  lines_.Start(view_.data, view_.data + view_.size, lineLimit);
  newFormat_ = mapped.newFormat_;
  lineLimit_ = lineLimit;
  cut_ = false;
}

void CatalogReader::Unmap() {
  if (view_.data != nullptr && !shared_) platform::UnmapWholeFile(view_);
  view_ = platform::MappedView{};
  shared_ = false;
  lines_.Start(nullptr, nullptr, lineLimit_);
}

std::size_t CatalogReader::NextLine(char* buffer) {
  const std::string_view line = NextLineView(buffer);
  if (line.data() != buffer) {
    std::memcpy(buffer, line.data(), line.size());
    buffer[line.size()] = '\0';
  }
  return line.size();
}

std::string_view CatalogReader::NextLineView(char* scratch) { return lines_.Next(scratch, cut_); }

int CatalogReader::PercentRead() const {
  if (view_.size == 0) return 0;
  const auto read = static_cast<unsigned long long>(lines_.Cursor() - view_.data);
  return static_cast<int>(read * 100 / view_.size);
}

}  // namespace vardek
