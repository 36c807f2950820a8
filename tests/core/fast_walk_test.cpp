// The walks that read lines in place and skip what cannot match, set against
// a plain walk built from the byte-by-byte line reader on random catalogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/name_match.h"
#include "catalog/catalog_check.h"
#include "catalog/catalog_format.h"
#include "catalog/catalog_titles.h"
#include "catalog/line_reader.h"
#include "maintenance/bad_dates.h"
#include "platform/files.h"
#include "test_support.h"

namespace vardek {
namespace {

enum class Rows { SearchFiles, SearchFolders, BadDates };

std::string UpToNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// The plain walk: every line copied by ReadLine, kinds from the zero-terminated
// copy, depth rules, and the rows each command makes, as name|date|folder|title.
// With a filter, the search text may be a pattern over a file's whole name
// and the files a date range; the files left out for their dates are counted.
std::vector<std::string> PlainRows(const std::string& data, Rows rows, const std::string& search,
                                   FindFilter* filter = nullptr) {
  const bool pattern = filter != nullptr && filter->wildcard;
  const bool dated = filter != nullptr && filter->dated;
  std::vector<std::string> found;
  const char* cursor = data.data();
  const char* end = cursor + data.size();
  const bool newFormat = IsNewFormat(data.data(), data.size());
  char line[kLineBufferSize];
  std::string path;
  std::string title;
  int depth = 0;
  const auto row = [&](std::string_view name, std::string_view date) {
    found.push_back(UpToNul(name) + "|" + UpToNul(date.substr(0, kRowDateSize - 1)) + "|" +
                    (path.empty() ? "\\" : path) + "|" + title);
  };
  while (cursor < end) {
    bool cut = false;
    const std::size_t length = ReadLine(cursor, end, line, kLineLimit, cut);
    const std::string_view text(line, length);
    switch (ClassifyLine(static_cast<const char*>(line))) {
      case LineKind::Title: title = TitleDescription(line); break;
      case LineKind::Folder:
        if (depth + 1 >= kMaxFolderLevels) return found;
        path += line;
        ++depth;
        if (rows == Rows::SearchFolders && NameMatches(std::string_view(line), search)) row("", "");
        break;
      case LineKind::Climb:
        if (depth == 0) return found;
        path.erase(path.rfind('\\'));
        --depth;
        break;
      case LineKind::EndOfTitle:
        depth = 0;
        path.clear();
        break;
      case LineKind::Comment: break;
      case LineKind::BlankLed:
        if (rows == Rows::BadDates) break;
        [[fallthrough]];
      case LineKind::File: {
        FileLineParts parts;
        if (rows == Rows::SearchFolders || !SplitFileLine(text, newFormat, parts)) break;
        const bool named = pattern ? WildcardMatches(parts.name, search) : NameMatches(parts.name, search);
        std::uint32_t date = 0;
        if (rows == Rows::SearchFiles && named && dated && !FileDateNumber(parts.dateText, date)) {
          ++filter->undated;
          break;
        }
        if (dated && (date < filter->since || date > filter->until)) break;
        if (rows == Rows::SearchFiles && named) row(parts.name, parts.dateText);
        if (rows == Rows::BadDates && !IsValidDate(ReadDateText(parts.dateText))) row(parts.name, parts.dateText);
        break;
      }
    }
  }
  return found;
}

// Catalog text of nested folders and files, with the damage a catalog may
// carry: lines cut at the limit, stray CRs, NUL bytes, bare LFs, bad dates.
std::string RandomCatalog(std::mt19937& random, const std::string& word, bool twoDigitDates = false) {
  const auto pick = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
  std::string data = pick(8) == 0 ? "@@@Old\r\n" : "|||First\r\n";
  int depth = 0;
  const int lines = 20 + static_cast<int>(pick(400));
  for (int i = 0; i < lines; ++i) {
    std::string line;
    const unsigned kind = pick(40);
    if (kind < 2) {
      line = "|||Disc " + std::to_string(i);
    } else if (kind < 6 && depth < 17) {
      line = "\\" + (pick(3) == 0 ? word : "dir") + std::to_string(i);
      ++depth;
    } else if (kind < 10 && depth > 0) {
      line = "..";
      --depth;
    } else if (kind == 10) {
      line = "<eof>";
      depth = 0;
    } else if (kind == 11) {
      line = pick(2) == 0 ? "* note" : " blank:01/01/99";
    } else if (kind == 12 && pick(4) == 0) {
      // Lines that only look like climbs and folders, and a climb that may
      // go below the root.
      const std::string lookalikes[] = {".x:01/01/99", "...:01/01/99", std::string("..\0z", 4), "\\a:b", ".."};
      line = lookalikes[pick(5)];
      if (line == "..") depth = std::max(depth - 1, 0);
    } else {
      const std::string name = pick(4) == 0 ? "a" + word + "b" : "file" + std::to_string(i);
      const auto number = [&](unsigned n) {
        const std::string digits = std::to_string(pick(n));
        return twoDigitDates && digits.size() < 2 ? "0" + digits : digits;
      };
      line = name + (pick(2) == 0 ? ":" : " ") + number(13) + "/" + number(32) + "/" + number(100);
    }
    const unsigned damage = pick(60);
    if (damage == 0) line += std::string(250 + pick(30), 'x') + word;
    if (damage == 1) line.insert(pick(static_cast<unsigned>(line.size())), 1, '\r');
    if (damage == 2) line.insert(pick(static_cast<unsigned>(line.size())), 1, '\0');
    data += line + (damage == 3 ? "\n" : "\r\n");
  }
  return data;
}

class FastWalkTest : public ::testing::Test {
 protected:
  std::vector<std::string> WalkRows(Rows rows, const std::string& search) {
    ResultList list;
    EXPECT_TRUE(list.Reset());
    char lowered[kSearchTextSize] = {};
    std::strncpy(lowered, search.c_str(), sizeof lowered - 1);
    LowerAscii(lowered);
    const std::string path = folder.Path("r.cat");
    if (rows == Rows::SearchFiles) CollectFiles(reader, path.c_str(), "", lowered, list, reporter);
    if (rows == Rows::SearchFolders) CollectFolders(reader, path.c_str(), lowered, list, reporter);
    if (rows == Rows::BadDates) FindBadDates(reader, path.c_str(), true, list, reporter);
    return test::RowTexts(list);
  }

  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
};

TEST_F(FastWalkTest, FindAndBadDatesAgreeWithThePlainWalk) {
  std::mt19937 random(7);
  const char* const words[] = {"Jpg", "zx81", "a", "\\dir1", "x:1", "1/0"};
  for (int round = 0; round < 150; ++round) {
    const std::string word = words[random() % 6];
    const std::string data = RandomCatalog(random, word);
    folder.Write("r.cat", data);
    std::string lowered = word;
    for (char& c : lowered) c = LowerAsciiChar(c);
    const bool newFormat = IsNewFormat(data.data(), data.size());
    // Walks that read in order take the catalog in pieces of any size.
    reader.SetPieceSize(round % 2 == 0 ? std::size_t{1} << 20 : 1 + random() % 200);
    ASSERT_EQ(WalkRows(Rows::SearchFiles, word), PlainRows(data, Rows::SearchFiles, lowered)) << round;
    ASSERT_EQ(WalkRows(Rows::SearchFolders, word), PlainRows(data, Rows::SearchFolders, lowered)) << round;
    if (newFormat) {
      ASSERT_EQ(WalkRows(Rows::BadDates, word), PlainRows(data, Rows::BadDates, lowered)) << round;
    }
  }
}

// A pattern search looks ahead only for the pattern's longest plain run: it
// must find exactly what testing every file line against the pattern finds.
TEST_F(FastWalkTest, PatternSearchAgreesWithTestingEveryLine) {
  std::mt19937 random(17);
  const char* const words[] = {"Jpg", "zx81", "a", "x:1", "1/0"};
  const char* const patterns[] = {"*jpg*", "a*b", "?zx81*", "*", "file?", "*1/0?", "a?*b", "*x:1*"};
  for (int round = 0; round < 120; ++round) {
    const std::string data = RandomCatalog(random, words[random() % std::size(words)]);
    folder.Write("r.cat", data);
    const std::string pattern = patterns[random() % std::size(patterns)];
    reader.SetPieceSize(round % 2 == 0 ? std::size_t{1} << 20 : 1 + random() % 200);
    ResultList list;
    ASSERT_TRUE(list.Reset());
    FindFilter filter;
    filter.wildcard = true;
    CollectFiles(reader, folder.Path("r.cat").c_str(), "", pattern.c_str(), list, reporter, {}, &filter);
    ASSERT_EQ(test::RowTexts(list), PlainRows(data, Rows::SearchFiles, pattern, &filter)) << round << " " << pattern;
  }
}

// A search passes by the places of its text on stored lines that fail its
// name or date test: it must find, and leave out for unreadable dates,
// exactly what testing every file line finds.
TEST_F(FastWalkTest, DatedSearchAgreesWithTestingEveryLine) {
  std::mt19937 random(23);
  const char* const words[] = {"Jpg", "zx81", "a", "x:1", "1/0", "/9"};
  const char* const texts[] = {"jpg", "a", "/9", "1", "*jpg*", "a*b", "file?", "*"};
  const std::uint32_t ranges[][2] = {{19800101, 20501231}, {19900101, 19991231}, {20000301, 20000301}};
  for (int round = 0; round < 150; ++round) {
    const std::string data = RandomCatalog(random, words[random() % std::size(words)], true);
    folder.Write("r.cat", data);
    const std::string text = texts[random() % std::size(texts)];
    FindFilter filter;
    filter.wildcard = IsWildcardPattern(text);
    filter.dated = round % 4 != 0;
    const auto& range = ranges[random() % std::size(ranges)];
    filter.since = range[0];
    filter.until = range[1];
    ResultList list;
    ASSERT_TRUE(list.Reset());
    FindFilter walked = filter;
    CollectFiles(reader, folder.Path("r.cat").c_str(), "", text.c_str(), list, reporter, {}, &walked);
    FindFilter plain = filter;
    ASSERT_EQ(test::RowTexts(list), PlainRows(data, Rows::SearchFiles, text, &plain)) << round << " " << text;
    ASSERT_EQ(walked.undated, plain.undated) << round << " " << text;
  }
}

// A catalog the check reads far into: sound titles, folders and files, good
// and bad dates, and now and then a line of the damage the check reports.
std::string MostlySoundCatalog(std::mt19937& random) {
  const auto pick = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
  const std::string damage[] = {"nocolon", "", "..", "<eof>", "|||" + std::string(90, 't'), "a\rb:01/01/99",
                                std::string("x\0y:01/01/99", 13), " blank", "* note"};
  std::string data = "|||Disc 0\r\n";
  int depth = 0;
  const int lines = 100 + static_cast<int>(pick(3000));
  for (int i = 0; i < lines; ++i) {
    std::string line;
    const unsigned kind = pick(100);
    if (kind == 0 && depth == 0) {
      line = "|||Disc " + std::to_string(i);
    } else if (kind < 5 && depth < 15) {
      line = "\\dir" + std::to_string(i);
      ++depth;
    } else if (kind < 10 && depth > 0) {
      line = "..";
      --depth;
    } else if (kind == 10 && depth == 0) {
      line = "<eof>";
    } else if (kind == 11 && pick(12) == 0) {
      line = pick(4) == 0 ? std::string(250 + pick(20), 'L') : damage[pick(9)];
    } else {
      line = "f" + std::to_string(i) + ":" + std::to_string(pick(14)) + "/" + std::to_string(pick(32)) + "/" +
             std::to_string(pick(100));
    }
    data += line + (pick(50) == 0 ? "\n" : "\r\n");
  }
  return data;
}

// The same catalog with a CR at the start of every stored line: the line
// rule drops it, and no block that holds one is read in place, so every
// line goes through the byte-by-byte reader and none is passed over.
std::string WithCrAtEveryLineStart(const std::string& data) {
  std::string copy;
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i == 0 || data[i - 1] == '\n') copy += '\r';
    copy += data[i];
  }
  return copy;
}

class PassOverTest : public FastWalkTest {
 protected:
  // What the check, the title scan, the bad-date scan (with its hook) and
  // the listing of one title make of `data`, as texts.
  std::vector<std::string> Readings(const std::string& data, const std::string& title) {
    folder.Write("r.cat", data);
    const std::string path = folder.Path("r.cat");
    std::vector<std::string> seen;
    reporter.reports.clear();
    const CheckResult check = CheckCatalog(reader, path.c_str(), true, reporter);
    seen.push_back("check " + std::to_string(static_cast<int>(check.outcome)) + " " +
                   std::to_string(check.lineNumber) + " " + std::to_string(check.fileCount));
    for (const test::Report& report : reporter.reports) seen.push_back(report.kind + " " + report.text + " " + report.caption);
    CatalogTitleScan scan;
    ReadCatalogTitles(reader, path.c_str(), reporter, [&](const char* d) { seen.push_back(std::string("title ") + d); },
                      scan);
    seen.push_back("titles " + std::to_string(scan.titleCount));
    ResultList list;
    EXPECT_TRUE(list.Reset());
    long hooks = 0;
    const std::function<void()> hook = [&hooks] { ++hooks; };
    const BadDateResult bad = FindBadDates(reader, path.c_str(), true, list, reporter, hook);
    seen.push_back("bad-dates " + std::to_string(bad.lineCount) + " hooks " + std::to_string(hooks));
    for (const std::string& row : test::RowTexts(list)) seen.push_back("bad " + row);
    ResultList listed;
    EXPECT_TRUE(listed.Reset());
    CollectTitleFiles(reader, path.c_str(), title.c_str(), listed, reporter);
    for (const std::string& row : test::RowTexts(listed)) seen.push_back("listed " + row);
    return seen;
  }
};

TEST_F(PassOverTest, CheckTitlesBadDatesAndListingAgreeWithTheByteByByteReading) {
  std::mt19937 random(42);
  for (int round = 0; round < 60; ++round) {
    const std::string data = MostlySoundCatalog(random);
    const std::string title = "Disc " + std::to_string(random() % 200);
    const std::vector<std::string> fast = Readings(data, title);
    ASSERT_EQ(fast, Readings(WithCrAtEveryLineStart(data), title)) << round;
  }
}

// Read in pieces of any size, down to a single byte, lines run across the
// ends of pieces: the check, the title scan and the bad-date scan make of a
// catalog what they make of it whole.
TEST_F(PassOverTest, ReadingInPiecesOfAnySizeReadsTheSameLines) {
  std::mt19937 random(9);
  for (int round = 0; round < 60; ++round) {
    std::string data = MostlySoundCatalog(random);
    if (round % 3 == 1) data = WithCrAtEveryLineStart(data);
    // A line of CRs longer than a piece, and a title line that begins where
    // a long line is cut.
    for (const std::string& line : {"x" + std::string(600, '\r') + "y:01/01/99", std::string(259, 'L') + "|||Cut"}) {
      const std::size_t at = data.find('\n', random() % data.size());
      if (at != std::string::npos && random() % 2 == 0) data.insert(at + 1, line + "\r\n");
    }
    const std::string title = "Disc " + std::to_string(random() % 200);
    reader.SetPieceSize(std::size_t{1} << 20);
    const std::vector<std::string> whole = Readings(data, title);
    reader.SetPieceSize(1 + random() % (round % 2 == 0 ? 16 : 300));
    ASSERT_EQ(Readings(data, title), whole) << round;
  }
}

// A catalog cut short while it is read in pieces is reported and its
// reading ends early, instead of passing for a whole catalog.
TEST_F(PassOverTest, ACatalogCutShortWhileReadInPiecesEndsInAnError) {
  if (!platform::kReadsCatalogsInPieces) GTEST_SKIP() << "catalogs are mapped whole on this platform";
  std::string data;
  for (int title = 0; title < 3; ++title) {
    data += "|||Disc " + std::to_string(title) + "\r\n";
    for (int file = 0; file < 500; ++file) data += "f" + std::to_string(file) + ":13/01/99\r\n";
    data += "<eof>\r\n";
  }
  const std::string path = folder.Path("r.cat");
  const auto cutShort = [&] { std::filesystem::resize_file(path, 100); };
  const std::function<void()> hook = cutShort;
  const test::Report error{"error", "Error opening file", path};
  reader.SetPieceSize(4096);

  folder.Write("r.cat", data);
  reporter.reports.clear();
  EXPECT_EQ(CheckCatalog(reader, path.c_str(), true, reporter, hook).outcome, CheckOutcome::Stopped);
  EXPECT_EQ(reporter.reports.front(), error);

  folder.Write("r.cat", data);
  reporter.reports.clear();
  ResultList list;
  ASSERT_TRUE(list.Reset());
  EXPECT_EQ(FindBadDates(reader, path.c_str(), true, list, reporter, hook).outcome, WalkOutcome::ReadFailed);
  EXPECT_EQ(reporter.reports.front(), error);

  folder.Write("r.cat", data);
  reporter.reports.clear();
  CatalogTitleScan scan;
  EXPECT_FALSE(ReadCatalogTitles(reader, path.c_str(), reporter, [&](const char*) { cutShort(); }, scan));
  EXPECT_EQ(scan.titleCount, 1);
  EXPECT_EQ(reporter.reports.front(), error);

  // The failure is the reading's own: the same reader reads the next catalog whole.
  folder.Write("r.cat", data);
  ResultList rows;
  ASSERT_TRUE(rows.Reset());
  EXPECT_EQ(CollectFiles(reader, path.c_str(), "", "f499", rows, reporter), WalkOutcome::Complete);
  EXPECT_EQ(rows.Count(), 3);
}

// A catalog cut short by another program while its parts are read: the
// mapping that cuts it into parts reads zeros past the cut and says so,
// instead of ending the program; a part read in pieces ends early, and one
// whose file is gone ends in the error.
TEST_F(PassOverTest, ACatalogCutShortWhileMappedEndsInAnError) {
#ifdef _WIN32
  GTEST_SKIP() << "a mapped file cannot be cut on this platform";
#else
  std::string data;
  for (int title = 0; title < 3; ++title) {
    data += "|||Disc " + std::to_string(title) + "\r\n";
    for (int file = 0; file < 40000; ++file) data += "f" + std::to_string(file) + ":01/01/99\r\n";
    data += "<eof>\r\n";
  }
  ASSERT_GT(data.size(), std::size_t{platform::kLargestCopiedCatalog});
  folder.Write("r.cat", data);
  const std::string path = folder.Path("r.cat");
  CatalogReader mapped;
  ASSERT_TRUE(mapped.Map(path.c_str(), kLineLimit));
  // The first part holds two titles, the second the third.
  bool read = false;
  EXPECT_EQ(ReadPartTitles(mapped, 0, 2, [](const char*) {}, &read), 2);
  EXPECT_TRUE(read);
  EXPECT_FALSE(mapped.ReadFailed());
  std::filesystem::resize_file(path, 100);
  EXPECT_EQ(ReadPartTitles(mapped, 1, 2, [](const char*) {}), 0);
  EXPECT_TRUE(mapped.ReadFailed());

  // Cut inside the second part, which is read in pieces: the part is not
  // taken for read to its end.
  folder.Write("r.cat", data);
  ASSERT_TRUE(mapped.Map(path.c_str(), kLineLimit));
  std::filesystem::resize_file(path, data.find("|||Disc 2") + 100);
  ReadPartTitles(mapped, 1, 2, [](const char*) {}, &read);
  EXPECT_FALSE(read);
  EXPECT_FALSE(mapped.ReadFailed());

#endif
}

// The parts of a mapped catalog are read from the file it maps, even where
// another program puts a new file in its place or removes it meanwhile: the
// parts never mix two catalogs.
TEST_F(PassOverTest, PartsAreReadFromTheFileThatWasMapped) {
  if (!platform::kReadsCatalogsInPieces) GTEST_SKIP() << "parts are read through the mapping on this platform";
  const auto catalog = [](const std::string& disc) {
    std::string data;
    for (int title = 0; title < 3; ++title) {
      data += "|||" + disc + " " + std::to_string(title) + "\r\n";
      for (int file = 0; file < 40000; ++file) data += "f" + std::to_string(file) + ":01/01/99\r\n";
      data += "<eof>\r\n";
    }
    return data;
  };
  const std::string data = catalog("Disc");
  ASSERT_GT(data.size(), std::size_t{platform::kLargestCopiedCatalog});
  const std::string path = folder.Path("r.cat");
  const auto partTitles = [&](const CatalogReader& mapped) {
    std::vector<std::string> titles;
    bool read = false;
    for (int index = 0; index < 2; ++index) {
      ReadPartTitles(mapped, index, 2, [&](const char* d) { titles.emplace_back(d); }, &read);
      EXPECT_TRUE(read) << index;
    }
    return titles;
  };
  const std::vector<std::string> mappedTitles{"Disc 0", "Disc 1", "Disc 2"};

  folder.Write("r.cat", data);
  CatalogReader mapped;
  ASSERT_TRUE(mapped.Map(path.c_str(), kLineLimit));
  folder.Write("new.cat", catalog("Other") + catalog("More"));
  ASSERT_TRUE(platform::ReplaceFileWith(folder.Path("new.cat").c_str(), path.c_str()));
  EXPECT_EQ(partTitles(mapped), mappedTitles);
  CatalogPart part{&mapped, 1, 2};
  EXPECT_TRUE(CheckPart(part, true).clean);
  EXPECT_EQ(CheckPart(part, true).fileCount, 40000);

  folder.Write("r.cat", data);
  ASSERT_TRUE(mapped.Map(path.c_str(), kLineLimit));
  std::filesystem::remove(path);
  EXPECT_EQ(partTitles(mapped), mappedTitles);
}

// Parts of a catalog cut at title lines: where every part's walk is complete
// and every part before the last ends at the root, their rows one after the
// other are the rows of the whole. Where one is not, the parts before it
// and a walk from it to the end, its lines numbered on from theirs, make the
// rows and reports of the whole.
TEST_F(FastWalkTest, PartsOfACatalogAddUpToTheWhole) {
  std::mt19937 random(17);
  std::mt19937 pieceSizes(18);
  int added = 0;
  int restWalked = 0;
  for (int round = 0; round < 120; ++round) {
    const std::string data = round % 3 == 0 ? RandomCatalog(random, "zx") : MostlySoundCatalog(random);
    folder.Write("r.cat", data);
    const std::string path = folder.Path("r.cat");
    std::string search = round % 2 == 0 ? "1" : "dir";
    const bool folders = round % 4 == 1;
    // Every fifth round or so with a pattern, a date range or a disc filter.
    FindFilter filter;
    filter.wildcard = round % 5 == 2;
    if (filter.wildcard) search = folders ? "d*" : "*1?*";
    filter.dated = round % 5 == 3 && !folders;
    filter.since = 19850101;
    filter.until = 20101231;
    filter.byDisc = round % 5 == 4;
    filter.disc = "1";
    ResultList whole;
    ASSERT_TRUE(whole.Reset());
    FindFilter wholeFilter = filter;
    reporter.reports.clear();
    if (folders) {
      CollectFolders(reader, path.c_str(), search.c_str(), whole, reporter, {}, &wholeFilter);
    } else {
      CollectFiles(reader, path.c_str(), "", search.c_str(), whole, reporter, {}, &wholeFilter);
    }
    CatalogReader mapped;
    ASSERT_TRUE(mapped.Map(path.c_str(), kLineLimit));
    // Parts read in pieces of any size (where the platform reads so).
    mapped.SetPieceSize(round % 2 == 0 ? std::size_t{1} << 20 : 1 + pieceSizes() % 300);
    const int count = 1 + static_cast<int>(random() % 6);
    std::vector<std::string> parted;
    long long undated = 0;
    long linesBefore = 0;
    int index = 0;
    for (; index < count; ++index) {
      ResultList list;
      ASSERT_TRUE(list.Reset());
      test::RecordingReporter partReporter;
      CatalogPart part{&mapped, index, count};
      CatalogReader partReader;
      FindFilter partFilter = filter;
      const WalkOutcome outcome =
          CollectInPart(partReader, search.c_str(), folders, list, partReporter, part, &partFilter);
      if (outcome != WalkOutcome::Complete || !partReporter.reports.empty() ||
          (index + 1 < count && part.endDepth != 0))
        break;
      undated += partFilter.undated;
      linesBefore += part.lastLine;
      for (const std::string& row : test::RowTexts(list)) parted.push_back(row);
    }
    std::vector<test::Report> reports;
    if (index < count) {
      ResultList rest;
      ASSERT_TRUE(rest.Reset());
      test::RecordingReporter restReporter;
      CatalogPart part{&mapped, index, count, true, linesBefore};
      CatalogReader restReader;
      FindFilter restFilter = filter;
      CollectInPart(restReader, search.c_str(), folders, rest, restReporter, part, &restFilter);
      undated += restFilter.undated;
      reports = restReporter.reports;
      for (const std::string& row : test::RowTexts(rest)) parted.push_back(row);
      ++restWalked;
    } else {
      ++added;
    }
    ASSERT_EQ(parted, test::RowTexts(whole)) << round << " in " << count << " parts, the rest from " << index;
    ASSERT_EQ(reports, reporter.reports) << round;
    ASSERT_EQ(undated, wholeFilter.undated) << round;
  }
  EXPECT_GT(added, 30);
  EXPECT_GT(restWalked, 30);
}

// The check, the title scan and the bad-date scan over parts: the titles
// of the parts are those of the whole, in order, always. Where every part
// is read to its end without a report and each before the last ends at the
// root, the parts make what the walk over the whole makes (the check's end
// reports and file count, the bad dates in order); where they do not, the
// whole has something to report (a part that is the whole) or ends a part
// inside a folder.
TEST_F(FastWalkTest, CheckTitlesAndBadDatesOverPartsAddUpToTheWhole) {
  std::mt19937 random(31);
  std::mt19937 pieceSizes(32);
  int added = 0;
  for (int round = 0; round < 150; ++round) {
    const std::string data = round % 3 == 0 ? RandomCatalog(random, "zx") : MostlySoundCatalog(random);
    folder.Write("r.cat", data);
    const std::string path = folder.Path("r.cat");
    const bool newFormat = IsNewFormat(data.data(), data.size());
    reporter.reports.clear();
    const CheckResult check = CheckCatalog(reader, path.c_str(), newFormat, reporter);
    const std::vector<test::Report> checkReports = reporter.reports;
    ResultList whole;
    ASSERT_TRUE(whole.Reset());
    reporter.reports.clear();
    FindBadDates(reader, path.c_str(), newFormat, whole, reporter);
    const bool badDatesReported = !reporter.reports.empty();

    std::vector<std::string> titles;
    CatalogTitleScan scan;
    ReadCatalogTitles(reader, path.c_str(), reporter, [&](const char* d) { titles.emplace_back(d); }, scan);

    CatalogReader mapped;
    ASSERT_TRUE(mapped.Map(path.c_str(), kLineLimit));
    mapped.SetPieceSize(round % 2 == 0 ? std::size_t{1} << 20 : 1 + pieceSizes() % 300);
    const int count = 1 + static_cast<int>(random() % 4);
    std::vector<std::string> partTitles;
    long titleCount = 0;
    for (int index = 0; index < count; ++index)
      titleCount += ReadPartTitles(mapped, index, count, [&](const char* d) { partTitles.emplace_back(d); });
    ASSERT_EQ(partTitles, titles) << round << " in " << count << " parts";
    ASSERT_EQ(titleCount, scan.titleCount) << round;
    long files = 0;
    bool checkAddsUp = true;
    bool datesAddUp = true;
    std::vector<std::string> parted;
    for (int index = 0; index < count; ++index) {
      const bool last = index + 1 == count;
      CatalogPart checkPart{&mapped, index, count};
      const CheckedPart checked = CheckPart(checkPart, newFormat);
      files += checked.fileCount;
      checkAddsUp = checkAddsUp && checked.clean && (last || checkPart.endDepth == 0);
      if (last && checkAddsUp) {
        test::RecordingReporter end;
        ASSERT_EQ(ReportCheckEnd(path.c_str(), true, files, checkPart.endDepth, end), check.outcome) << round;
        ASSERT_EQ(end.reports, checkReports) << round;
      }
      CatalogPart datesPart{&mapped, index, count};
      ResultList list;
      ASSERT_TRUE(list.Reset());
      test::RecordingReporter partReporter;
      const BadDateResult dates = FindBadDatesInPart(datesPart, newFormat, list, partReporter);
      datesAddUp = datesAddUp && dates.outcome == WalkOutcome::Complete && partReporter.reports.empty() &&
                   (last || datesPart.endDepth == 0);
      for (const std::string& row : test::RowTexts(list)) parted.push_back(row);
    }
    if (!checkAddsUp && count == 1) {
      ASSERT_TRUE(checkReports.size() > 2 || check.outcome == CheckOutcome::Stopped) << round;
    }
    if (datesAddUp) {
      ASSERT_EQ(parted, test::RowTexts(whole)) << round << " in " << count << " parts";
    }
    if (!datesAddUp && count == 1) {
      ASSERT_TRUE(badDatesReported) << round;
    }
    added += checkAddsUp + datesAddUp;
  }
  EXPECT_GT(added, 80);
}

TEST(NextTitleLine, FindsTheFirstTitleLineStartingAtOrAfterTheOffset) {
  const std::string data = "|||A\r\nx|y\r\n@@@B\r\n@@x\r\n|\n";
  // Line starts: 0, 6 (x|y), 11 (@@@B), 17 (@@x), 22 (|); 24 bytes.
  struct Case {
    std::size_t offset;
    std::size_t start;
  };
  const Case cases[] = {{0, 11}, {1, 11}, {11, 11}, {12, 22}, {22, 22}, {23, 24}};
  for (const Case& c : cases) EXPECT_EQ(NextTitleLine(data.data(), data.size(), c.offset), c.start) << c.offset;
}

// Both vector forms (the AVX2 one where the processor has it), over texts
// long enough for their 128-place rounds and the rest behind them.
TEST(FindLoweredText, AgreesWithAPlainSearchOnRandomText) {
  std::mt19937 random(11);
  const char alphabet[] = {'a', 'A', 'b', 'B', '.', '\r', '\n', '\0', '\xC9', '\xE9', '@', '`'};
  for (int round = 0; round < 8000; ++round) {
    std::string text(random() % 600, ' ');
    for (char& c : text) c = alphabet[random() % sizeof alphabet];
    std::string search(1 + random() % 4, ' ');
    for (char& c : search) c = LowerAsciiChar(alphabet[random() % sizeof alphabet]);
    std::size_t plain = std::string_view::npos;
    for (std::size_t at = 0; at + search.size() <= text.size() && plain == std::string_view::npos; ++at) {
      if (NameMatches(std::string_view(text).substr(at, search.size()), search)) plain = at;
    }
    ASSERT_EQ(FindLoweredText(text, search), plain) << round;
    ASSERT_EQ(FindLoweredTextSse2(text, search), plain) << round;
  }
}

}  // namespace
}  // namespace vardek
