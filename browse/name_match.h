#pragma once
// Find's name match: a plain byte search in a copy of the name whose letters
// A-Z were made small. Bytes of 128 and above are compared exactly.
#include <cstddef>
#include <string_view>

namespace vardek {

inline constexpr int kSearchTextSize = 40;  // at most 39 characters typed

// Changes 'A'..'Z' to 'a'..'z' in place; every other byte stays.
void LowerAscii(char* text);
char LowerAsciiChar(char c);

// The position of the first occurrence of `part` in `text`, byte for byte,
// or std::string_view::npos.
std::size_t FindText(std::string_view text, std::string_view part);

// True when `loweredSearch` (already passed through LowerAscii) occurs in
// the lower-cased name. An empty search text matches every name.
bool NameMatches(std::string_view name, std::string_view loweredSearch);

}  // namespace vardek
