#include "catalog/folder_path.h"

#include <cstring>

namespace vardek {

bool FolderPath::Enter(std::string_view folderLine) {
  if (folderLine.size() >= kFolderPathCapacity - length_) return false;
  std::memcpy(text_ + length_, folderLine.data(), folderLine.size());
  length_ += folderLine.size();
  text_[length_] = '\0';
  return true;
}

void FolderPath::Leave() {
  while (length_ > 0 && text_[length_ - 1] != '\\') --length_;
  if (length_ > 0) --length_;
  text_[length_] = '\0';
}

void FolderPath::Clear() {
  length_ = 0;
  text_[0] = '\0';
}

}  // namespace vardek
