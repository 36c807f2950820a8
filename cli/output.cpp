#include "cli/output.h"

#include <cstdint>
#include <cstring>

#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Control characters as a caret and a letter (a tab shows as ^I, ESC as ^[,
// DEL as ^?), so that none splits the tab-separated fields or drives the
// terminal. A line break stays where `keepLineBreaks` is set: a report's
// lines are its own.
std::string ShowControls(std::string_view text, bool keepLineBreaks) {
  std::string shown;
  shown.reserve(text.size() + 8);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!IsControl(byte) || (keepLineBreaks && c == '\n')) {
      shown += c;
      continue;
    }
    shown += '^';
    shown += byte == 0x7F ? '?' : static_cast<char>(byte + 0x40);
  }
  return shown;
}

// Text in the platform's own encoding, control characters shown.
std::string ShownNative(std::string_view text, bool keepLineBreaks) {
  const std::string shown = ShowControls(text, keepLineBreaks);
#ifdef _WIN32
  return shown;  // paths and catalogs share the ANSI code page
#else
  if (platform::IsValidUtf8(shown)) return shown;
  return platform::FromCatalogText(shown);
#endif
}

}  // namespace

std::string CatalogToNative(std::string_view catalog) {
  if (IsPlainText(catalog)) return std::string(catalog);
  const std::string shown = ShowControls(catalog, false);
  // Most names are ASCII; only the rest needs the converter.
  if (IsAscii(shown)) return shown;
  return platform::FromCatalogText(shown);
}

std::string ReportToNative(const char* text) { return ShownNative(text, true); }

std::string NativeToShown(std::string_view native) {
  if (IsPlainText(native)) return std::string(native);
  return ShownNative(native, false);
}

void RowWriter::Flush() {
  if (toSink_) return;
  if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
  buffer_.clear();
  std::fflush(stdout);
}

}  // namespace vardek::cli
