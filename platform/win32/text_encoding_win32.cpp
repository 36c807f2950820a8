#include "platform/text_encoding.h"

#include "platform/win32/windows_min.h"

namespace vardek::platform {

// The ANSI interface already hands out catalog text.
std::string ToCatalogText(const std::string& native) { return native; }
std::string FromCatalogText(const std::string& catalog) { return catalog; }

std::string CatalogTextToUtf8(const std::string& catalog) {
  if (catalog.empty()) return catalog;
  const int size = static_cast<int>(catalog.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, catalog.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, catalog.data(), size, text.data(), wide);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

// Paths speak the ANSI code page, as catalogs do.
std::string NativeTextToUtf8(const std::string& native) { return CatalogTextToUtf8(native); }

}  // namespace vardek::platform
