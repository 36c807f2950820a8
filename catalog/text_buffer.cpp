#include "catalog/text_buffer.h"

#include <cstdlib>
#include <cstring>

#include "catalog/line_reader.h"
#include "platform/files.h"

namespace vardek {

bool TextBuffer::Start(std::uint32_t startSize, std::uint32_t growthStep) {
  Release();
  block_ = static_cast<char*>(std::malloc(startSize == 0 ? 1 : startSize));
  if (block_ == nullptr) return false;
  block_[0] = '\0';
  used_ = 0;
  error_ = false;
  capacity_ = startSize == 0 ? 1 : startSize;
  growthStep_ = growthStep == 0 ? 1 : growthStep;
  return true;
}

// Grows by as many whole steps as the piece needs, so that a piece longer
// than one step never lands behind the block.
bool TextBuffer::Grow(std::uint64_t needed) {
  std::uint64_t capacity = capacity_;
  while (capacity < needed) capacity += growthStep_;
  if (capacity > 0xFFFFFFFFull) return false;
  char* grown = static_cast<char*>(std::realloc(block_, static_cast<std::size_t>(capacity)));
  if (grown == nullptr) return false;
  block_ = grown;
  capacity_ = static_cast<std::uint32_t>(capacity);
  return true;
}

void TextBuffer::Append(std::string_view text) {
  if (block_ == nullptr) {
    error_ = true;
    return;
  }
  const std::uint64_t needed = std::uint64_t{used_} + text.size() + 1;
  if (needed > capacity_ && !Grow(needed)) {
    error_ = true;
    return;
  }
  std::memcpy(block_ + used_, text.data(), text.size());
  used_ += static_cast<std::uint32_t>(text.size());
  block_[used_] = '\0';
}

bool TextBuffer::SaveToFile(const char* path) const {
  return platform::WriteNewFile(path, block_ == nullptr ? "" : block_, used_);
}

void TextBuffer::Release() {
  std::free(block_);
  block_ = nullptr;
  cursor_ = end_ = nullptr;
  capacity_ = used_ = 0;
}

bool TextBuffer::ReadWholeFile(const char* path, std::uint32_t extra) {
  Release();
  char* block = nullptr;
  std::uint32_t size = 0;
  if (!platform::ReadWholeFile(path, extra, block, size)) return false;
  block_ = block;
  capacity_ = size + extra;
  used_ = size;
  cursor_ = block_;
  end_ = block_ + size;
  cut_ = false;
  return true;
}

std::size_t TextBuffer::NextLine(char* buffer) {
  return ReadLine(cursor_, end_, buffer, lineLimit_, cut_);
}

}  // namespace vardek
