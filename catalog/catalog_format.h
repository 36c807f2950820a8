#pragma once
// The rules of the catalog text that every reader and writer shares.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalog/usual_date.h"

namespace vardek {

inline constexpr const char* kNewTitleMarker = "|||";
inline constexpr const char* kOldTitleMarker = "@@@";
inline constexpr const char* kClimbLine = "..";
inline constexpr const char* kEndOfTitleLine = "<eof>";
inline constexpr const char* kTempExtension = ".$$$";
inline constexpr const char* kCatalogExtension = ".cat";
inline constexpr char kNewSeparator = ':';
inline constexpr char kOldSeparator = ' ';

inline constexpr int kMaxTitleLineLength = 85;
inline constexpr int kMaxDescriptionLength = 79;   // what the scan accepts
inline constexpr int kMaxFolderLevels = 16;        // the folder level at which readers stop
inline constexpr int kDateTextLength = 8;
// From the end of an old-format file line: the separating space.
inline constexpr int kOldSeparatorFromEnd = 9;

enum class LineKind { Comment, BlankLed, Title, Folder, Climb, EndOfTitle, File };

// Decides a line's kind by its first characters, first match winning. Callers
// that do not skip blank-led lines treat them as file lines.
LineKind ClassifyLine(const char* line);
// The same for a line that may hold NUL bytes and need not be terminated: it
// reads as its zero-terminated copy would.
inline LineKind ClassifyLine(std::string_view line) {
  if (line.empty()) return LineKind::File;
  switch (line[0]) {
    case '*': return LineKind::Comment;
    case ' ': return LineKind::BlankLed;
    case '|': return LineKind::Title;
    case '\\': return LineKind::Folder;
    case '<': return LineKind::EndOfTitle;
    case '@':
      if (line.size() >= 3 && line[1] == '@' && line[2] == '@') return LineKind::Title;
      return LineKind::File;
    case '.':
      if (line.size() >= 2 && line[1] == '.' && (line.size() == 2 || line[2] == '\0')) return LineKind::Climb;
      return LineKind::File;
    default: return LineKind::File;
  }
}

// Where the first title line at or after `offset` starts (a line start is
// right after an LF); `size` when there is none.
std::size_t NextTitleLine(const char* data, std::size_t size, std::size_t offset);

// Text of a title line from its fourth character ("" when it is shorter).
const char* TitleDescription(const char* line);

// New format: the file starts with "*" or "|||".
bool IsNewFormat(const char* data, std::size_t size);

struct CatalogDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The decimal number at `position`, up to its first non-digit; 0 when none.
int ReadDecimalAt(std::string_view text, std::size_t position);

// 80-99 -> 1980-1999 and 0-50 -> 2000-2050, the years a catalog's dates may
// hold; 51-79 stay two-digit years, which no date allows. Written without
// branches: the years of a catalog fall on both sides at random.
constexpr int WidenYear(int storedYear) {
  const auto year = static_cast<unsigned>(storedYear);
  return storedYear + 1900 * static_cast<int>(year - 80u <= 19u) + 2000 * static_cast<int>(year <= 50u);
}

constexpr bool IsLeapYear(int year) {
  return ((year & 3) == 0) & ((year % 100 != 0) | (year % 400 == 0));
}

inline constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Year 1980-2050, month 1-12, day within the month. Without branches: the
// bad-date scan tests one date a line, and the dates of a catalog fall on
// both sides at random.
constexpr bool IsValidDate(const CatalogDate& date) {
  const bool yearValid = static_cast<unsigned>(date.year - 1980) <= 70u;
  const bool monthValid = static_cast<unsigned>(date.month - 1) <= 11u;
  const int days = kMonthLengths[monthValid ? date.month - 1 : 0] +
                   static_cast<int>((date.month == 2) & IsLeapYear(date.year));
  return yearValid & monthValid & (static_cast<unsigned>(date.day - 1) < static_cast<unsigned>(days));
}

// For the usual date text, looked up rather than reckoned (by the rule
// above): what a two-digit year allows and, for each kind of year, the
// month and day pairs that make a date (usual_date.h says how).
inline constexpr auto kUsualYearKinds = [] {
  std::array<std::uint8_t, 100> kinds{};
  for (int stored = 0; stored < 100; ++stored) {
    const int year = WidenYear(stored);
    kinds[static_cast<std::size_t>(stored)] =
        static_cast<std::uint8_t>(IsValidDate({year, 1, 1}) ? 1 + static_cast<int>(IsLeapYear(year)) : 0);
  }
  return kinds;
}();
inline constexpr auto kGoodMonthDays = [] {
  std::array<bool, 3 * kMonthDayPairs> good{};
  for (int kind = 1; kind <= 2; ++kind) {
    const int year = kind == 2 ? 2000 : 2001;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day < 32; ++day)
        good[static_cast<std::size_t>(kind) * kMonthDayPairs + static_cast<std::size_t>(month * 32 + day)] =
            IsValidDate({year, month, day});
    }
  }
  return good;
}();
inline constexpr UsualDateTables kUsualDateTables{kUsualYearKinds.data(), kGoodMonthDays.data()};

// ReadDateText for any text, not only the usual shape.
CatalogDate ReadAnyDateText(std::string_view dateText);

// Month at the date text's first character, day at its fourth, year at its
// seventh, each ending at the first non-digit; a missing number reads 0.
// The year is widened as WidenYear says. The shape
// the program writes, MM/DD/YY or MM-DD-YY, is read inline: the bad-date
// scan reads one for every file line.
inline CatalogDate ReadDateText(std::string_view dateText) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const char* t = dateText.data();
  if (dateText.size() < 8 || !digit(t[0]) || !digit(t[1]) || digit(t[2]) || !digit(t[3]) || !digit(t[4]) ||
      digit(t[5]) || !digit(t[6]) || !digit(t[7]) || (dateText.size() > 8 && digit(t[8])))
    return ReadAnyDateText(dateText);
  CatalogDate date;
  date.month = (t[0] - '0') * 10 + (t[1] - '0');
  date.day = (t[3] - '0') * 10 + (t[4] - '0');
  date.year = WidenYear((t[6] - '0') * 10 + (t[7] - '0'));
  return date;
}

// A date text the bad-date scan passes: a calendar date from 1980 to 2050.
// The numbers are read whole: a year such as 65616 stays invalid instead of
// wrapping round to a plausible one. The usual text of eight characters is
// read without branches: the scan tests one date a line.
inline bool IsGoodDateText(std::string_view dateText) {
  const auto digit = [](char c) { return static_cast<int>(static_cast<unsigned>(c - '0') <= 9u); };
  const char* t = dateText.data();
  if (dateText.size() == 8 && (digit(t[0]) & digit(t[1]) & (digit(t[2]) ^ 1) & digit(t[3]) & digit(t[4]) &
                               (digit(t[5]) ^ 1) & digit(t[6]) & digit(t[7])) != 0) {
    const int month = (t[0] - '0') * 10 + (t[1] - '0');
    const int day = (t[3] - '0') * 10 + (t[4] - '0');
    const int kind = kUsualYearKinds[static_cast<std::size_t>((t[6] - '0') * 10 + (t[7] - '0'))];
    // Pair 0 is no date: a month or day beyond the table lands there.
    const int pair = (month * 32 + day) * static_cast<int>((month <= 12) & (day <= 31));
    return kGoodMonthDays[static_cast<std::size_t>(kind) * kMonthDayPairs + static_cast<std::size_t>(pair)];
  }
  return IsValidDate(ReadDateText(dateText));
}

struct FileLineParts {
  std::string_view name;
  std::string_view dateText;
};

// Splits a file line by the format's separator rule: the first ":" in the new
// format; in the old format the date is the last eight characters behind the
// ninth character from the end. False when the line has no room for it.
bool SplitFileLine(std::string_view line, bool newFormat, FileLineParts& parts);

// The check's separator rule for a file line: a ":" anywhere in the new
// format; in the old format a space nine characters from the end.
inline bool HasSeparator(std::string_view line, bool newFormat) {
  if (newFormat) return line.find(kNewSeparator) != std::string_view::npos;
  return line.size() >= static_cast<std::size_t>(kOldSeparatorFromEnd) &&
         line[line.size() - kOldSeparatorFromEnd] == kOldSeparator;
}

}  // namespace vardek
