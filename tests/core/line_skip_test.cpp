// Passing over lines by the block: every line passed over is one the reader
// was allowed to pass over, and every line handed out afterwards is the
// plain line reader's own, with its number.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "catalog/catalog_format.h"
#include "catalog/folder_path.h"
#include "catalog/line_reader.h"
#include "catalog/line_scanner.h"
#include "catalog/line_blocks.h"
#include "catalog/line_skip.h"
#include "platform/cpu_features.h"

namespace vardek {
namespace {

constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();

// A line as the plain reader gives it, with where it is stored.
struct PlainLine {
  std::string text;
  bool cut = false;
  std::size_t start = 0;  // offset of its first stored byte
  std::size_t next = 0;   // offset of the line after it
};

std::vector<PlainLine> ReadPlainly(const std::string& data) {
  std::vector<PlainLine> lines;
  const char* cursor = data.data();
  const char* end = cursor + data.size();
  char buffer[kLineBufferSize];
  while (cursor < end) {
    PlainLine line;
    line.start = static_cast<std::size_t>(cursor - data.data());
    const std::size_t length = ReadLine(cursor, end, buffer, kLineLimit, line.cut);
    line.text.assign(buffer, length);
    line.next = static_cast<std::size_t>(cursor - data.data());
    lines.push_back(line);
  }
  return lines;
}

// The folder depth and path of a walk, as the plain reading keeps them.
struct PlainFolders {
  int depth = 0;
  std::string path;

  // Moves by a folder or climb line that keeps the depth rules; false for
  // any other line, or one that breaks them.
  bool Follow(const std::string& line) {
    const LineKind kind = ClassifyLine(line);
    if (kind == LineKind::Folder && depth + 1 < kMaxFolderLevels) {
      path += line.substr(0, line.find('\0'));
      ++depth;
      return true;
    }
    if (kind == LineKind::Climb && depth > 0) {
      path.erase(path.rfind('\\'));
      --depth;
      return true;
    }
    return false;
  }
};

// May `skip` pass over this line? Its stored bytes are exactly its text and
// its line end, it ends before the stop, and its first byte is not kept and
// it passes the test, or it is a folder or climb line that `folders` (where
// the skip follows them) may follow.
bool MayPassOver(const std::string& data, const PlainLine& line, const LineSkip& skip, PlainFolders* folders = nullptr) {
  std::string stored = data.substr(line.start, line.next - line.start);
  if (line.cut || stored.empty() || stored.back() != '\n') return false;
  stored.pop_back();
  if (!stored.empty() && stored.back() == '\r') stored.pop_back();
  if (stored != line.text || line.text.size() > static_cast<std::size_t>(kLineLimit - 2)) return false;
  if (skip.stopAt != nullptr && data.data() + line.next - 1 >= skip.stopAt) return false;
  if (skip.keep[static_cast<unsigned char>(data[line.start])]) return folders != nullptr && folders->Follow(line.text);
  const std::size_t colon = line.text.find(':');
  return PassesLineTest(skip.test, skip.newFormat, line.text,
                        colon == std::string::npos ? nullptr : line.text.data() + colon);
}

std::string Repeat(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + "\r\n";
  return text;
}

// Catalog-like lines with every first character the skips look at, lines
// around the limit, stray CRs, NUL bytes, bare LFs, good and bad dates.
std::string RandomLines(std::mt19937& random) {
  static const std::string kShapes[] = {"|||Disc", "\\dir", "..", "<eof>", "* note", " blank:01/01/99",
                                        "@@@Old", ".hidden:01/01/99", "", "file:07/14/04", "file:13/45/99",
                                        "file 07-14-04", "nocolon", "a:b:02/29/00", "\\a:b", "...", ".",
                                        std::string("..\0x", 4), std::string("\\n\0ul", 6), "\\dir", "..", ".."};
  static const char* const kEnds[] = {"\r\n", "\r\n", "\r\n", "\r\n", "\n", "\r\r\n", "\r", ""};
  std::string data;
  const int lines = static_cast<int>(random() % 300);
  for (int i = 0; i < lines; ++i) {
    // Now and then folders nested as deep as readers allow, and deeper.
    if (random() % 100 == 0) data += Repeat("\\deep", 14 + static_cast<int>(random() % 4));
    const unsigned pick = random() % 44;
    std::string line = pick < std::size(kShapes) ? kShapes[pick] : "name" + std::to_string(random() % 1000) + ":01/02/03";
    if (random() % 30 == 0) line += std::string(200 + random() % 120, 'x');
    if (random() % 80 == 0) line.insert(random() % (line.size() + 1), 1, '\0');
    data += line + kEnds[random() % (random() % 20 == 0 ? 8 : 4)];
  }
  return data;
}

// Every other skip that keeps folder and climb lines follows them.
LineSkip RandomSkip(std::mt19937& random, const std::string& data) {
  static const std::string_view kKept[] = {kTitleLineStarts, kStructureLineStarts, kNonFileLineStarts, ""};
  static const LineTest kTests[] = {LineTest::None, LineTest::HoldsSeparator, LineTest::GoodDate};
  const std::string_view kept = kKept[random() % 4];
  const bool follows = kept.find('\\') != std::string_view::npos && random() % 2 == 0;
  LineSkip skip = MakeLineSkip(kept, kTests[random() % 3], random() % 4 != 0, follows);
  if (random() % 3 == 0 && !data.empty()) skip.stopAt = data.data() + random() % data.size();
  return skip;
}

// What the skips of one text passed over, and what they could have.
struct SkipCounts {
  std::size_t passedOver = 0;
  std::size_t mayPassOver = 0;
  std::size_t followed = 0;
  std::size_t missed = 0;  // lines handed out where a skip with room for more could have passed them
};

// Skips and reads lines in turn through `data`, the most lines of a skip
// chosen at random. With a skip that follows folders, the depth and folder
// path it leaves are those of the plain reading, the handed-out lines
// followed as a walk does.
void SkipAndReadThrough(const std::string& data, const LineSkip& skip, bool wide, std::mt19937& random,
                        SkipCounts& counts) {
  const std::vector<PlainLine> plain = ReadPlainly(data);
  LineScanner scanner;
  scanner.UseWideSteps(wide);
  scanner.Start(data.data(), data.data() + data.size(), kLineLimit);
  FolderPath path;
  FollowedFolders folders{0, &path, 0};
  PlainFolders model;
  char scratch[kLineBufferSize];
  std::size_t at = 0;
  while (scanner.HasData()) {
    const std::size_t most = random() % 4 == 0 ? random() % 5 : kAll;
    const std::size_t followedBefore = folders.lines;
    const std::size_t skipped = scanner.Skip(skip, most, &folders);
    ASSERT_LE(skipped, most);
    ASSERT_LE(at + skipped, plain.size());
    std::size_t followed = 0;
    for (std::size_t i = at; i < at + skipped; ++i) {
      const int depth = model.depth;
      ASSERT_TRUE(MayPassOver(data, plain[i], skip, skip.followsFolders ? &model : nullptr)) << "line " << i;
      followed += static_cast<std::size_t>(depth != model.depth);
    }
    ASSERT_EQ(folders.lines - followedBefore, followed);
    ASSERT_EQ(folders.depth, model.depth);
    ASSERT_EQ(std::string(path.Text()), model.path);
    PlainFolders ahead = model;
    for (std::size_t i = at; i < plain.size() && MayPassOver(data, plain[i], skip, skip.followsFolders ? &ahead : nullptr); ++i)
      ++counts.mayPassOver;
    counts.passedOver += skipped;
    counts.followed += followed;
    at += skipped;
    if (!scanner.HasData()) break;
    if (skipped < most && at < plain.size()) {
      PlainFolders next = model;
      counts.missed += static_cast<std::size_t>(MayPassOver(data, plain[at], skip, skip.followsFolders ? &next : nullptr));
    }
    bool cut = false;
    const std::string_view line = scanner.Next(scratch, cut);
    ASSERT_LT(at, plain.size());
    ASSERT_EQ(std::string(line), plain[at].text) << "line " << at;
    ASSERT_EQ(cut, plain[at].cut) << "line " << at;
    ASSERT_EQ(scanner.Cursor(), data.data() + plain[at].next) << "line " << at;
    ++at;
    // A handed-out folder, climb or end-of-title line moves the walk's
    // folders as well; one that breaks a depth rule ends its walk.
    if (skip.followsFolders) {
      const LineKind kind = ClassifyLine(plain[at - 1].text);
      if (kind == LineKind::EndOfTitle) {
        model = PlainFolders{};
        folders.depth = 0;
        path.Clear();
      }
      if (kind == LineKind::Folder || kind == LineKind::Climb) {
        if (!model.Follow(plain[at - 1].text)) return;
        folders.depth = model.depth;
        if (kind == LineKind::Folder) path.Enter(FolderLineName(plain[at - 1].text));
        if (kind == LineKind::Climb) path.Leave();
      }
    }
    if (at == plain.size()) break;
  }
  if (!skip.followsFolders) {
    ASSERT_EQ(at, plain.size());
  }
}

TEST(LineSkip, PassesOverOnlyLinesItMayAndHandsOutThePlainLinesAfter) {
  std::mt19937 random(2026);
  SkipCounts counts;
  for (int round = 0; round < 2000; ++round) {
    const std::string data = RandomLines(random);
    const LineSkip skip = RandomSkip(random, data);
    SCOPED_TRACE(round);
    SkipAndReadThrough(data, skip, round % 2 == 0, random, counts);
    if (HasFatalFailure()) return;
  }
  // Most lines that may be passed over are: only the last bytes of a text and
  // blocks with a stray CR are read line by line.
  EXPECT_GT(counts.passedOver * 2, counts.mayPassOver);
  EXPECT_GT(counts.followed, 1000u);
}

// A file line's date as a scan writes it, and now and then what the date
// test must read whole: a bad date, a leap day, the last days of a month,
// a date of another shape, none at all, a ":" in the name.
std::string RandomDate(std::mt19937& random) {
  static const char* const kRare[] = {"02/29/00", "02/29/01", "02/30/04", "04/31/02", "12/31/99", "01/31/50",
                                      "13/01/99", "00/10/99", "10/00/99", "06/15/51", "06/15/79", "06/15/80",
                                      "1/2/03", "01/02/3", "01/02/2003", "01-02/03", "0a/02/03", "", "01/02/03 ", "9:01/02/03"};
  const unsigned pick = random() % 200;
  if (pick < std::size(kRare)) return kRare[pick];
  char date[9];
  std::snprintf(date, sizeof date, "%02u%c%02u%c%02u", 1 + static_cast<unsigned>(random() % 12),
                random() % 4 == 0 ? '-' : '/', 1 + static_cast<unsigned>(random() % 28), random() % 4 == 0 ? '-' : '/',
                static_cast<unsigned>(80 + random() % 71) % 100);
  return date;
}

// A catalog as a scan writes it, file lines in nested folders with CR LF
// (or LF alone), and now and then what ends a search's passing over: a
// title, a file named ".x", a climb with a NUL, too many levels, a stray
// CR, a long line, a file line without ":".
std::string RandomCatalogLines(std::mt19937& random) {
  std::string data;
  int depth = 0;
  const char* const lineEnd = random() % 3 == 0 ? "\n" : "\r\n";
  const int lines = 500 + static_cast<int>(random() % 2000);
  for (int i = 0; i < lines; ++i) {
    const unsigned pick = random() % 1000;
    std::string line;
    if (pick < 100 && (depth < 15 || pick == 0)) {
      line = "\\d" + std::string(random() % 40, 'n');
      // A backslash inside a name: the climb out of it leaves the name's first part.
      if (pick % 10 == 0) line.insert(1 + random() % (line.size() - 1), 1, '\\');
      ++depth;
    } else if (pick < 200 && depth > 0) {
      line = pick < 198 ? ".." : std::string("..\0z", 4);
      --depth;
    } else if (pick < 202) {
      line = pick == 200 ? "|||Disc" : ".x:01/01/99";
    } else if (pick == 202) {
      line = random() % 2 == 0 ? "a\rb:01/01/99" : std::string(250 + random() % 20, 'y');
    } else if (pick == 203) {
      line = "nodate";
    } else {
      line = std::string(1 + random() % 30, 'f') + ":" + RandomDate(random);
    }
    // Now and then a line ends in LF alone among CR LF lines.
    data += line + (pick == 204 ? "\n" : lineEnd);
  }
  return data;
}

// Long runs of blocks that a search (no line test) and the bad-date scan
// (the date test) pass over whole: every line passed is one they may pass,
// and with AVX2 hardly a line they may pass is handed out, not even a
// folder line that runs on into the next block or a date that ends right
// after a block's last byte.
TEST(LineSkip, SearchesAndDateScansPassOverCatalogsAsThePlainReadingDoes) {
  for (const LineTest test : {LineTest::None, LineTest::GoodDate}) {
    std::mt19937 random(1209);
    SkipCounts counts[2];
    for (int round = 0; round < 300; ++round) {
      const std::string data = RandomCatalogLines(random);
      LineSkip skip = MakeLineSkip(kStructureLineStarts, test, true, round % 4 != 0);
      if (round % 3 == 0) skip.stopAt = data.data() + random() % data.size();
      const bool wide = round % 2 == 0;
      SCOPED_TRACE(round);
      SkipAndReadThrough(data, skip, wide, random, counts[wide]);
      if (HasFatalFailure()) return;
    }
    SCOPED_TRACE(static_cast<int>(test));
    EXPECT_GT(counts[true].followed, 10000u);
    EXPECT_GT(counts[false].followed, 10000u);
    if (ProcessorHasAvx2()) {
      EXPECT_LT(counts[true].missed * 100, counts[true].passedOver) << counts[true].missed;
    }
  }
}

// Moving towards the places where a title line may start, then reading a
// line: every line so read is a line of the plain reading, and no title line
// is missed, also where '|' and '@' stand inside lines, after CRs or right
// where a long line is cut. Both searches for the bytes, AVX2 and SSE2.
TEST(LineScanner, MovingTowardsTitleStartsReadsEveryTitleLine) {
  const std::string kTricky[] = {"a|b:01/01/99", "x@@@y", std::string(259, 'c') + "|||cut", "\r\r|||crs",
                                 std::string(258, 'c') + "\r|||x", "\r@@@old", "@@not", "||", "|"};
  std::mt19937 random(77);
  for (int round = 0; round < 1500; ++round) {
    std::string data = RandomLines(random);
    for (int i = static_cast<int>(random() % 4); i > 0; --i) {
      const std::size_t at = data.empty() ? 0 : random() % data.size();
      data.insert(at, kTricky[random() % std::size(kTricky)] + (random() % 3 == 0 ? "" : "\r\n"));
    }
    std::map<std::size_t, std::string> plainLines;
    std::vector<std::string> plainTitles;
    for (const PlainLine& line : ReadPlainly(data)) {
      plainLines[line.start] = line.text;
      if (ClassifyLine(line.text) == LineKind::Title) plainTitles.push_back(line.text);
    }
    LineScanner scanner;
    scanner.UseWideSteps(round % 2 == 0);
    scanner.Start(data.data(), data.data() + data.size(), kLineLimit);
    char scratch[kLineBufferSize];
    std::vector<std::string> titles;
    for (;;) {
      scanner.MoveTowards(kTitleLineStarts);
      if (!scanner.HasData()) break;
      const auto start = static_cast<std::size_t>(scanner.Cursor() - data.data());
      bool cut = false;
      const std::string line(scanner.Next(scratch, cut));
      ASSERT_TRUE(plainLines.count(start) == 1 && plainLines[start] == line) << round << " at " << start;
      if (ClassifyLine(line) == LineKind::Title) titles.push_back(line);
    }
    ASSERT_EQ(titles, plainTitles) << round;
  }
}

// Passes over as much as it can from the start of `data`, then returns how
// many lines that was and the next line.
std::pair<std::size_t, std::string> SkipFromStart(const std::string& data, const LineSkip& skip,
                                                  std::size_t most = kAll) {
  LineScanner scanner;
  scanner.Start(data.data(), data.data() + data.size(), kLineLimit);
  const std::size_t skipped = scanner.Skip(skip, most);
  char scratch[kLineBufferSize];
  bool cut = false;
  return {skipped, scanner.HasData() ? std::string(scanner.Next(scratch, cut)) : "<end>"};
}

TEST(LineSkip, StopsAtTheFirstLineItKeeps) {
  const LineSkip titles = MakeLineSkip(kTitleLineStarts);
  const LineSkip files = MakeLineSkip(kNonFileLineStarts, LineTest::HoldsSeparator, true);
  const LineSkip goodDates = MakeLineSkip(kStructureLineStarts, LineTest::GoodDate, true);
  // 300 lines of 20 bytes, the middle line, 300 more, a title and 300 more:
  // a middle line that may be passed over makes 601 lines up to the title.
  struct Case {
    std::string middle;
    const LineSkip* skip;
    std::size_t skipped;
  };
  const Case cases[] = {
      {"|||Disc", &titles, 300},
      {"@@@Old", &titles, 300},
      {"\\folder", &titles, 601},
      {"\\folder", &files, 300},
      {"..", &files, 300},
      {"<eof>", &goodDates, 300},
      {"* note", &files, 300},
      {" blank:01/01/99", &files, 300},
      {"", &files, 300},
      {"", &titles, 601},
      {"nocolon", &files, 300},
      {"bad:13/01/99", &goodDates, 300},
      {"leap:02/29/00", &goodDates, 601},
      {"nodate", &goodDates, 601},
      // The limit: 258 characters are read in place, 259 are cut.
      {std::string(258, 'a'), &titles, 601},
      {std::string(259, 'a'), &titles, 300},
  };
  const std::string files300 = Repeat("photo.jpg:07/14/04", 300);
  for (const Case& c : cases) {
    const std::string data = files300 + c.middle + "\r\n" + files300 + "|||End\r\n" + files300;
    const auto [skipped, next] = SkipFromStart(data, *c.skip);
    EXPECT_EQ(skipped, c.skipped) << c.middle.substr(0, 20);
    EXPECT_EQ(next, c.skipped == 300 ? c.middle : "|||End") << c.middle.substr(0, 20);
  }
  // A stray CR ends the passing over before its 64-byte block (bytes 5952 to
  // 6015): 297 lines end before it.
  const std::string stray = files300 + "a\rb:01/01/99\r\n" + files300;
  EXPECT_EQ(SkipFromStart(stray, files).first, 297u);
}

TEST(LineSkip, StopsBeforeTheLineThatReachesTheStopAndAfterTheMostLines) {
  const std::string data = Repeat("photo.jpg:07/14/04", 300);  // 20 bytes a line
  LineSkip files = MakeLineSkip(kNonFileLineStarts);
  // The LF of line 100 is its 20th byte: a stop there keeps line 100, a stop
  // one byte further lets it go.
  files.stopAt = data.data() + 99 * 20 + 19;
  EXPECT_EQ(SkipFromStart(data, files).first, 99u);
  files.stopAt = data.data() + 99 * 20 + 20;
  EXPECT_EQ(SkipFromStart(data, files).first, 100u);
  files.stopAt = nullptr;
  EXPECT_EQ(SkipFromStart(data, files, 199).first, 199u);
  EXPECT_EQ(SkipFromStart(data, files, 0).first, 0u);
}

// File lines of a few KB, each with a date text of random bytes around the
// usual shape: the lines passed over in whole blocks are exactly those the
// line test lets go, with either block reader, up to the first it does not.
std::string RandomDatedLines(std::mt19937& random) {
  static const char kDateBytes[] = "0123456789//--.:x 0019";
  std::string data;
  const int lines = 100 + static_cast<int>(random() % 200);
  for (int i = 0; i < lines; ++i) {
    std::string line = random() % 50 == 0 ? "\\dir" : "f" + std::to_string(random() % 100000);
    const unsigned shape = random() % 8;
    if (shape == 0) {
      for (int k = static_cast<int>(random() % 11); k > 0; --k) line += kDateBytes[random() % (sizeof kDateBytes - 1)];
    } else if (shape != 1) {
      // Mostly the usual shape, with random digits: months and days out of range too.
      char date[9];
      const auto digit = [&](unsigned below) { return static_cast<char>('0' + random() % below); };
      const char first = digit(2), second = digit(10), firstSeparator = random() % 4 == 0 ? '-' : '/';
      const char third = digit(4), fourth = digit(10), secondSeparator = random() % 9 == 0 ? '-' : '/';
      const char fifth = digit(10), sixth = digit(10);
      std::snprintf(date, sizeof date, "%c%c%c%c%c%c%c%c", first, second, firstSeparator, third, fourth, secondSeparator,
                    fifth, sixth);
      line += ":" + std::string(date);
      if (random() % 40 == 0) line[line.size() - 1 - random() % 8] = kDateBytes[random() % (sizeof kDateBytes - 1)];
    }
    if (random() % 30 == 0) line.insert(0, "x:");
    data += line + (random() % 6 == 0 ? "\r\n" : "\n");
  }
  return data;
}

TEST(LineSkip, BothBlockReadersPassOverExactlyTheLinesTheLineTestLetsGo) {
  std::mt19937 random(4711);
  const LineTest kTests[] = {LineTest::None, LineTest::HoldsSeparator, LineTest::GoodDate};
  std::size_t passedOver = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string data = RandomDatedLines(random);
    const std::vector<PlainLine> plain = ReadPlainly(data);
    const LineSkip skip = MakeLineSkip(round % 5 == 0 ? kTitleLineStarts : kStructureLineStarts, kTests[round % 3], true);
    LineScanner scanner;
    scanner.UseWideSteps(round % 2 == 0);
    scanner.Start(data.data(), data.data() + data.size(), kLineLimit);
    char scratch[kLineBufferSize];
    std::size_t at = 0;
    while (scanner.HasData()) {
      const std::size_t most = random() % 3 == 0 ? 1 + random() % 150 : kAll;
      const std::size_t skipped = scanner.Skip(skip, most);
      ASSERT_LE(at + skipped, plain.size()) << round;
      for (std::size_t i = at; i < at + skipped; ++i) ASSERT_TRUE(MayPassOver(data, plain[i], skip)) << round << " " << i;
      at += skipped;
      passedOver += skipped;
      if (!scanner.HasData()) break;
      // It stops at a line it may not pass over, after the most lines, or
      // at a line that runs into the last bytes, fewer than a block.
      if (skipped < most && MayPassOver(data, plain[at], skip)) {
        ASSERT_LT(data.size() - plain[at].next, std::size_t{64}) << round << " line " << at;
      }
      bool cut = false;
      const std::string_view line = scanner.Next(scratch, cut);
      ASSERT_EQ(std::string(line), plain[at].text) << round << " line " << at;
      ++at;
    }
    ASSERT_EQ(at, plain.size()) << round;
  }
  EXPECT_GT(passedOver, 100000u);
}

// The block readers against one byte at a time, for kept sets of every size.
TEST(BlockMasks, BothReadersAgreeWithTheBytes) {
  std::mt19937 random(99);
  const char kBytes[] = "\n\r:|@\\.<* a0/-\x80\xff";
  for (int round = 0; round < 20000; ++round) {
    char block[64];
    for (char& c : block) c = random() % 3 == 0 ? static_cast<char>(random()) : kBytes[random() % (sizeof kBytes - 1)];
    std::string kept;
    for (int k = static_cast<int>(random() % 11); k > 0; --k) kept += round % 4 == 0 ? static_cast<char>(random()) : kBytes[random() % (sizeof kBytes - 1)];
    const LineSkip skip = MakeLineSkip(kept);
    BlockMasks expected{};
    for (int i = 0; i < 64; ++i) {
      const std::uint64_t bit = std::uint64_t{1} << i;
      if (block[i] == '\n') expected.lf |= bit;
      if (block[i] == '\r') expected.cr |= bit;
      if (block[i] == ':') expected.colon |= bit;
      if (skip.keptBytes.count >= 0 && skip.keep[static_cast<unsigned char>(block[i])]) expected.kept |= bit;
    }
    const auto check = [&](void (*read)(const char*, std::size_t, const BlockKeptBytes*, BlockMasks*)) {
      BlockMasks masks[2] = {};
      char twice[128];
      std::memcpy(twice, block, 64);
      std::memcpy(twice + 64, block, 64);
      read(twice, 2, &skip.keptBytes, masks);
      for (const BlockMasks& got : masks) {
        ASSERT_EQ(got.lf, expected.lf) << round;
        ASSERT_EQ(got.cr, expected.cr) << round;
        ASSERT_EQ(got.colon, expected.colon) << round;
        ASSERT_EQ(got.kept, expected.kept) << round << " kept " << kept.size();
      }
    };
    check(ReadBlockMasksSse2);
    if (ProcessorHasAvx2()) check(ReadBlockMasksAvx2);
  }
}

}  // namespace
}  // namespace vardek
