#pragma once
// The table behind the file list: fixed-size rows whose texts live in three
// string pools. Rows refer to texts by offset, so the blocks may move when
// they grow.
#include <cstdint>
#include <string_view>

namespace vardek {

// A block grows by half its size, in whole steps; when that much memory
// cannot be had, by the least number of steps that holds what is added.
inline constexpr std::uint32_t kPoolStartSize = 128000;
inline constexpr std::uint32_t kPoolGrowthStep = 64000;
inline constexpr std::uint32_t kRowStartCapacity = 10000;
inline constexpr std::uint32_t kRowGrowthStep = 2000;
// What StringPool::Add and ResultList::AddFolder return when nothing was stored.
inline constexpr std::uint32_t kNoOffset = 0xFFFFFFFFu;
inline constexpr std::uint32_t kNoLimit = 0xFFFFFFFFu;
inline constexpr int kRowDateSize = 12;  // at most 11 characters and the terminator

// Zero-terminated strings one after another in one growable block.
class StringPool {
 public:
  StringPool() = default;
  StringPool(const StringPool&) = delete;
  StringPool& operator=(const StringPool&) = delete;
  ~StringPool() { Release(); }

  bool Start(std::uint32_t startSize, std::uint32_t growthStep);
  // The offset of the stored copy; kNoOffset when the block cannot grow (or
  // was never allocated) and nothing was stored.
  std::uint32_t Add(std::string_view text);
  // The text at an offset that Add returned.
  const char* At(std::uint32_t offset) const { return block_ + offset; }
  void Release();

  bool IsAllocated() const { return block_ != nullptr; }
  std::uint32_t Used() const { return used_; }
  std::uint32_t Capacity() const { return capacity_; }
  // Growth beyond this many bytes fails as if memory had run out (tests,
  // fuzzing). Kept across Start and Release.
  void SetCapacityLimit(std::uint32_t maxBytes) { limit_ = maxBytes; }

 private:
  bool Resize(std::uint64_t size);

  std::uint32_t used_ = 0;
  std::uint32_t capacity_ = 0;
  std::uint32_t growthStep_ = 0;
  char* block_ = nullptr;
  std::uint32_t limit_ = kNoLimit;
};

// A row's date text as shown: at most 11 characters, zero-filled behind them.
struct RowDate {
  char text[kRowDateSize] = {};
};

// Sixteen bytes a row: a date of the usual shape (MM/DD/YY or MM-DD-YY) is
// packed into `date`; any other date text is kept in the name pool and
// `date` holds its offset there.
struct ResultRow {
  std::uint32_t nameOffset;
  std::uint32_t folderOffset;
  std::uint32_t titleOffset;
  std::uint32_t date;
};

// The sizes a list starts with: the program's own, or small ones for the
// many lists of a search of many catalogs, where most find little.
struct ListStart {
  std::uint32_t poolBytes = kPoolStartSize;
  std::uint32_t rows = kRowStartCapacity;
};
inline constexpr ListStart kSmallListStart = {4096, 256};

class ResultList {
 public:
  ResultList() = default;
  ResultList(const ResultList&) = delete;
  ResultList& operator=(const ResultList&) = delete;
  ~ResultList() { Release(); }

  // Releases everything and allocates the pools and a zero-filled row array
  // anew; count becomes 0. False only when the row array cannot be allocated.
  bool Reset(ListStart start = {});
  // Stores a folder path ("\" for the empty root path) in the folder pool.
  std::uint32_t AddFolder(std::string_view path);
  // Stores a disc description in the title pool.
  std::uint32_t AddTitle(std::string_view description) { return titles_.Add(description); }
  // Adds one row (date text cut to 11 characters). False when the array was
  // full and could not grow (the row just added stays), when it is still full
  // after such a failure (nothing added), or when a text of the row is not in
  // its pool (nothing added: a row never shows a lost text).
  bool AddRow(std::string_view name, std::string_view dateText, std::uint32_t folderOffset,
              std::uint32_t titleOffset);
  // Frees the row array and the pools (title, folder, name); count stays.
  void Release();

  int Count() const { return count_; }
  // The rows that can be read now: none once the blocks are released (the
  // count stays), so no reader may go by Count() alone.
  int HeldRowCount() const { return rows_ != nullptr ? count_ : 0; }
  bool HoldsRow(int row) const { return row >= 0 && row < HeldRowCount(); }
  const ResultRow& Row(int index) const { return rows_[index]; }
  const char* Name(const ResultRow& row) const { return names_.At(row.nameOffset); }
  const char* Folder(const ResultRow& row) const { return folders_.At(row.folderOffset); }
  const char* Title(const ResultRow& row) const { return titles_.At(row.titleOffset); }
  RowDate Date(const ResultRow& row) const;

  // 1 while the row array is usable, 0 after a failed allocation or growth.
  bool Usable() const { return usable_; }
  std::uint32_t RowCapacity() const { return capacity_; }
  StringPool& Names() { return names_; }
  StringPool& Folders() { return folders_; }
  StringPool& Titles() { return titles_; }
  // Row-array growth beyond this many rows fails as if memory had run out.
  void SetRowLimit(std::uint32_t maxRows) { rowLimit_ = maxRows; }

 private:
  bool GrowRows();
  bool ResizeRows(std::uint64_t rows);
  // The packed date, or the date text's offset in the name pool; kNoOffset
  // when it could not be stored.
  std::uint32_t StoreDate(std::string_view dateText);

  int count_ = 0;
  StringPool names_;
  StringPool folders_;
  StringPool titles_;
  ResultRow* rows_ = nullptr;
  bool usable_ = false;
  std::uint32_t capacity_ = 0;
  std::uint32_t growthStep_ = kRowGrowthStep;
  std::uint32_t rowLimit_ = kNoLimit;
};

}  // namespace vardek
