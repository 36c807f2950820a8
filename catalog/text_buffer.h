#pragma once
// A growable zero-terminated byte buffer. The write side builds catalog text
// to be saved in one write; the read side holds a whole file and hands it out
// line by line.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vardek {

class TextBuffer {
 public:
  TextBuffer() = default;
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;
  ~TextBuffer() { Release(); }

  // Write side.
  bool Start(std::uint32_t startSize, std::uint32_t growthStep);
  // Adds the text behind what is held; on lack of memory the error flag is
  // set and the text held so far stays intact.
  void Append(std::string_view text);
  bool SaveToFile(const char* path) const;
  void Release();

  // Read side.
  void SetLineLimit(int limit) { lineLimit_ = limit; }
  bool ReadWholeFile(const char* path, std::uint32_t extra);
  bool HasData() const { return cursor_ < end_; }
  // Reads the next line into `buffer` (at least the line limit in bytes).
  // Returns the line's length.
  std::size_t NextLine(char* buffer);

  bool Cut() const { return cut_; }
  bool Failed() const { return error_; }
  const char* Text() const { return block_; }
  std::uint32_t Used() const { return used_; }
  std::uint32_t Capacity() const { return capacity_; }

 private:
  bool Grow(std::uint64_t needed);

  char* block_ = nullptr;
  const char* cursor_ = nullptr;
  const char* end_ = nullptr;
  std::uint32_t capacity_ = 0;
  std::uint32_t used_ = 0;
  bool cut_ = false;
  int lineLimit_ = 260;
  bool error_ = false;
  std::uint32_t growthStep_ = 0;
};

}  // namespace vardek
