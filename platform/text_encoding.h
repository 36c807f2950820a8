#pragma once
// Catalogs hold single-byte text. On Windows that is the ANSI code page and
// nothing needs converting; on Linux the terminal and file system speak
// UTF-8, and catalog text is Windows-1252.
#include <string>

namespace vardek::platform {

// Characters Windows-1252 cannot hold become "?".
std::string ToCatalogText(const std::string& native);
std::string FromCatalogText(const std::string& catalog);

}  // namespace vardek::platform
