#include <gtest/gtest.h>

#include <random>
#include <string>

#include "catalog/catalog_format.h"
#include "catalog/line_skip.h"

namespace vardek {
namespace {

TEST(CatalogFormat, DetectsNewFormatByFirstBytesOnly) {
  EXPECT_TRUE(IsNewFormat("|||Disc\r\n", 9));
  EXPECT_TRUE(IsNewFormat("*@@@ anything", 13));
  EXPECT_FALSE(IsNewFormat("|Disc", 5));
  EXPECT_FALSE(IsNewFormat("@@@Disc", 7));
  EXPECT_FALSE(IsNewFormat("||", 2));
  EXPECT_FALSE(IsNewFormat("", 0));
}

TEST(CatalogFormat, ClassifiesLinesByTheirFirstCharacters) {
  EXPECT_EQ(ClassifyLine("* note"), LineKind::Comment);
  EXPECT_EQ(ClassifyLine(" a.txt:01/01/01"), LineKind::BlankLed);
  EXPECT_EQ(ClassifyLine("|||Disc"), LineKind::Title);
  EXPECT_EQ(ClassifyLine("|"), LineKind::Title);
  EXPECT_EQ(ClassifyLine("|x|Disc"), LineKind::Title);
  EXPECT_EQ(ClassifyLine("@@@Disc"), LineKind::Title);
  EXPECT_EQ(ClassifyLine("@@Disc"), LineKind::File);
  EXPECT_EQ(ClassifyLine("\\DATA"), LineKind::Folder);
  EXPECT_EQ(ClassifyLine(".."), LineKind::Climb);
  EXPECT_EQ(ClassifyLine("..."), LineKind::File);
  EXPECT_EQ(ClassifyLine(".profile:01/01/01"), LineKind::File);
  EXPECT_EQ(ClassifyLine("<eof>"), LineKind::EndOfTitle);
  EXPECT_EQ(ClassifyLine("<"), LineKind::EndOfTitle);
  EXPECT_EQ(ClassifyLine(""), LineKind::File);
}

TEST(CatalogFormat, TitleDescriptionStartsAtTheFourthCharacter) {
  EXPECT_STREQ(TitleDescription("|||Holiday photos 2004"), "Holiday photos 2004");
  EXPECT_STREQ(TitleDescription("|"), "");
  EXPECT_STREQ(TitleDescription("||"), "");
  EXPECT_STREQ(TitleDescription("@@@"), "");
  EXPECT_STREQ(TitleDescription("|abDisc"), "Disc");
}

TEST(CatalogDates, WidensTwoDigitYearsUpTo2050) {
  const struct {
    int stored;
    int widened;
  } kCases[] = {{80, 1980}, {99, 1999}, {0, 2000}, {20, 2020}, {21, 2021}, {26, 2026},
                {50, 2050}, {51, 51},   {79, 79}};
  for (const auto& c : kCases) EXPECT_EQ(WidenYear(c.stored), c.widened) << c.stored;
}

TEST(CatalogDates, ReadsSlashAndDashDatesAlike) {
  const CatalogDate slash = ReadDateText("07/14/04");
  const CatalogDate dash = ReadDateText("07-14-04");
  EXPECT_EQ(slash.month, 7);
  EXPECT_EQ(slash.day, 14);
  EXPECT_EQ(slash.year, 2004);
  EXPECT_EQ(dash.month, slash.month);
  EXPECT_EQ(dash.day, slash.day);
  EXPECT_EQ(dash.year, slash.year);
}

TEST(CatalogDates, ShortAndEmptyDateTextsReadAsZeroFields) {
  const CatalogDate empty = ReadDateText("");
  EXPECT_EQ(empty.month, 0);
  EXPECT_EQ(empty.day, 0);
  EXPECT_EQ(empty.year, 2000);  // a missing year reads 0, widened
  EXPECT_FALSE(IsValidDate(empty));
  EXPECT_FALSE(IsValidDate(ReadDateText("12/")));
  // A missing year reads 0 and so stands for 2000.
  EXPECT_TRUE(IsValidDate(ReadDateText("12/3")));
  EXPECT_FALSE(IsValidDate(ReadDateText("00/00/00")));
}

TEST(CatalogDates, ValidityFollowsTheCalendar) {
  EXPECT_TRUE(IsValidDate(ReadDateText("02/29/00")));   // 2000 is a leap year
  EXPECT_FALSE(IsValidDate(ReadDateText("02/29/01")));
  EXPECT_TRUE(IsValidDate(ReadDateText("02/29/96")));
  EXPECT_FALSE(IsValidDate(ReadDateText("02/30/03")));
  EXPECT_FALSE(IsValidDate(ReadDateText("04/31/03")));
  EXPECT_TRUE(IsValidDate(ReadDateText("01/01/21")));
  EXPECT_TRUE(IsValidDate(ReadDateText("12/08/26")));  // a disc scanned today
  EXPECT_TRUE(IsValidDate(ReadDateText("12/31/50")));
  EXPECT_FALSE(IsValidDate(ReadDateText("01/01/51")));
  EXPECT_TRUE(IsValidDate(ReadDateText("01/01/80")));
  EXPECT_FALSE(IsValidDate(ReadDateText("01/01/79")));
  EXPECT_FALSE(IsValidDate(ReadDateText("13/01/99")));
  EXPECT_FALSE(IsValidDate(ReadDateText("99999999999999/01/99")));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2400));
}

// The bad-date scan's quick readings of a date text against the plain one:
// every usual text MM/DD/YY of two-digit fields (with either separator),
// and random texts of other shapes. The readings of the whole word agree
// with it on every usual text, call no other text good, and the one
// without the tables calls no bad date good.
TEST(CatalogDates, GoodDateTextAgreesWithThePlainReading) {
  const auto wordReadingsAgree = [](const std::string& text) {
    const bool good = IsGoodDateText(text);
    bool shaped = false;
    const bool lookedUp = UsualDateIsGood(text.data(), kUsualDateTables, shaped) && shaped;
    const bool read = IsGoodUsualDate(text.data(), kUsualDateTables);
    return (shaped ? read == good && lookedUp == good : !read && !lookedUp) &&
           (!TellsGoodUsualDate(text.data()) || (shaped && good));
  };
  std::string text = "00/00/00";
  for (int fields = 0; fields < 1000000; ++fields) {
    const int parts[3] = {fields / 10000, fields / 100 % 100, fields % 100};
    for (int i = 0; i < 3; ++i) {
      text[3 * i] = static_cast<char>('0' + parts[i] / 10);
      text[3 * i + 1] = static_cast<char>('0' + parts[i] % 10);
    }
    text[2] = fields % 3 == 0 ? '-' : '/';
    text[5] = fields % 5 == 0 ? '-' : '/';
    ASSERT_EQ(IsGoodDateText(text), IsValidDate(ReadAnyDateText(text))) << text;
    ASSERT_TRUE(wordReadingsAgree(text)) << text;
  }
  std::mt19937 random(3);
  const char alphabet[] = {'0', '1', '2', '9', '/', '-', '.', ':', ' ', 'a', '\0', '\x80', '\xFF'};
  for (int round = 0; round < 200000; ++round) {
    std::string other(round % 2 == 0 ? 8 : random() % 11, '0');
    for (char& c : other) c = alphabet[random() % sizeof alphabet];
    ASSERT_EQ(IsGoodDateText(other), IsValidDate(ReadAnyDateText(other))) << other;
    if (other.size() == 8) {
      ASSERT_TRUE(wordReadingsAgree(other)) << other;
    }
  }
}

// Every byte that starts no line the depth rules look at starts a file,
// comment or blank-led line; and no file line starts with a byte the check
// keeps apart.
TEST(CatalogFormat, LineStartsThatSkipsKeepCoverEveryOtherKind) {
  for (int byte = 0; byte < 256; ++byte) {
    for (const std::string rest : {"", "@", "@@", ".", "x"}) {
      const std::string line = std::string(1, static_cast<char>(byte)) + rest;
      const LineKind kind = ClassifyLine(std::string_view(line));
      const char c = static_cast<char>(byte);
      if (kStructureLineStarts.find(c) == std::string_view::npos) {
        EXPECT_TRUE(kind == LineKind::File || kind == LineKind::Comment || kind == LineKind::BlankLed) << byte;
      }
      if (kNonFileLineStarts.find(c) == std::string_view::npos) {
        EXPECT_EQ(kind, LineKind::File) << byte;
      }
      if (kTitleLineStarts.find(c) == std::string_view::npos) {
        EXPECT_NE(kind, LineKind::Title) << byte;
      }
    }
  }
}

TEST(CatalogLines, SplitsNewFormatAtTheFirstColon) {
  FileLineParts parts;
  ASSERT_TRUE(SplitFileLine("setup.exe:01/05/99", true, parts));
  EXPECT_EQ(parts.name, "setup.exe");
  EXPECT_EQ(parts.dateText, "01/05/99");
  ASSERT_TRUE(SplitFileLine("broken.txt:", true, parts));
  EXPECT_EQ(parts.dateText, "");
  EXPECT_FALSE(SplitFileLine("no separator", true, parts));
}

TEST(CatalogLines, SplitsOldFormatNineCharactersFromTheEnd) {
  FileLineParts parts;
  ASSERT_TRUE(SplitFileLine("my file - v2.txt 07-14-04", false, parts));
  EXPECT_EQ(parts.name, "my file - v2.txt");
  EXPECT_EQ(parts.dateText, "07-14-04");
  ASSERT_TRUE(SplitFileLine("x07-14-04", false, parts));
  EXPECT_EQ(parts.name, "");
  EXPECT_FALSE(SplitFileLine("07-14-04", false, parts));  // no room for a separator
  EXPECT_FALSE(SplitFileLine("", false, parts));
}

}  // namespace
}  // namespace vardek
