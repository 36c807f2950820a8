#include "scan/recorded_order.h"

namespace vardek {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

char PlainCharacter(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') return c;
  return '_';
}

}  // namespace

bool RecordedBefore(std::string_view a, std::string_view b) { return a < b; }

std::string PlainNameOf(std::string_view name) {
  const std::size_t lastDot = name.rfind('.');
  std::string plain;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (IsContinuationByte(name[i])) continue;
    plain += i == lastDot ? '.' : PlainCharacter(name[i]);
  }
  if (lastDot == std::string_view::npos) plain += '.';
  return plain;
}

}  // namespace vardek
