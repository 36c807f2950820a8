#pragma once
// The rules of the catalog text that every reader and writer shares.
#include <cstddef>
#include <string_view>

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
inline constexpr int kMaxFolderLevels = 16;        // the scan's maximum depth
inline constexpr int kDateTextLength = 8;
// From the end of an old-format file line: the separating space.
inline constexpr int kOldSeparatorFromEnd = 9;

enum class LineKind { Comment, BlankLed, Title, Folder, Climb, EndOfTitle, File };

// Decides a line's kind by its first characters, first match winning. Callers
// that do not skip blank-led lines treat them as file lines.
LineKind ClassifyLine(const char* line);

// Text of a title line from its fourth character ("" when it is shorter).
const char* TitleDescription(const char* line);

// New format: the file starts with "*" or "|||".
bool IsNewFormat(const char* data, std::size_t size);

struct CatalogDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Month at the date text's first character, day at its fourth, year at its
// seventh, each ending at the first non-digit; a missing number reads 0.
// The year is widened (80-99 -> 1980-1999, 0-20 -> 2000-2020).
CatalogDate ReadDateText(std::string_view dateText);
// The decimal number at `position`, up to its first non-digit; 0 when none.
int ReadDecimalAt(std::string_view text, std::size_t position);
int WidenYear(int storedYear);
bool IsLeapYear(int year);
int DaysInMonth(int month, int year);
// Year 1980-2050, month 1-12, day within the month.
bool IsValidDate(const CatalogDate& date);

struct FileLineParts {
  std::string_view name;
  std::string_view dateText;
};

// Splits a file line by the format's separator rule: the first ":" in the new
// format; in the old format the date is the last eight characters behind the
// ninth character from the end. False when the line has no room for it.
bool SplitFileLine(std::string_view line, bool newFormat, FileLineParts& parts);

}  // namespace vardek
