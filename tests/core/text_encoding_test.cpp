#include <gtest/gtest.h>

#include <string>

#include "platform/text_encoding.h"

namespace vardek::platform {
namespace {

TEST(Utf8Check, TakesOnlyWellFormedCharacters) {
  const struct {
    const char* bytes;
    std::size_t length;  // of the first character; 0: not one
  } cases[] = {
      {"a", 1},
      {"\xC3\xA9", 2},          // e acute
      {"\xE2\x82\xAC", 3},      // euro sign
      {"\xF0\x9F\x98\x80", 4},  // beyond the basic plane
      {"\xE9.txt", 0},          // a Windows-1252 byte, not UTF-8
      {"\x80", 0},              // a stray continuation byte
      {"\xE2\x82", 0},          // cut short
      {"\xC0\xAF", 0},          // overlong
      {"\xE0\x80\xAF", 0},      // overlong
      {"\xED\xA0\x80", 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0},  // above U+10FFFF
      {"\xFF", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Utf8CharacterLength(c.bytes), c.length);
    EXPECT_EQ(IsValidUtf8(std::string(c.bytes) + "ok"), c.length != 0);
  }
  EXPECT_TRUE(IsValidUtf8(""));
}

#ifndef _WIN32
// Each byte that does not decode becomes one "?", and decoding goes on at the
// next byte; a character Windows-1252 lacks becomes one "?" as a whole.
TEST(CatalogText, UndecodableBytesBecomeOneQuestionMarkEach) {
  const struct {
    const char* native;
    const char* catalog;
  } cases[] = {
      {"caf\xC3\xA9.txt", "caf\xE9.txt"},
      {"caf\xE9.txt", "caf?.txt"},
      {"\xE9\xE9x", "??x"},
      {"a\xE6\xBC", "a??"},              // a character cut short at the end
      {"\xE6\xBC.txt", "??.txt"},        // ... and inside the name
      {"\xC0\xAF.txt", "??.txt"},        // overlong "/"
      {"\xED\xA0\x80z", "???z"},         // a surrogate
      {"kanji\xE6\xBC\xA2.txt", "kanji?.txt"},
      {"\xF0\x9F\x98\x80!", "?!"},
      {"\xE2\x82\xAC", "\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToCatalogText(c.native), c.catalog) << c.native;
}
#endif

}  // namespace
}  // namespace vardek::platform
