#pragma once
// Which lines a reader may pass over without having them handed out: a line
// whose first character it does not keep, that ends before a given place and
// that passes the reader's own test. Lines are passed over only where the
// line rule keeps them whole (no stray CR, below the limit), so every line
// handed out and every line number stays what the plain reading gives.
#include <array>
#include <cstddef>
#include <string_view>

#include "catalog/catalog_format.h"
#include "catalog/line_blocks.h"

namespace vardek {

class FolderPath;

enum class LineTest {
  None,            // any line whose first character is not kept
  HoldsSeparator,  // a file line that passes the check's separator rule
  GoodDate,        // a file line without a bad date (or without a date at all)
};

struct LineSkip {
  // keep[c]: a line starting with byte c is handed out.
  std::array<bool, 256> keep{};
  // A line whose LF lies at or after this place is handed out (nullptr: none).
  const char* stopAt = nullptr;
  LineTest test = LineTest::None;
  bool newFormat = true;  // the separator rule of the test
  // The kept first bytes again, as the block readers test them: MakeLineSkip
  // makes both from one list.
  BlockKeptBytes keptBytes{};
  // Kept folder and climb lines ("\", "..") that keep the depth rules are
  // passed over too where the reader follows them (FollowedFolders); the
  // line test is not theirs. Any other reader has them handed out.
  bool followsFolders = false;
};

// Keeps the lines that start with any of `kept` or fail `test`.
LineSkip MakeLineSkip(std::string_view kept, LineTest test = LineTest::None, bool newFormat = true,
                      bool followsFolders = false);

// The folder depth and path of a walk, which a pass-over that follows
// folders moves as it passes their lines.
struct FollowedFolders {
  int depth = 0;
  FolderPath* path = nullptr;  // none: the depth alone is kept
  std::size_t lines = 0;  // the folder and climb lines passed over
};

// The first characters of every line the depth rules look at: titles ("|",
// "@@@"), folders, climbs (".."), ends of titles. Any other line is a file,
// comment or blank-led line to them.
inline constexpr std::string_view kStructureLineStarts = "|@\\.<";
// Those and the comment and blank-led lines: any other line is a file line.
inline constexpr std::string_view kNonFileLineStarts = "|@\\.<* ";
// The first characters of title lines.
inline constexpr std::string_view kTitleLineStarts = "|@";

// `line` (without its line end) passes `test`; `colon` is its first ":" or nullptr.
inline bool PassesLineTest(LineTest test, bool newFormat, std::string_view line, const char* colon) {
  switch (test) {
    case LineTest::None:
      return true;
    case LineTest::HoldsSeparator:
      return newFormat ? colon != nullptr : HasSeparator(line, false);
    case LineTest::GoodDate: {
      if (newFormat) {
        if (colon == nullptr) return true;
        return IsGoodDateText(line.substr(static_cast<std::size_t>(colon - line.data()) + 1));
      }
      FileLineParts parts;
      return !SplitFileLine(line, false, parts) || IsGoodDateText(parts.dateText);
    }
  }
  return false;
}

}  // namespace vardek
