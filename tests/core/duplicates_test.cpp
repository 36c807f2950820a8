#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/duplicates.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

struct DuplicateCase {
  const char* what;
  std::vector<std::string> catalogs;  // catalog texts, one file each
  DuplicateRules rules;
  std::vector<std::string> rows;  // group number|name|date|folder|disc
};

std::vector<std::string> GroupTexts(const ResultList& list, const DuplicateResult& result) {
  std::vector<std::string> texts;
  const std::vector<std::string> rows = test::RowTexts(list);
  for (std::size_t group = 0; group < result.groups.size(); ++group)
    for (const int row : result.groups[group].rows) texts.push_back(std::to_string(group + 1) + "|" + rows[static_cast<std::size_t>(row)]);
  return texts;
}

const DuplicateCase kCases[] = {
    {"A-Z fold either way",
     {Lines({"|||One", "README.TXT:07/14/04", "<eof>", "|||Two", "\\Docs", "readme.txt:07/14/04", "..", "<eof>"})},
     {},
     {"1|README.TXT|07/14/04|\\|One", "1|readme.txt|07/14/04|\\Docs|Two"}},
    {"accented letters do not fold",
     {Lines({"|||One", "caf\xE9.txt:07/14/04", "<eof>", "|||Two", "CAF\xC9.TXT:07/14/04", "<eof>"})},
     {},
     {}},
    {"another date is another file",
     {Lines({"|||One", "a.txt:07/14/04", "<eof>", "|||Two", "a.txt:07/15/04", "<eof>"})},
     {},
     {}},
    {"names only: dates do not matter",
     {Lines({"|||One", "a.txt:07/14/04", "<eof>", "|||Two", "A.TXT:07/15/04", "<eof>"})},
     {true, 2},
     {"1|a.txt|07/14/04|\\|One", "1|A.TXT|07/15/04|\\|Two"}},
    {"on exactly min-discs discs",
     {Lines({"|||1", "x:01/01/01", "<eof>", "|||2", "x:01/01/01", "<eof>", "|||3", "x:01/01/01", "<eof>"})},
     {false, 3},
     {"1|x|01/01/01|\\|1", "1|x|01/01/01|\\|2", "1|x|01/01/01|\\|3"}},
    {"on one disc fewer than min-discs",
     {Lines({"|||1", "x:01/01/01", "<eof>", "|||2", "x:01/01/01", "<eof>", "|||3", "x:01/01/01", "<eof>"})},
     {false, 4},
     {}},
    {"two titles of one description are two discs",
     {Lines({"|||Backup", "x:01/01/01", "<eof>", "|||Backup", "x:01/01/01", "<eof>"})},
     {},
     {"1|x|01/01/01|\\|Backup", "1|x|01/01/01|\\|Backup"}},
    {"twice on one disc is no duplicate",
     {Lines({"|||One", "x:01/01/01", "\\Sub", "x:01/01/01", "..", "<eof>", "|||Two", "y:01/01/01", "<eof>"})},
     {},
     {}},
    {"a kept group lists both copies of one disc",
     {Lines({"|||One", "x:01/01/01", "\\Sub", "x:01/01/01", "..", "<eof>", "|||Two", "x:01/01/01", "<eof>"})},
     {},
     {"1|x|01/01/01|\\|One", "1|x|01/01/01|\\Sub|One", "1|x|01/01/01|\\|Two"}},
    {"groups in name order, copies in catalog order, over catalogs",
     {Lines({"|||One", "c.txt:01/01/01", "B.txt:01/01/01", "a.txt:02/02/02", "<eof>"}),
      Lines({"|||Two", "b.TXT:01/01/01", "a.txt:02/02/02", "C.TXT:01/01/01", "<eof>"})},
     {},
     {"1|a.txt|02/02/02|\\|One", "1|a.txt|02/02/02|\\|Two", "2|B.txt|01/01/01|\\|One", "2|b.TXT|01/01/01|\\|Two",
      "3|c.txt|01/01/01|\\|One", "3|C.TXT|01/01/01|\\|Two"}},
    {"one name of two dates: two groups, older first",
     {Lines({"|||One", "a:01/01/05", "a:01/01/99", "<eof>", "|||Two", "a:01/01/99", "a:01/01/05", "<eof>"})},
     {},
     {"1|a|01/01/99|\\|One", "1|a|01/01/99|\\|Two", "2|a|01/01/05|\\|One", "2|a|01/01/05|\\|Two"}},
};

TEST(DuplicatesTest, EachRule) {
  for (const DuplicateCase& c : kCases) {
    SCOPED_TRACE(c.what);
    test::ScratchFolder folder;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < c.catalogs.size(); ++i) {
      folder.Write(std::to_string(i) + ".cat", c.catalogs[i]);
      paths.push_back(folder.Path(std::to_string(i) + ".cat"));
    }
    test::RecordingReporter reporter;
    ResultList list;
    ASSERT_TRUE(list.Reset());
    const DuplicateResult result = FindDuplicates(paths, c.rules, list, reporter);
    EXPECT_EQ(GroupTexts(list, result), c.rows);
    EXPECT_EQ(result.copies, static_cast<long long>(c.rows.size()));
    EXPECT_EQ(result.outcomes, std::vector<WalkOutcome>(paths.size(), WalkOutcome::Complete));
    EXPECT_TRUE(reporter.reports.empty());
  }
}

TEST(DuplicatesTest, DamageReportedOnceCopiesBeforeItKept) {
  test::ScratchFolder folder;
  folder.Write("a.cat", Lines({"|||One", "x:01/01/01", "<eof>", "|||Two", "x:01/01/01", "..", "y:01/01/01", "<eof>",
                               "|||Three", "y:01/01/01", "<eof>"}));
  folder.Write("b.cat", Lines({"|||Four", "y:01/01/01", "<eof>"}));
  test::RecordingReporter reporter;
  ResultList list;
  ASSERT_TRUE(list.Reset());
  const DuplicateResult result =
      FindDuplicates({folder.Path("a.cat"), folder.Path("missing.cat"), folder.Path("b.cat")}, {}, list, reporter);
  EXPECT_EQ(GroupTexts(list, result), (std::vector<std::string>{"1|x|01/01/01|\\|One", "1|x|01/01/01|\\|Two"}));
  EXPECT_EQ(result.outcomes,
            (std::vector<WalkOutcome>{WalkOutcome::DepthError, WalkOutcome::OpenFailed, WalkOutcome::Complete}));
  ASSERT_EQ(reporter.reports.size(), 2u);
  EXPECT_NE(reporter.reports[0].text.find("Attempt to go below the root folder."), std::string::npos);
  EXPECT_EQ(reporter.reports[1].text, "Error opening file");
}

}  // namespace
}  // namespace vardek
