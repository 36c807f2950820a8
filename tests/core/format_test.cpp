#include <gtest/gtest.h>

#include "catalog/catalog_format.h"

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

TEST(CatalogDates, WidensTwoDigitYears) {
  EXPECT_EQ(WidenYear(80), 1980);
  EXPECT_EQ(WidenYear(99), 1999);
  EXPECT_EQ(WidenYear(0), 2000);
  EXPECT_EQ(WidenYear(20), 2020);
  EXPECT_EQ(WidenYear(21), 21);
  EXPECT_EQ(WidenYear(79), 79);
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
  EXPECT_TRUE(IsValidDate(ReadDateText("12/31/20")));
  EXPECT_FALSE(IsValidDate(ReadDateText("01/01/21")));
  EXPECT_TRUE(IsValidDate(ReadDateText("01/01/80")));
  EXPECT_FALSE(IsValidDate(ReadDateText("01/01/79")));
  EXPECT_FALSE(IsValidDate(ReadDateText("13/01/99")));
  EXPECT_FALSE(IsValidDate(ReadDateText("99999999999999/01/99")));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2400));
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
