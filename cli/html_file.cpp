#include "cli/html_file.h"

#include "catalog/catalog_format.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

constexpr std::size_t kWriteSize = 4u << 20;

std::string ShownControls(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
      continue;
    }
    shown += '^';
    shown += byte == 0x7F ? '?' : static_cast<char>(byte + 0x40);
  }
  return shown;
}

// UTF-8 keeps every byte of a multi-byte character above 0x7F, so escaping
// after the conversion touches only the ASCII characters.
std::string Escaped(const std::string& utf8) {
  std::string html;
  html.reserve(utf8.size() + 16);
  for (const char c : utf8) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      case '\'': html += "&#39;"; break;
      default: html += c;
    }
  }
  return html;
}

}  // namespace

std::string HtmlText(std::string_view catalogText) {
  return Escaped(platform::CatalogToUtf8(ShownControls(catalogText)));
}

std::string HtmlNativeText(const std::string& nativeText) {
  return Escaped(platform::NativeToUtf8(ShownControls(nativeText)));
}

HtmlFile::HtmlFile(std::string path) : path_(std::move(path)), tempPath_(path_ + kTempExtension) {
  buffer_.reserve(kWriteSize + 4096);
}

HtmlFile::~HtmlFile() {
  if (started_ && !finished_) platform::DeleteFileAt(tempPath_.c_str());
}

void HtmlFile::Add(std::string_view html) {
  buffer_.append(html);
  if (buffer_.size() >= kWriteSize) Write();
}

void HtmlFile::Write() {
  if (!failed_) {
    failed_ = !(started_ ? platform::AppendToFile(tempPath_.c_str(), buffer_.data(), buffer_.size())
                         : platform::WriteNewFile(tempPath_.c_str(), buffer_.data(), buffer_.size()));
    started_ = true;
  }
  buffer_.clear();
}

bool HtmlFile::Finish() {
  Write();
  if (failed_ || !platform::ReplaceFileWith(tempPath_.c_str(), path_.c_str())) return false;
  finished_ = true;
  return true;
}

}  // namespace vardek::cli
