#pragma once
// Catalog text on its way to the user: rows and lines on standard output,
// converted from the catalogs' single-byte text to the console's.
#include <cstdio>
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

// Printable ASCII only: the same in every encoding, shown as it is.
bool IsPlainText(std::string_view text);

// Buffered writer for standard output; rows are tab-separated fields.
class RowWriter {
 public:
  RowWriter() : buffer_(own_) { buffer_.reserve(kFlushSize + 1024); }
  // Lines kept in `sink` instead of written out: a piece of the output made
  // on another thread, written in its turn. They go straight into it.
  explicit RowWriter(std::string& sink) : buffer_(sink), toSink_(true) {}
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;
  ~RowWriter() { Flush(); }

  // The folder and the disc description come already in the console's
  // encoding (CatalogToNative): many rows share them.
  void Row(std::string_view name, std::string_view dateText, std::string_view shownFolder,
           std::string_view shownTitle);
  void Line(std::string_view catalogText);
  // Text already in the console's encoding.
  void NativeLine(std::string_view text);
  // A line made piece by piece: text appended to Pending() is in the
  // output's encoding; EndLine ends it with `lineEnd` and counts it.
  std::string& Pending() { return buffer_; }
  void EndLine(std::string_view lineEnd);
  void Flush();
  long Count() const { return count_; }

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  void AppendCatalog(std::string_view text);

  std::string own_;
  std::string& buffer_;  // own_, or the sink
  bool toSink_ = false;
  long count_ = 0;
};

}  // namespace vardek::cli
