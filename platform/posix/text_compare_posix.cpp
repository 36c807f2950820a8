#include "platform/text_compare.h"

namespace vardek::platform {

namespace {

// Weights of Windows-1252 bytes. Without the Windows locale service the
// comparison follows its outline: symbols before digits before letters,
// accented letters beside their base letter, case ignored, and hyphens and
// apostrophes weighed only when everything else is equal.

constexpr int kIgnored = 0;
constexpr int kDigitBase = 300;
constexpr int kLetterBase = 400;

bool IsIgnorable(unsigned char c) { return c == '-' || c == '\''; }

bool IsCapital(unsigned char c) { return FoldCase(c) != c; }

// The base letter (0-25, 26 for thorn) of a folded letter, or -1.
int BaseLetter(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  switch (c) {
    case 0x9A: case 0xDF: return 's' - 'a';  // š, ß
    case 0x9C: return 'o' - 'a';              // œ
    case 0x9E: return 'z' - 'a';              // ž
    case 0xFF: case 0xFD: return 'y' - 'a';   // ÿ, ý
    case 0xE7: return 'c' - 'a';              // ç
    case 0xF0: return 'd' - 'a';              // ð
    case 0xF1: return 'n' - 'a';              // ñ
    case 0xFE: return 26;                     // þ, after z
    default: break;
  }
  if (c >= 0xE0 && c <= 0xE6) return 'a' - 'a';  // à-å, æ
  if (c >= 0xE8 && c <= 0xEB) return 'e' - 'a';
  if (c >= 0xEC && c <= 0xEF) return 'i' - 'a';
  if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8) return 'o' - 'a';
  if (c >= 0xF9 && c <= 0xFC) return 'u' - 'a';
  return -1;
}

int PrimaryWeight(unsigned char c) {
  if (IsIgnorable(c)) return kIgnored;
  const unsigned char folded = FoldCase(c);
  const int letter = BaseLetter(folded);
  if (letter >= 0) return kLetterBase + letter;
  if (c >= '0' && c <= '9') return kDigitBase + (c - '0');
  return 1 + c;  // symbols and controls keep their byte order, before digits
}

int AccentWeight(unsigned char c) { return IsIgnorable(c) ? kIgnored : 1 + FoldCase(c); }
int FoldedWeight(unsigned char c) { return 1 + FoldCase(c); }
int CaseWeight(unsigned char c) { return IsCapital(c) ? 2 : 1; }

// Every weight looked up from a table made once: a sort compares millions of times.
struct WeightTable {
  int of[256];
};

template <typename Weight>
WeightTable MakeTable(Weight weight) {
  WeightTable table{};
  for (int c = 0; c < 256; ++c) table.of[c] = weight(static_cast<unsigned char>(c));
  return table;
}

const WeightTable& PrimaryWeights() {
  static const WeightTable table = MakeTable(PrimaryWeight);
  return table;
}
const WeightTable& AccentWeights() {
  static const WeightTable table = MakeTable(AccentWeight);
  return table;
}
const WeightTable& FoldedWeights() {
  static const WeightTable table = MakeTable(FoldedWeight);
  return table;
}
const WeightTable& CaseWeights() {
  static const WeightTable table = MakeTable(CaseWeight);
  return table;
}

// Compares the two texts by one weight; characters weighing kIgnored are
// passed over. A text that runs out first is the smaller.
int CompareBy(const unsigned char* a, const unsigned char* b, const WeightTable& table) {
  const int* weight = table.of;
  for (;;) {
    while (*a != '\0' && weight[*a] == kIgnored) ++a;
    while (*b != '\0' && weight[*b] == kIgnored) ++b;
    if (*a == '\0' || *b == '\0') return (*a == '\0' ? 0 : 1) - (*b == '\0' ? 0 : 1);
    const int difference = weight[*a] - weight[*b];
    if (difference != 0) return difference < 0 ? -1 : 1;
    ++a;
    ++b;
  }
}

int CompareNoCase(const unsigned char* a, const unsigned char* b) {
  if (const int r = CompareBy(a, b, PrimaryWeights()); r != 0) return r;
  if (const int r = CompareBy(a, b, AccentWeights()); r != 0) return r;
  return CompareBy(a, b, FoldedWeights());
}

// The order of each byte's primary weight among all of them, from 1; 0 for
// a byte that is passed over. Fewer than 256 weights differ.
struct RankTable {
  unsigned char of[256];
};

RankTable MakeRanks() {
  const WeightTable& weights = PrimaryWeights();
  RankTable ranks{};
  for (int c = 0; c < 256; ++c) {
    if (weights.of[c] == kIgnored) continue;
    bool seen[1024] = {};
    int smaller = 0;
    for (int other = 0; other < 256; ++other) {
      const int w = weights.of[other];
      if (w != kIgnored && w < weights.of[c] && !seen[w]) {
        seen[w] = true;
        ++smaller;
      }
    }
    ranks.of[c] = static_cast<unsigned char>(smaller + 1);
  }
  return ranks;
}

}  // namespace

SortPrefix SortPrefixNoCase(const char* text) {
  static const RankTable ranks = MakeRanks();
  // The first sixteen primary weights, as ranks, one byte each: their order
  // is the first step of CompareNoCase, and a text that ends first is smaller.
  std::uint64_t parts[2] = {0, 0};
  const auto* at = reinterpret_cast<const unsigned char*>(text);
  for (int taken = 0; taken < 16 && *at != '\0'; ++at) {
    const unsigned char rank = ranks.of[*at];
    if (rank == 0) continue;
    parts[taken / 8] |= std::uint64_t{rank} << (8 * (7 - taken % 8));
    ++taken;
  }
  return {parts[0], parts[1]};
}

int CompareTextNoCase(const char* a, const char* b) {
  return CompareNoCase(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b));
}

int CompareText(const char* a, const char* b) {
  const auto* ua = reinterpret_cast<const unsigned char*>(a);
  const auto* ub = reinterpret_cast<const unsigned char*>(b);
  if (const int r = CompareNoCase(ua, ub); r != 0) return r;
  // Texts that differ only in case: a small letter before its capital.
  return CompareBy(ua, ub, CaseWeights());
}

// The three-step comparison has no key of its own here; sorts compare the texts.
bool AppendSortKeyNoCase(const char*, std::string&) { return false; }

}  // namespace vardek::platform
