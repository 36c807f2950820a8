#include "browse/name_match.h"

#include <string>

#include "catalog/line_reader.h"

namespace vardek {

char LowerAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

void LowerAscii(char* text) {
  for (; *text != '\0'; ++text) *text = LowerAsciiChar(*text);
}

std::size_t FindText(std::string_view text, std::string_view part) { return text.find(part); }

bool NameMatches(std::string_view name, std::string_view loweredSearch) {
  if (loweredSearch.empty()) return true;
  if (loweredSearch.size() > name.size()) return false;
  // Names come from lines of at most 259 characters; the stack copy covers
  // them, and anything longer takes the slow road rather than being cut.
  char lowered[kLineBufferSize];
  if (name.size() < sizeof lowered) {
    for (std::size_t i = 0; i < name.size(); ++i) lowered[i] = LowerAsciiChar(name[i]);
    return FindText(std::string_view(lowered, name.size()), loweredSearch) != std::string_view::npos;
  }
  std::string copy(name);
  for (char& c : copy) c = LowerAsciiChar(c);
  return FindText(copy, loweredSearch) != std::string_view::npos;
}

}  // namespace vardek
