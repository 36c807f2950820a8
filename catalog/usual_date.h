#pragma once
// The usual date text, MM/DD/YY or MM-DD-YY, read and judged eight bytes at
// once. A plain header: the AVX2 block pass includes it, so its functions
// are internal to each file that includes it (see lowest_bit.h) and its
// tables (catalog_format.h makes them) are handed in.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vardek {

// Month and day pairs (month * 32 + day) of one kind of year; pair 0 is no
// date.
inline constexpr std::size_t kMonthDayPairs = 13 * 32;

// The word readings' constants, for the scalar ones here and the vector
// one of the AVX2 block pass. A separator of either kind ("/" and "-"
// differ in one bit) becomes "/" by kSeparatorBit; xor with kUsualZeros
// turns the digits into their values and the separators into 0; adding
// kOverNine sets the top bit of a digit's byte over 9 and of a separator's
// over 0.
inline constexpr std::uint64_t kSeparatorBit = 0x0000020000020000u;
inline constexpr std::uint64_t kUsualZeros = 0x30302F30302F3030u;
inline constexpr std::uint64_t kOverNine = 0x76767F76767F7676u;
// Added to the pairs (month, day, year in bytes 0, 3 and 6), each sets a
// byte's top bit: kAboveMonthAndYear at a month over 12 and a year over 50,
// kAboveDay at a day over 28, kFromBounds at a month and day of 1 or more
// and a year of 80 or more. The other bytes add nothing, and no carry runs
// between bytes, which hold 99 at most.
inline constexpr std::uint64_t kAboveMonthAndYear = 0x004D000000000073u;
inline constexpr std::uint64_t kAboveDay = 0x0000000063000000u;
inline constexpr std::uint64_t kFromBounds = 0x003000007F00007Fu;

struct UsualDateTables {
  // What each two-digit year allows: 0 a year out of range, 1 a common
  // year, 2 a leap year.
  const std::uint8_t* yearKinds;
  // For each kind, row by row, the pairs that make a date.
  const bool* goodMonthDays;
};

// The eight bytes of a date text of the usual shape read at once without a
// branch: true when they are of it, and then `values` holds each digit's
// value in its own byte (0, 1, 3, 4, 6, 7; the separators' bytes read 0).
// Never true off little-endian machines, whose callers take their
// byte-by-byte way.
static inline bool ReadUsualDateWord(const char* text, std::uint64_t& values) {
  if constexpr (std::endian::native != std::endian::little) {
    values = 0;
    return false;
  } else {
    std::uint64_t word = 0;
    std::memcpy(&word, text, sizeof word);
    // Any other byte turns to something but a digit's value or 0.
    values = (word | kSeparatorBit) ^ kUsualZeros;
    // A byte that carries into the next had its own top bit set.
    return (((values + kOverNine) | values) & 0x8080808080808080u) == 0;
  }
}

// Byte k of the digits' values becomes ten times digit k and digit k + 1:
// month, day and year land in bytes 0, 3 and 6.
static inline std::uint64_t UsualDatePairs(std::uint64_t values) { return values * 10 + (values >> 8); }

// The tables' verdict on the pairs of a date (any pairs where not `shaped`).
static inline bool LookUpUsualDate(std::uint64_t pairs, bool shaped, const UsualDateTables& tables) {
  const auto month = static_cast<int>(pairs & 0xFF);
  const auto day = static_cast<int>((pairs >> 24) & 0xFF);
  const auto year = static_cast<std::size_t>(shaped ? (pairs >> 48) & 0xFF : 0);
  const int pair = (month * 32 + day) * static_cast<int>((month <= 12) & (day <= 31));
  return tables.goodMonthDays[tables.yearKinds[year] * kMonthDayPairs + static_cast<std::size_t>(pair)];
}

// True when the eight bytes at `text` are a good date of the usual shape,
// judged as IsGoodDateText judges them; `shaped` is false for a text of
// another shape, which it leaves to IsGoodDateText. Without a branch, for
// dates that come good and bad in no order a processor could foresee.
static inline bool UsualDateIsGood(const char* text, const UsualDateTables& tables, bool& shaped) {
  std::uint64_t values = 0;
  shaped = ReadUsualDateWord(text, values);
  return LookUpUsualDate(UsualDatePairs(values), shaped, tables);
}

// True when the eight bytes at `text` alone tell a good date of the usual
// shape, without the tables and without a branch: a month of 1 to 12, a
// day of 1 to 28 (in every month) and a year of the range. Most good dates
// are told so.
static inline bool TellsGoodUsualDate(const char* text) {
  std::uint64_t values = 0;
  const bool shaped = ReadUsualDateWord(text, values);
  const std::uint64_t pairs = UsualDatePairs(values);
  const std::uint64_t above = pairs + (kAboveMonthAndYear | kAboveDay);
  const std::uint64_t from = pairs + kFromBounds;
  constexpr std::uint64_t kMonthAndDay = 0x0000000080000080u;
  constexpr std::uint64_t kYear = 0x0080000000000000u;
  const std::uint64_t bad = ((above | ~from) & kMonthAndDay) | (above & ~from & kYear);
  return shaped & (bad == 0);
}

// True when the eight bytes at `text` are a good date of the usual shape,
// for a pass where nearly every date is: the days after the 28th go to the
// tables.
static inline bool IsGoodUsualDate(const char* text, const UsualDateTables& tables) {
  if (TellsGoodUsualDate(text)) return true;
  std::uint64_t values = 0;
  return ReadUsualDateWord(text, values) && LookUpUsualDate(UsualDatePairs(values), true, tables);
}

}  // namespace vardek
