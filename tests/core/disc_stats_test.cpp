#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/collect.h"
#include "maintenance/disc_stats.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

// description|files|folders|deepest|oldest|newest|bad
std::string Shown(const DiscStats& disc) {
  return disc.description + "|" + std::to_string(disc.files) + "|" + std::to_string(disc.folders) + "|" +
         std::to_string(disc.deepestLevel) + "|" + IsoDate(disc.oldest) + "|" + IsoDate(disc.newest) + "|" +
         std::to_string(disc.badDates);
}

struct StatsCase {
  const char* what;
  std::string catalog;
  std::vector<std::string> discs;  // then the total
};

const StatsCase kCases[] = {
    {"century edges: 80 and 99 in the 1900s, 00 and 50 in the 2000s",
     Lines({"|||Edges", "a:01/01/80", "b:12/31/99", "c:01/01/00", "d:12/31/50", "<eof>"}),
     {"Edges|4|0|0|1980-01-01|2050-12-31|0", "|4|0|0|1980-01-01|2050-12-31|0"}},
    {"bad dates are counted, not in the range",
     Lines({"|||Bad", "a:01/01/51", "b:12/31/79", "c:02/30/03", "d:", "e:06/15/90", "<eof>"}),
     {"Bad|5|0|0|1990-06-15|1990-06-15|4", "|5|0|0|1990-06-15|1990-06-15|4"}},
    {"only bad dates: no range",
     Lines({"|||Bad", "a:00/00/00", "<eof>"}),
     {"Bad|1|0|0|||1", "|1|0|0|||1"}},
    {"deepest level and folders",
     Lines({"|||Deep", "\\A", "\\B", "\\C", "f:01/01/01", "..", "..", "..", "\\D", "..", "<eof>"}),
     {"Deep|1|4|3|2001-01-01|2001-01-01|0", "|1|4|3|2001-01-01|2001-01-01|0"}},
    {"an empty disc, and the total over discs",
     Lines({"|||Empty", "<eof>", "|||Full", "\\A", "f:03/04/05", "..", "<eof>", "|||Old", "g:07/08/85", "<eof>"}),
     {"Empty|0|0|0|||0", "Full|1|1|1|2005-03-04|2005-03-04|0", "Old|1|0|0|1985-07-08|1985-07-08|0",
      "|2|1|1|1985-07-08|2005-03-04|0"}},
    {"files before the first title are a disc of their own",
     Lines({"loose:01/01/01", "|||Disc", "<eof>"}),
     {"|1|0|0|2001-01-01|2001-01-01|0", "Disc|0|0|0|||0", "|1|0|0|2001-01-01|2001-01-01|0"}},
};

TEST(DiscStatsTest, EachRule) {
  for (const StatsCase& c : kCases) {
    SCOPED_TRACE(c.what);
    test::ScratchFolder folder;
    folder.Write("s.cat", c.catalog);
    test::RecordingReporter reporter;
    CatalogReader reader;
    const CatalogStats stats = ReadDiscStats(reader, folder.Path("s.cat").c_str(), reporter);
    EXPECT_EQ(stats.outcome, WalkOutcome::Complete);
    std::vector<std::string> shown;
    for (const DiscStats& disc : stats.discs) shown.push_back(Shown(disc));
    shown.push_back(Shown(TotalOfDiscs(stats.discs)));
    EXPECT_EQ(shown, c.discs);
    EXPECT_TRUE(reporter.reports.empty());
  }
}

TEST(DiscStatsTest, DamageEndsTheCountsWhereItStands) {
  test::ScratchFolder folder;
  std::vector<std::string> lines = {"|||Good", "a:01/01/01", "<eof>", "|||Deep"};
  for (int level = 1; level <= 16; ++level) lines.push_back("\\L" + std::to_string(level));
  lines.push_back("never:01/01/01");
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  folder.Write("d.cat", text);
  test::RecordingReporter reporter;
  CatalogReader reader;
  const CatalogStats stats = ReadDiscStats(reader, folder.Path("d.cat").c_str(), reporter);
  EXPECT_EQ(stats.outcome, WalkOutcome::DepthError);
  ASSERT_EQ(stats.discs.size(), 2u);
  EXPECT_EQ(Shown(stats.discs[1]), "Deep|0|15|15|||0");
  ASSERT_EQ(reporter.Errors().size(), 1u);
  EXPECT_NE(reporter.Errors()[0].find("More than 16 folder levels."), std::string::npos);
}

}  // namespace
}  // namespace vardek
