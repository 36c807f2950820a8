#include "cli/output.h"

#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

#ifndef _WIN32
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0x80) return false;
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}
#endif

}  // namespace

std::string CatalogToNative(std::string_view catalog) {
  if (IsAscii(catalog)) return std::string(catalog);
  return platform::FromCatalogText(std::string(catalog));
}

std::string ReportToNative(const char* text) {
  const std::string_view view(text);
#ifdef _WIN32
  return std::string(view);  // paths and catalogs share the ANSI code page
#else
  if (IsValidUtf8(view)) return std::string(view);
  return platform::FromCatalogText(std::string(view));
#endif
}

void RowWriter::AppendCatalog(std::string_view text) {
  // Most names are ASCII; only the rest needs the converter.
  if (IsAscii(text)) buffer_.append(text);
  else buffer_ += platform::FromCatalogText(std::string(text));
}

void RowWriter::Row(std::string_view name, std::string_view dateText, std::string_view folder,
                    std::string_view title) {
  AppendCatalog(name);
  buffer_ += '\t';
  AppendCatalog(dateText);
  buffer_ += '\t';
  AppendCatalog(folder);
  buffer_ += '\t';
  AppendCatalog(title);
  Written();
}

void RowWriter::Line(std::string_view catalogText) {
  AppendCatalog(catalogText);
  Written();
}

void RowWriter::NativeLine(std::string_view text) {
  buffer_.append(text);
  Written();
}

void RowWriter::Written() {
  buffer_ += '\n';
  ++count_;
  if (buffer_.size() >= kFlushSize) Flush();
}

void RowWriter::Flush() {
  if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
  buffer_.clear();
  std::fflush(stdout);
}

}  // namespace vardek::cli
