#include "browse/result_list.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"

namespace vardek {

bool StringPool::Start(std::uint32_t startSize, std::uint32_t growthStep) {
  Release();
  if (startSize == 0 || startSize > limit_) return false;
  block_ = static_cast<char*>(std::malloc(startSize));
  if (block_ == nullptr) return false;
  capacity_ = startSize;
  growthStep_ = growthStep == 0 ? 1 : growthStep;
  used_ = 0;
  return true;
}

namespace {

// The size a block of `capacity` units grows to when it must hold more than
// `needed` units: by half its size (whole steps), so that a long list moves
// its block a few times rather than once every step. The smallest growth,
// whole steps just past `needed`, is what `least` receives: it is tried when
// the larger one cannot be had, so a list fills up to the same size as when
// it grew a step at a time.
std::uint64_t GrownSize(std::uint64_t capacity, std::uint64_t step, std::uint64_t needed, std::uint64_t& least) {
  least = capacity + ((needed - capacity) / step + 1) * step;
  const std::uint64_t half = (capacity / 2 + step - 1) / step * step;
  return capacity + half > least ? capacity + half : least;
}

}  // namespace

bool StringPool::Resize(std::uint64_t size) {
  if (size > limit_ || size >= kNoOffset) return false;
  char* moved = static_cast<char*>(std::realloc(block_, static_cast<std::size_t>(size)));
  if (moved == nullptr) return false;
  block_ = moved;
  capacity_ = static_cast<std::uint32_t>(size);
  return true;
}

std::uint32_t StringPool::Add(std::string_view text) {
  if (block_ == nullptr) return kNoOffset;
  const std::uint64_t needed = std::uint64_t{used_} + text.size();
  if (needed >= capacity_) {
    // A text longer than one step takes as many steps as it needs, so that
    // it never lands behind the block.
    std::uint64_t least = 0;
    const std::uint64_t wanted = GrownSize(capacity_, growthStep_, needed, least);
    if (!Resize(wanted) && (wanted == least || !Resize(least))) return kNoOffset;
  }
  const std::uint32_t offset = used_;
  if (!text.empty()) std::memcpy(block_ + offset, text.data(), text.size());
  block_[offset + text.size()] = '\0';
  used_ = static_cast<std::uint32_t>(needed + 1);
  return offset;
}

void StringPool::Release() {
  std::free(block_);
  block_ = nullptr;
  used_ = capacity_ = 0;
}

bool ResultList::Reset(ListStart start) {
  Release();
  // A pool that cannot be allocated shows later: its Add fails and the row
  // that needs it is refused.
  names_.Start(start.poolBytes, kPoolGrowthStep);
  folders_.Start(start.poolBytes, kPoolGrowthStep);
  titles_.Start(start.poolBytes, kPoolGrowthStep);
  count_ = 0;
  growthStep_ = kRowGrowthStep;
  if (start.rows > rowLimit_) return false;
  rows_ = static_cast<ResultRow*>(std::calloc(start.rows, sizeof(ResultRow)));
  if (rows_ == nullptr) return false;
  capacity_ = start.rows;
  usable_ = true;
  return true;
}

std::uint32_t ResultList::AddFolder(std::string_view path) {
  return folders_.Add(path.empty() ? std::string_view("\\") : path);
}

bool ResultList::ResizeRows(std::uint64_t rows) {
  if (rows > rowLimit_ || rows > 0x7FFFFFFFu / sizeof(ResultRow)) return false;
  auto* moved = static_cast<ResultRow*>(std::realloc(rows_, static_cast<std::size_t>(rows) * sizeof(ResultRow)));
  if (moved == nullptr) return false;
  // Rows past the count are never read (AddRow writes every field of a row
  // before it counts), so the new part is left as it comes: untouched
  // memory costs the process nothing until rows are written there.
  rows_ = moved;
  capacity_ = static_cast<std::uint32_t>(rows);
  return true;
}

bool ResultList::GrowRows() {
  std::uint64_t least = 0;
  const std::uint64_t wanted = GrownSize(capacity_, growthStep_, capacity_, least);
  return ResizeRows(wanted) || (wanted != least && ResizeRows(least));
}

namespace {

constexpr std::uint32_t kPackedDate = 0x80000000u;
constexpr std::uint32_t kDashFirst = 1u << 24;
constexpr std::uint32_t kDashSecond = 1u << 25;
constexpr std::uint32_t kNoDate = kPackedDate | (1u << 26);  // an empty date text (folder rows)

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsDateSeparator(char c) { return c == '/' || c == '-'; }

// MM/DD/YY or MM-DD-YY (either separator in either place): six digits of
// four bits and two bits for the separators.
bool PackDate(std::string_view text, std::uint32_t& packed) {
  if (text.size() != 8) return false;
  packed = kPackedDate | (text[2] == '-' ? kDashFirst : 0) | (text[5] == '-' ? kDashSecond : 0);
  if (std::uint64_t values = 0; ReadUsualDateWord(text.data(), values)) {
    // Each digit's value joins the one before it in one byte: the pairs
    // are bytes 0, 3 and 6.
    const std::uint64_t pairs = values | (values >> 4);
    packed |= static_cast<std::uint32_t>((pairs & 0xFF) | ((pairs >> 24) & 0xFF) << 8 | ((pairs >> 48) & 0xFF) << 16);
    return true;
  }
  if (!IsDateSeparator(text[2]) || !IsDateSeparator(text[5])) return false;
  int shift = 0;
  for (const int at : {0, 1, 3, 4, 6, 7}) {
    if (!IsDigit(text[at])) return false;
    packed |= static_cast<std::uint32_t>(text[at] - '0') << shift;
    shift += 4;
  }
  return true;
}

}  // namespace

std::uint32_t ResultList::StoreDate(std::string_view dateText) {
  std::uint32_t packed = 0;
  // The usual date, as nearly every row has it: eight characters, no NUL.
  if (PackDate(dateText, packed)) return packed;
  // What the row shows: up to 11 characters, ending at a NUL byte.
  dateText = dateText.substr(0, kRowDateSize - 1);
  dateText = dateText.substr(0, dateText.find('\0'));
  if (dateText.empty()) return kNoDate;
  if (PackDate(dateText, packed)) return packed;
  const std::uint32_t offset = names_.Add(dateText);
  return offset < kPackedDate ? offset : kNoOffset;
}

RowDate ResultList::Date(const ResultRow& row) const {
  RowDate date;
  if (row.date == kNoDate) return date;
  if ((row.date & kPackedDate) == 0) {
    CopyText(date.text, sizeof date.text, names_.At(row.date));
    return date;
  }
  int shift = 0;
  for (const int at : {0, 1, 3, 4, 6, 7}) {
    date.text[at] = static_cast<char>('0' + ((row.date >> shift) & 0xF));
    shift += 4;
  }
  date.text[2] = (row.date & kDashFirst) != 0 ? '-' : '/';
  date.text[5] = (row.date & kDashSecond) != 0 ? '-' : '/';
  return date;
}

bool ResultList::AddRow(std::string_view name, std::string_view dateText, std::uint32_t folderOffset,
                        std::uint32_t titleOffset) {
  if (rows_ == nullptr || static_cast<std::uint32_t>(count_) >= capacity_) return false;
  // A pool that could not take a text ends the walk here instead of showing
  // a row with a lost (or someone else's) text.
  if (folderOffset == kNoOffset || titleOffset == kNoOffset) return false;
  const std::uint32_t nameOffset = names_.Add(name);
  if (nameOffset == kNoOffset) return false;
  // Longer date texts (a damaged line) are cut to what the row shows.
  const std::uint32_t date = StoreDate(dateText);
  if (date == kNoOffset) return false;
  ResultRow& row = rows_[count_];
  row.date = date;
  row.nameOffset = nameOffset;
  row.folderOffset = folderOffset;
  row.titleOffset = titleOffset;
  ++count_;
  if (static_cast<std::uint32_t>(count_) == capacity_ && !GrowRows()) {
    usable_ = false;
    return false;
  }
  return true;
}

void ResultList::Release() {
  std::free(rows_);
  rows_ = nullptr;
  capacity_ = 0;
  usable_ = false;
  titles_.Release();
  folders_.Release();
  names_.Release();
}

}  // namespace vardek
