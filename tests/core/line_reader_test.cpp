#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "catalog/line_reader.h"

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

}  // namespace
}  // namespace vardek
