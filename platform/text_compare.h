#pragma once
// Text comparison in the user's locale for sorting. On Windows these are
// lstrcmpiA and lstrcmpA. Elsewhere the text is Windows-1252 and is compared
// in three steps: first by letters with their accents and case removed
// (symbols before digits before letters, hyphens and apostrophes ignored),
// then by accents, then by the hyphens and apostrophes; the case-sensitive
// form finally puts a small letter before its capital. So a, B, c sort in
// that order, and e, é, f too.

#include <compare>
#include <cstdint>
#include <string>

namespace vardek::platform {

// The small form of a Windows-1252 capital (A-Z, the accented capitals,
// Š Œ Ž Ÿ); every other byte stays as it is.
constexpr unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);
  if (c == 0x9F) return 0xFF;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  return c;
}

// Negative, 0 or positive; 0 only when the texts differ at most in case.
int CompareTextNoCase(const char* a, const char* b);
// Negative, 0 or positive; 0 only when the texts are equal.
int CompareText(const char* a, const char* b);

// A key worked out once per text for sorting many: where the keys of two
// texts differ, their order is CompareTextNoCase's; equal keys say nothing
// (the texts are then compared). Windows keys are all equal.
struct SortPrefix {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  auto operator<=>(const SortPrefix&) const = default;
};
SortPrefix SortPrefixNoCase(const char* text);

// Appends the locale's full sort key of a text to `keys`: two texts' keys
// compare byte for byte (as std::string does) in CompareTextNoCase's order.
// False, appending nothing, where the platform gives no such key (the texts
// are then compared).
bool AppendSortKeyNoCase(const char* text, std::string& keys);

}  // namespace vardek::platform
