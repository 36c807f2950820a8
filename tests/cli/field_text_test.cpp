#include <gtest/gtest.h>

#include <string>

#include "cli/field_text.h"
#include "cli/output.h"

namespace vardek::cli {
namespace {

std::string Written(RowFormat format, const Field& field) {
  std::string out;
  AppendField(out, format, field);
  return out;
}

TEST(CsvField, QuotesOnlyWhatRfc4180Asks) {
  const struct {
    const char* shown;
    const char* written;
  } cases[] = {
      {"plain.txt", "plain.txt"},
      {"a,b.txt", "\"a,b.txt\""},
      {"say \"hi\".txt", "\"say \"\"hi\"\".txt\""},
      {"\"", "\"\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"lf\nonly", "\"lf\nonly\""},
      {"  spaced  ", "  spaced  "},  // spaces belong to the field: kept, not quoted
      {"", ""},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendCsvText(out, c.shown);
    EXPECT_EQ(out, c.written) << c.shown;
  }
}

TEST(CsvField, ShowsCatalogTextAsTheConsoleDoesBeforeQuoting) {
  // A line break in a name is shown as ^M^J, as in tsv; a comma still quotes.
  EXPECT_EQ(Written(RowFormat::Csv, CatalogField("a\r\nb")), "a^M^Jb");
  EXPECT_EQ(Written(RowFormat::Csv, CatalogField("x,\ty")), "\"x,^Iy\"");
  EXPECT_EQ(Written(RowFormat::Tsv, CatalogField("x,\ty")), "x,^Iy");
  EXPECT_EQ(Written(RowFormat::Csv, NullField()), "");
}

TEST(JsonField, EscapesEveryControlCharacterAndWritesUtf8) {
  const struct {
    const char* catalog;
    const char* written;
  } cases[] = {
      {"plain.txt", "\"plain.txt\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"\\Pictures\\Raw", "\"\\\\Pictures\\\\Raw\""},
      {"tab\there", "\"tab\\there\""},
      {"cr\rlf\n", "\"cr\\rlf\\n\""},
      {"\b\f", "\"\\b\\f\""},
      {"esc\x1b[31m", "\"esc\\u001b[31m\""},
      {"\x01\x1f", "\"\\u0001\\u001f\""},
      {"del\x7f", "\"del\\u007f\""},
      {"caf\xe9", "\"caf\xc3\xa9\""},            // e acute
      {"\x80 5", "\"\xe2\x82\xac 5\""},          // euro sign
      {"\x9f\xa0\xff", "\"\xc5\xb8\xc2\xa0\xc3\xbf\""},  // Y diaeresis, no-break space, y diaeresis
      {"", "\"\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.catalog);
    EXPECT_EQ(Written(RowFormat::Json, CatalogField(c.catalog)), c.written);
  }
}

TEST(JsonField, WritesC1ControlsEscapedAndOtherValuesBare) {
  std::string out;
  AppendJsonString(out, "next\xc2\x85line \xc2\xa9");  // U+0085 escaped, the copyright sign kept
  EXPECT_EQ(out, "\"next\\u0085line \xc2\xa9\"");
  EXPECT_EQ(Written(RowFormat::Json, NullField()), "null");
  EXPECT_EQ(Written(RowFormat::Json, NumberField("1234")), "1234");
  EXPECT_EQ(Written(RowFormat::Json, NativeField("shelf/one.cat")), "\"shelf/one.cat\"");
}

// Printable ASCII is 0x20 to 0x7E. Every byte value at every place of texts
// up to 17 long (two words of eight and a tail), among plain bytes next to
// the limits, as the one byte-by-byte rule says.
TEST(PlainText, IsPrintableAsciiAtEveryPlaceOfAWordAndOfTheTail) {
  for (std::size_t length = 1; length <= 17; ++length) {
    for (std::size_t place = 0; place < length; ++place) {
      for (int value = 0; value < 256; ++value) {
        std::string text(length, '~');
        for (std::size_t i = 0; i < length; i += 2) text[i] = ' ';
        text[place] = static_cast<char>(value);
        const bool plain = value >= 0x20 && value <= 0x7E;
        ASSERT_EQ(IsPlainText(text), plain) << "length " << length << ", byte " << value << " at " << place;
      }
    }
  }
  EXPECT_TRUE(IsPlainText(""));
}

}  // namespace
}  // namespace vardek::cli
