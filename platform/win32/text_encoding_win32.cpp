#include "platform/text_encoding.h"

#include <string>

#include "platform/win32/windows_min.h"

namespace vardek::platform {

namespace {

// Through UTF-16: the ANSI code page has no direct way to UTF-8.
std::string AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty()) return ansi;
  const int size = static_cast<int>(ansi.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  if (wideLength <= 0) return std::string();
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace

// The ANSI interface already hands out catalog text.
std::string ToCatalogText(const std::string& native) { return native; }
std::string FromCatalogText(const std::string& catalog) { return catalog; }

// Paths and catalogs share the ANSI code page.
std::string CatalogToUtf8(const std::string& catalog) { return AnsiToUtf8(catalog); }
std::string NativeToUtf8(const std::string& native) { return AnsiToUtf8(native); }

}  // namespace vardek::platform
