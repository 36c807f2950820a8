#pragma once
// Catalog text on its way to the user: rows and lines on standard output,
// converted from the catalogs' single-byte text to the console's.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace vardek::cli {

// Catalog text as the console shows it (UTF-8 on Linux), control characters
// shown as a caret and a letter (a tab as ^I).
std::string CatalogToNative(std::string_view catalog);

// The core's reports mix texts of two origins: paths in the platform's own
// encoding and disc descriptions in catalog text. Valid UTF-8 is taken as
// it is, anything else as catalog text; plain ASCII is the same in both.
// Control characters other than the report's own line breaks are shown as
// in catalog text.
std::string ReportToNative(const char* text);

// A path or argument (the platform's own encoding) as the console shows it:
// control characters as in catalog text; on Linux, bytes that are not UTF-8
// taken as catalog text, as in reports.
std::string NativeToShown(std::string_view native);

// Printable ASCII only: the same in every encoding, shown as it is. Inline:
// every field of every row asks it.
inline bool IsPlainText(std::string_view text) {
  // Eight bytes at a time: a byte below 0x20 sets its top bit less 0x20, one
  // of 0x7F or more its top bit plus 1 or its own. A borrow or carry into
  // the next byte needs such a byte below it, so it never makes a plain word
  // look otherwise.
  constexpr std::uint64_t kEach = 0x0101010101010101u;
  const auto plainWord = [&](std::size_t at) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, sizeof word);
    return (((word - 0x20 * kEach) | (word + kEach) | word) & (0x80 * kEach)) == 0;
  };
  if (text.size() < 8) {
    for (const char c : text) {
      if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) return false;
    }
    return true;
  }
  for (std::size_t at = 0; at + 8 < text.size(); at += 8) {
    if (!plainWord(at)) return false;
  }
  // The last eight bytes, some of them looked at already.
  return plainWord(text.size() - 8);
}

// Buffered writer for standard output: lines made piece by piece.
class RowWriter {
 public:
  RowWriter() : buffer_(own_) { buffer_.reserve(kFlushSize + 1024); }
  // Lines kept in `sink` instead of written out: a piece of the output made
  // on another thread, written in its turn. They go straight into it.
  explicit RowWriter(std::string& sink) : buffer_(sink), toSink_(true) {}
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;
  ~RowWriter() { Flush(); }

  // A line made piece by piece: text appended to Pending() is in the
  // output's encoding; EndLine ends it with `lineEnd` and counts it.
  std::string& Pending() { return buffer_; }
  void EndLine(std::string_view lineEnd) {
    buffer_.append(lineEnd);
    ++count_;
    if (!toSink_ && buffer_.size() >= kFlushSize) Flush();
  }
  void Flush();
  long Count() const { return count_; }

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;

  std::string own_;
  std::string& buffer_;  // own_, or the sink
  bool toSink_ = false;
  long count_ = 0;
};

}  // namespace vardek::cli
