#pragma once
// Find's name match: a plain byte search in a copy of the name whose letters
// A-Z were made small. Bytes of 128 and above are compared exactly.
#include <cstddef>
#include <string_view>

namespace vardek {

inline constexpr int kSearchTextSize = 40;  // at most 39 characters typed

// Changes 'A'..'Z' to 'a'..'z' in place; every other byte stays.
void LowerAscii(char* text);
// Inline: the duplicate search folds every name of a catalog.
inline char LowerAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The position of the first occurrence of `part` in `text`, byte for byte,
// or std::string_view::npos.
std::size_t FindText(std::string_view text, std::string_view part);

// True when `loweredSearch` (already passed through LowerAscii) occurs in
// the lower-cased name. An empty search text matches every name.
bool NameMatches(std::string_view name, std::string_view loweredSearch);

// The first place in `text` where `loweredSearch` (not empty) stands in
// either case of A-Z, the way NameMatches compares; npos when none. Made for
// whole blocks of a catalog: 64 places (AVX2) or 16 are tested at a time by
// the search text's first and last characters before the rest is compared.
std::size_t FindLoweredText(std::string_view text, std::string_view loweredSearch);
// The same, 16 places at a time, for processors without AVX2.
std::size_t FindLoweredTextSse2(std::string_view text, std::string_view loweredSearch);

// True when the search text holds '*' or '?' and so is a pattern over the
// whole name rather than a part to find.
bool IsWildcardPattern(std::string_view search);

// True when the whole name fits `loweredPattern` (already passed through
// LowerAscii): '*' stands for any run of bytes, the empty one included, '?'
// for exactly one byte; every other byte compares as NameMatches compares.
bool WildcardMatches(std::string_view name, std::string_view loweredPattern);

// The longest run of the pattern without '*' or '?': any name that fits the
// pattern holds it, so a search may look ahead for it as for a plain text.
std::string_view LongestLiteralRun(std::string_view pattern);

}  // namespace vardek
