#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "catalog/line_reader.h"
#include "catalog/line_scanner.h"

namespace vardek {
namespace {

struct Line {
  std::string text;
  bool cut;
  bool operator==(const Line&) const = default;
};

std::vector<Line> ReadAll(const std::string& data, int limit) {
  std::vector<Line> lines;
  const char* cursor = data.data();
  const char* end = cursor + data.size();
  std::vector<char> buffer(static_cast<std::size_t>(limit));
  while (cursor < end) {
    bool cut = false;
    const std::size_t length = ReadLine(cursor, end, buffer.data(), limit, cut);
    EXPECT_EQ(length, std::strlen(buffer.data()));
    lines.push_back({buffer.data(), cut});
  }
  return lines;
}

TEST(LineReader, DropsEveryCrAndEndsLinesAtLf) {
  const std::vector<Line> expected = {{"|||Disc", false}, {"a.txt:01/02/03", false}, {"<eof>", false}};
  EXPECT_EQ(ReadAll("|||Disc\r\na.txt:01/02/03\r\n<eof>\r\n", kLineLimit), expected);
  EXPECT_EQ(ReadAll("|||Disc\na.txt:01/02/03\n<eof>\n", kLineLimit), expected);
  EXPECT_EQ(ReadAll("|||Di\rsc\r\r\na.txt:01/0\r2/03\n<eof>", kLineLimit), expected);
}

TEST(LineReader, LastLineMayLackItsEnd) {
  const std::vector<Line> expected = {{"one", false}, {"two", false}};
  EXPECT_EQ(ReadAll("one\r\ntwo", kLineLimit), expected);
}

TEST(LineReader, LineOf258CharactersArrivesWhole) {
  const std::string line(258, 'x');
  const std::vector<Line> expected = {{line, false}, {"next", false}};
  EXPECT_EQ(ReadAll(line + "\r\nnext\r\n", kLineLimit), expected);
}

TEST(LineReader, LineOf259CharactersIsCutAndFollowedByAnEmptyLine) {
  const std::string line(259, 'x');
  const std::vector<Line> expected = {{line, true}, {"", false}, {"next", false}};
  EXPECT_EQ(ReadAll(line + "\r\nnext\r\n", kLineLimit), expected);
}

TEST(LineReader, RestOfALongLineArrivesAsTheNextLine) {
  const std::string line = std::string(259, 'a') + std::string(41, 'b');
  const std::vector<Line> expected = {{std::string(259, 'a'), true}, {std::string(41, 'b'), false}};
  EXPECT_EQ(ReadAll(line + "\r\n", kLineLimit), expected);
}

TEST(LineReader, ConversionLimitCutsAt254) {
  const std::string line(300, 'z');
  const std::vector<Line> expected = {{std::string(254, 'z'), true}, {std::string(46, 'z'), false}};
  EXPECT_EQ(ReadAll(line + "\r\n", kConversionLineLimit), expected);
}

TEST(LineReader, CrDoesNotCountTowardsTheLimit) {
  std::string line;
  for (int i = 0; i < 258; ++i) line += "x\r";
  const std::vector<Line> expected = {{std::string(258, 'x'), false}};
  EXPECT_EQ(ReadAll(line + "\n", kLineLimit), expected);
}

TEST(LineReader, TabsAreKept) {
  const std::vector<Line> expected = {{"a\tb", false}};
  EXPECT_EQ(ReadAll("a\tb\r\n", kLineLimit), expected);
}

// The reader's quick path must give exactly what the byte-by-byte rule gives.
std::vector<Line> ReadByTheRule(const std::string& data, int limit) {
  std::vector<Line> lines;
  std::size_t at = 0;
  while (at < data.size()) {
    Line line{"", false};
    while (at < data.size()) {
      const char c = data[at++];
      if (c == '\r') continue;
      if (c == '\n') break;
      line.text += c;
      if (static_cast<int>(line.text.size()) == limit - 1) {
        line.cut = true;
        break;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

TEST(LineReader, AgreesWithTheByteRuleOnRandomText) {
  std::mt19937 random(1234);
  const char alphabet[] = {'a', 'b', '\r', '\n', ':', '|'};
  for (int round = 0; round < 300; ++round) {
    std::string data;
    const int length = static_cast<int>(random() % 2000);
    const int bias = static_cast<int>(random() % 200);  // long runs without line ends
    for (int i = 0; i < length; ++i) {
      const unsigned pick = random() % (6 + static_cast<unsigned>(bias));
      data += pick < 6 ? alphabet[pick] : 'x';
    }
    for (int limit : {kLineLimit, kConversionLineLimit, 3, 2}) {
      ASSERT_EQ(ReadAll(data, limit), ReadByTheRule(data, limit)) << "round " << round << " limit " << limit;
    }
  }
}

// Catalog-like text: lines of every length around the limit and the 64-byte
// blocks, ended by CR LF, LF, stray CRs or nothing, with NUL bytes and CRs inside.
std::string RandomCatalogText(std::mt19937& random) {
  static const char* const kEnds[] = {"\r\n", "\r\n", "\r\n", "\n", "\r\r\n", "\r", ""};
  std::string data;
  const int lines = static_cast<int>(random() % 120);
  for (int i = 0; i < lines; ++i) {
    const unsigned shape = random() % 10;
    const std::size_t length = shape < 6 ? random() % 40 : shape < 9 ? 250 + random() % 20 : random() % 700;
    for (std::size_t c = 0; c < length; ++c) {
      const unsigned pick = random() % 400;
      data += pick == 0 ? '\r' : pick == 1 ? '\0' : pick == 2 ? '\n' : static_cast<char>('a' + pick % 26);
    }
    data += kEnds[random() % 7];
  }
  return data;
}

std::vector<Line> ScanAll(const std::string& data, int limit) {
  std::vector<Line> lines;
  LineScanner scanner;
  scanner.Start(data.data(), data.data() + data.size(), limit);
  std::vector<char> scratch(static_cast<std::size_t>(limit));
  while (scanner.HasData()) {
    bool cut = false;
    const std::string_view line = scanner.Next(scratch.data(), cut);
    lines.push_back({std::string(line), cut});
  }
  return lines;
}

// Every line by ReadLine, NUL bytes inside kept.
std::vector<Line> ReadAllWhole(const std::string& data, int limit) {
  std::vector<Line> lines;
  const char* cursor = data.data();
  const char* end = cursor + data.size();
  std::vector<char> buffer(static_cast<std::size_t>(limit));
  while (cursor < end) {
    bool cut = false;
    const std::size_t length = ReadLine(cursor, end, buffer.data(), limit, cut);
    lines.push_back({std::string(buffer.data(), length), cut});
  }
  return lines;
}

TEST(LineScanner, AgreesWithTheLineReaderOnRandomCatalogText) {
  std::mt19937 random(99);
  for (int round = 0; round < 800; ++round) {
    const std::string data = RandomCatalogText(random);
    for (int limit : {kLineLimit, kConversionLineLimit, 70, 3}) {
      ASSERT_EQ(ScanAll(data, limit), ReadAllWhole(data, limit)) << "round " << round << " limit " << limit;
    }
  }
}

TEST(LineScanner, HandsOutStoredLinesWithoutCopying) {
  const std::string data = std::string(100, 'a') + "\r\n" + std::string(258, 'b') + "\r\n" +
                           std::string(259, 'c') + "\r\n" + "d\re\r\n" + std::string(80, 'f') + "\r\n";
  LineScanner scanner;
  scanner.Start(data.data(), data.data() + data.size(), kLineLimit);
  char scratch[kLineBufferSize];
  bool cut = false;
  // Kept in place: 100 and 258 characters; copied: the cut line, its empty
  // rest, the line with a stray CR, and the last line (fewer than 64 bytes left).
  const bool expectedInData[] = {true, true, false, false, false, false};
  for (bool inData : expectedInData) {
    const std::string_view line = scanner.Next(scratch, cut);
    EXPECT_EQ(scanner.InData(line), inData) << line.size();
  }
  EXPECT_FALSE(scanner.HasData());
}

}  // namespace
}  // namespace vardek
