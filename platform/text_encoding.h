#pragma once
// Catalogs hold single-byte text. On Windows that is the ANSI code page and
// nothing needs converting; on Linux the terminal and file system speak
// UTF-8, and catalog text is Windows-1252.
#include <cstddef>
#include <string>
#include <string_view>

namespace vardek::platform {

// Characters Windows-1252 cannot hold become "?", one for each character; a
// byte that does not decode as UTF-8 becomes one "?" of its own, and decoding
// goes on at the byte after it.
std::string ToCatalogText(const std::string& native);
std::string FromCatalogText(const std::string& catalog);

// A Linux (UTF-8) file name as catalog text, where what a Windows name
// cannot hold (control characters, <>:"/\|?*) is also shown as "?", as Wine
// shows it: a catalog line is never split, nor a separator hidden, by a name.
std::string ToCatalogName(const std::string& native);
// UTF-8 whatever the console speaks, for output that must be UTF-8 (JSON):
// catalog text from the catalog code page, and a path or argument from the
// platform's own encoding (on Linux UTF-8 already; bytes that are not are
// taken as catalog text, as the reports take them).
std::string CatalogToUtf8(const std::string& catalog);
std::string NativeToUtf8(const std::string& native);

// The length (1 to 4) of the UTF-8 character at the start of `text`, or 0
// when its bytes are not one: a stray or cut sequence, an overlong form, a
// surrogate or a code point above U+10FFFF.
std::size_t Utf8CharacterLength(std::string_view text);
bool IsValidUtf8(std::string_view text);

}  // namespace vardek::platform
