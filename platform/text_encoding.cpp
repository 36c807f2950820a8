#include "platform/text_encoding.h"

#include <cstring>

namespace vardek::platform {

namespace {

struct Utf8Lead {
  unsigned char first;       // lead bytes first..last
  unsigned char last;
  std::size_t length;
  unsigned char secondLow;   // the range of the byte after the lead, which
  unsigned char secondHigh;  // rules out overlong forms and surrogates
};

// The well-formed sequences of UTF-8 by their lead byte.
constexpr Utf8Lead kLeads[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  for (const Utf8Lead& form : kLeads) {
    if (lead < form.first || lead > form.last) continue;
    if (text.size() < form.length) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < form.secondLow || second > form.secondHigh) return 0;
    for (std::size_t i = 2; i < form.length; ++i)
      if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 0;
    return form.length;
  }
  return 0;
}

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = Utf8CharacterLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::string ToCatalogName(const std::string& native) {
  std::string name = ToCatalogText(native);
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::strchr("<>:\"/\\|?*", c) != nullptr) c = '?';
  }
  return name;
}

}  // namespace vardek::platform
