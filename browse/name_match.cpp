#include "browse/name_match.h"

#include <cstring>

namespace vardek {

char LowerAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

void LowerAscii(char* text) {
  for (; *text != '\0'; ++text) *text = LowerAsciiChar(*text);
}

std::size_t FindText(std::string_view text, std::string_view part) { return text.find(part); }

namespace {

// The earliest place at or after `from` where the first search character
// stands, in either case.
const char* NextCandidate(const char* from, std::size_t room, char first, char firstCapital) {
  const char* small = static_cast<const char*>(std::memchr(from, first, room));
  if (firstCapital == first) return small;
  const std::size_t capitalRoom = small == nullptr ? room : static_cast<std::size_t>(small - from);
  const char* capital = static_cast<const char*>(std::memchr(from, firstCapital, capitalRoom));
  return capital != nullptr ? capital : small;
}

bool RestMatches(const char* at, std::string_view rest) {
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (LowerAsciiChar(at[i]) != rest[i]) return false;
  }
  return true;
}

}  // namespace

// The same result as searching a lower-cased copy of the name, without
// making the copy: candidates are found by their first character in either
// case and the rest is compared with A-Z made small.
bool NameMatches(std::string_view name, std::string_view loweredSearch) {
  if (loweredSearch.empty()) return true;
  if (loweredSearch.size() > name.size()) return false;
  const char first = loweredSearch[0];
  const char firstCapital = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 'a' + 'A') : first;
  const std::string_view rest = loweredSearch.substr(1);
  const char* from = name.data();
  const char* last = name.data() + (name.size() - loweredSearch.size());
  while (from <= last) {
    const char* at = NextCandidate(from, static_cast<std::size_t>(last - from) + 1, first, firstCapital);
    if (at == nullptr) return false;
    if (RestMatches(at + 1, rest)) return true;
    from = at + 1;
  }
  return false;
}

}  // namespace vardek
