#include "catalog/catalog_reader.h"

#include <algorithm>
#include <cstring>

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"

namespace vardek {

namespace {

// Bytes kept ahead of the cursor while a catalog is read in pieces: a line
// is read short only where it runs past them (then it is read again).
constexpr std::size_t kReadAhead = 4096;

}  // namespace

bool CatalogReader::Map(const char* path, int lineLimit) {
  Unmap();
  // A catalog mapped stays open for its parts to be read in pieces.
  platform::PieceReader* keepOpen = platform::kReadsCatalogsInPieces ? &file_ : nullptr;
  if (!CopySmall(path) && !platform::MapWholeFile(path, view_, keepOpen)) return false;
  lines_.Start(view_.data, view_.data + view_.size, lineLimit);
  newFormat_ = IsNewFormat(view_.data, view_.size);
  lineLimit_ = lineLimit;
  size_ = view_.size;
  cut_ = false;
  path_ = path;
  return true;
}

bool CatalogReader::Stream(const char* path, int lineLimit) {
  if constexpr (!platform::kReadsCatalogsInPieces) return Map(path, lineLimit);
  Unmap();
  std::uint64_t size = 0;
  if (!pieces_.Open(path, size) || size == 0 || size > platform::kLargestWholeFile) {
    pieces_.Close();
    return false;
  }
  size_ = static_cast<std::uint32_t>(size);
  lineLimit_ = lineLimit;
  // The first piece holds the bytes that tell the format.
  if (!StreamFrom(0, size)) {
    Unmap();
    return false;
  }
  newFormat_ = IsNewFormat(piece_.data(), static_cast<std::size_t>(lines_.End() - piece_.data()));
  path_ = path;
  return true;
}

// Reads the open file's bytes `from` to `to` in pieces from now on.
bool CatalogReader::StreamFrom(std::uint64_t from, std::uint64_t to) {
  // At least a byte, for a part that holds none.
  const std::uint64_t bytes = std::min<std::uint64_t>(std::max<std::size_t>(pieceSize_, 3), to - from);
  piece_.resize(static_cast<std::size_t>(std::max<std::uint64_t>(bytes, 1)));
  pieceOffset_ = readUpTo_ = from;
  readEnd_ = to;
  cut_ = false;
  readFailed_ = false;
  streaming_ = true;
  lines_.Start(piece_.data(), piece_.data(), lineLimit_);
  return ReadOn();
}

std::pair<std::size_t, std::size_t> CatalogReader::PartBounds(int index, int count, bool toEnd) const {
  const auto cut = [&](int part) {
    if (part <= 0) return std::size_t{0};
    if (part >= count) return std::size_t{size_};
    return NextTitleLine(view_.data, size_, static_cast<std::size_t>(std::uint64_t{size_} * part / count));
  };
  return {cut(index), toEnd ? size_ : cut(index + 1)};
}

void CatalogReader::RestrictToPart(int index, int count, bool toEnd) {
  const auto [from, to] = PartBounds(index, count, toEnd);
  Restrict(from, to);
}

void CatalogReader::ReadPart(const CatalogReader& mapped, int index, int count, bool toEnd, int lineLimit) {
  // A small catalog is copied whole already; where the platform maps
  // catalogs, the mapped file is not kept open.
  if (!mapped.file_.IsOpen()) {
    Share(mapped, lineLimit);
    RestrictToPart(index, count, toEnd);
    return;
  }
  Unmap();
  // Each part's reader takes its own copies from the mapped file, which
  // stay in the processor's cache, where the pages of a mapping are each a
  // fresh translation to the reading thread.
  const auto [from, to] = mapped.PartBounds(index, count, toEnd);
  lineLimit_ = lineLimit;
  size_ = mapped.size_;
  newFormat_ = mapped.newFormat_;
  path_ = mapped.path_;
  pieceSize_ = mapped.pieceSize_;
  pieces_.ShareFrom(mapped.file_, from);
  if (!StreamFrom(from, to)) FailReading(lines_.Cursor());
}

void CatalogReader::Share(const CatalogReader& mapped, int lineLimit) {
  Unmap();
  view_ = mapped.view_;
  shared_ = true;
  lines_.Start(view_.data, view_.data + view_.size, lineLimit);
  newFormat_ = mapped.newFormat_;
  lineLimit_ = lineLimit;
  size_ = view_.size;
  cut_ = false;
  path_ = mapped.path_;
}

// Reads a catalog of at most kLargestCopiedCatalog bytes into the copy; false
// for a larger one or one that cannot be read so (it is then mapped).
bool CatalogReader::CopySmall(const char* path) {
  if constexpr (platform::kLargestCopiedCatalog == 0) return false;
  platform::PieceReader file;
  std::uint64_t size = 0;
  if (!file.Open(path, size) || size == 0 || size > platform::kLargestCopiedCatalog) return false;
  if (!copy_) copy_ = std::make_unique_for_overwrite<char[]>(platform::kLargestCopiedCatalog);
  const auto wanted = static_cast<std::size_t>(size);
  for (std::size_t filled = 0; filled < wanted;) {
    const long long got = file.Read(copy_.get() + filled, wanted - filled);
    if (got <= 0) return false;
    filled += static_cast<std::size_t>(got);
  }
  view_.data = copy_.get();
  view_.size = static_cast<std::uint32_t>(size);
  copied_ = true;
  return true;
}

void CatalogReader::Unmap() {
  if (view_.data != nullptr && !shared_ && !copied_) platform::UnmapWholeFile(view_);
  file_.Close();
  view_ = platform::MappedView{};
  shared_ = false;
  copied_ = false;
  pieces_.Close();
  // The piece serves the next catalog this reader reads, unless a long line
  // grew it.
  if (piece_.size() > kPieceSize) std::vector<char>().swap(piece_);
  streaming_ = false;
  readFailed_ = false;
  size_ = 0;
  path_.clear();
  lines_.Start(nullptr, nullptr, lineLimit_);
}

// Moves the unread bytes to the front of the piece and reads on behind them,
// up to the file's size when it was opened; a piece that one line fills
// grows. False when the file cannot be read that far (an error, or a file
// cut short meanwhile).
bool CatalogReader::ReadOn() {
  const char* from = lines_.Cursor();
  const auto kept = static_cast<std::size_t>(lines_.End() - from);
  pieceOffset_ += static_cast<std::uint64_t>(from - piece_.data());
  std::memmove(piece_.data(), from, kept);
  if (kept == piece_.size()) piece_.resize(piece_.size() * 2);
  std::size_t filled = kept;
  ++readOns_;
  while (filled < piece_.size() && readUpTo_ < readEnd_) {
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(piece_.size() - filled, readEnd_ - readUpTo_));
    const long long got = pieces_.Read(piece_.data() + filled, wanted);
    if (got <= 0) return false;
    filled += static_cast<std::size_t>(got);
    readUpTo_ += static_cast<std::uint64_t>(got);
  }
  lines_.Start(piece_.data(), piece_.data() + filled, lineLimit_);
  return true;
}

// Keeps a stretch of the file ahead of the cursor in the piece (a quarter of
// the piece at most), or the rest of the file; true when it read on.
bool CatalogReader::KeepAhead() {
  if (readFailed_ || readUpTo_ == readEnd_) return false;
  const std::size_t ahead = std::min(kReadAhead, piece_.size() / 4);
  if (static_cast<std::size_t>(lines_.End() - lines_.Cursor()) > ahead) return false;
  if (!ReadOn()) FailReading(lines_.Cursor());
  return true;
}

std::size_t CatalogReader::SkipLines(const LineSkip& skip, std::size_t most, FollowedFolders* folders) {
  if (streaming_ && skip.stopAt != nullptr && KeepAhead()) {
    // Its stop was a place in the bytes before they moved: nothing is passed.
    LineSkip stopped = skip;
    stopped.stopAt = lines_.Cursor();
    return lines_.Skip(stopped, most, folders);
  }
  if (streaming_) KeepAhead();
  return lines_.Skip(skip, most, folders);
}

// The lines end at `at`: the file could not be read on.
void CatalogReader::FailReading(const char* at) {
  readFailed_ = true;
  lines_.Start(at, at, lineLimit_);
}

std::size_t CatalogReader::NextLine(char* buffer) {
  const std::string_view line = NextLineView(buffer);
  if (line.data() != buffer) {
    std::memcpy(buffer, line.data(), line.size());
    buffer[line.size()] = '\0';
  }
  return line.size();
}

std::string_view CatalogReader::NextLineView(char* scratch) {
  if (!streaming_) return lines_.Next(scratch, cut_);
  for (;;) {
    KeepAhead();
    const char* start = lines_.Cursor();
    const std::string_view line = lines_.Next(scratch, cut_);
    // A line that ran into the end of the piece without its LF may go on in
    // the file: it is read again once more of the file is in the piece.
    const bool whole = cut_ || lines_.Cursor() < lines_.End() || lines_.Cursor() == start || lines_.Cursor()[-1] == '\n';
    if (whole || readUpTo_ == readEnd_ || readFailed_) return line;
    lines_.Start(start, lines_.End(), lineLimit_);
    if (!ReadOn()) {
      FailReading(start);
      return {};
    }
  }
}

void CatalogReader::MoveTowards(std::string_view firstBytes) {
  if (streaming_) KeepAhead();
  lines_.MoveTowards(firstBytes);
}

int CatalogReader::PercentRead() const {
  if (size_ == 0) return 0;
  const char* start = streaming_ ? piece_.data() : view_.data;
  const std::uint64_t read = (streaming_ ? pieceOffset_ : 0) + static_cast<std::uint64_t>(lines_.Cursor() - start);
  return static_cast<int>(read * 100 / size_);
}

}  // namespace vardek
