#pragma once
// The catalog reader: one read-only mapped view of a catalog (a small one
// may be copied instead, see kLargestCopiedCatalog), handed out line by line. Every command that reads a catalog maps, reads and unmaps
// before it returns. A reader that goes from the start to the end only may
// have the catalog read in pieces instead (Stream), where the platform does
// that faster; its lines are the same. So may the parts of a mapped
// catalog that walks read side by side (ReadPart).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/line_scanner.h"
#include "platform/files.h"

namespace vardek {

class CatalogReader {
 public:
  CatalogReader() = default;
  CatalogReader(const CatalogReader&) = delete;
  CatalogReader& operator=(const CatalogReader&) = delete;
  ~CatalogReader() { Unmap(); }

  // False when the file cannot be opened, is empty, or is 4 GiB or larger.
  bool Map(const char* path, int lineLimit);
  // As Map, for reading from the start to the end only: where the platform
  // reads catalogs in pieces, only a piece is at hand at a time: Restrict,
  // Share and Data are not for such a reader, and what Cursor and
  // End point at holds only until the bytes move (ReadOns).
  bool Stream(const char* path, int lineLimit);
  void Unmap();
  // The bytes a piece holds at first (tests read in small pieces); the
  // parts of a mapped reader are read in pieces of its size.
  void SetPieceSize(std::size_t bytes) { pieceSize_ = bytes == 0 ? 1 : bytes; }
  // True when the catalog could not be read to its end in pieces (the
  // lines then end early), or was cut short by another program while mapped
  // (the lines past the cut read as zeros); until the reader lets the
  // catalog go.
  bool ReadFailed() const { return readFailed_ || platform::MappingWasCut(view_); }
  // Reads the catalog that `mapped` holds mapped, through no mapping of its
  // own (walks over parts side by side); `mapped` must stay mapped meanwhile.
  void Share(const CatalogReader& mapped, int lineLimit);
  // Reads only part `index` of `count` of the catalog that `mapped` holds
  // (see RestrictToPart): where the platform reads catalogs in pieces, from
  // the file `mapped` maps in pieces of its own, else through `mapped`'s
  // view (Share). A part that cannot be read to its end reads as failed
  // (ReadFailed).
  void ReadPart(const CatalogReader& mapped, int index, int count, bool toEnd, int lineLimit);

  bool HasData() {
    if (streaming_) KeepAhead();
    return lines_.HasData();
  }
  // Reads the next line into `buffer` (at least the line limit in bytes).
  // Returns the line's length.
  std::size_t NextLine(char* buffer);
  // The next line without a copy where it can be had: a view into the
  // mapping, or into `scratch` (at least the line limit in bytes, where the
  // line is zero-terminated). Valid until the next read or the unmapping.
  std::string_view NextLineView(char* scratch);
  // Passes over at most `most` lines that `skip` lets go (see LineScanner::Skip).
  std::size_t SkipLines(const LineSkip& skip, std::size_t most, FollowedFolders* folders = nullptr);
  // Moves towards the next line that may start with one of `firstBytes`
  // (see LineScanner::MoveTowards).
  void MoveTowards(std::string_view firstBytes);
  // Reads only bytes `from` to `to` (offsets at line starts) from now on.
  void Restrict(std::size_t from, std::size_t to) { lines_.Start(view_.data + from, view_.data + to, lineLimit_); }
  // Reads only part `index` of `count` from now on: parts of about equal
  // size, each from a title line (or the start) to the next part's (or with
  // `toEnd` to the end).
  void RestrictToPart(int index, int count, bool toEnd = false);
  // The offsets at which part `index` of `count` starts and ends.
  std::pair<std::size_t, std::size_t> PartBounds(int index, int count, bool toEnd) const;
  // Where the next line starts, in the bytes at hand, and where they end.
  const char* Cursor() const { return lines_.Cursor(); }
  const char* End() const { return lines_.End(); }
  const char* Data() const { return view_.data; }
  // How often a reader in pieces has moved its bytes to read on: places
  // taken from Cursor or End before a change are no longer in the data.
  std::uint64_t ReadOns() const { return readOns_; }
  const std::string& Path() const { return path_; }
  int PercentRead() const;

  bool IsMapped() const { return view_.data != nullptr || streaming_; }
  bool Cut() const { return cut_; }
  bool NewFormat() const { return newFormat_; }
  std::uint32_t Size() const { return size_; }

 private:
  static constexpr std::size_t kPieceSize = 256 * 1024;

  bool CopySmall(const char* path);
  bool StreamFrom(std::uint64_t from, std::uint64_t to);
  bool KeepAhead();
  bool ReadOn();
  void FailReading(const char* at);

  platform::MappedView view_;
  platform::PieceReader file_;  // the mapped file, kept open where parts are read in pieces
  std::string path_;
  LineScanner lines_;
  int lineLimit_ = 260;
  std::uint32_t size_ = 0;
  bool cut_ = false;
  bool newFormat_ = false;
  bool shared_ = false;  // the view is another reader's
  bool copied_ = false;  // the view is the copy: a small catalog is read, not mapped
  // The copy of a small catalog, kept for the next one the reader reads:
  // room for the largest, allocated once and never zero-filled, so that a
  // search of many catalogs neither grows it again and again nor writes it
  // twice (only the pages read into count as memory).
  std::unique_ptr<char[]> copy_;

  // Reading in pieces: the file, the piece the scanner reads (the unread
  // rest of the one before, then what follows it in the file) and where in
  // the file the piece starts.
  platform::PieceReader pieces_;
  std::vector<char> piece_;
  std::uint64_t pieceOffset_ = 0;
  std::uint64_t readUpTo_ = 0;
  std::uint64_t readEnd_ = 0;  // where the file's bytes to read end
  std::uint64_t readOns_ = 0;
  std::size_t pieceSize_ = kPieceSize;
  bool streaming_ = false;
  bool readFailed_ = false;
};

}  // namespace vardek
