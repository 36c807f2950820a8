// The one line reader of every catalog reader, with both of its limits, and
// the scanner that hands the same lines out in place, also when it passes
// over lines by the block in between.
#include <cstdint>
#include <initializer_list>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "catalog/catalog_format.h"
#include "catalog/folder_path.h"
#include "catalog/line_reader.h"
#include "catalog/line_scanner.h"
#include "catalog/line_skip.h"

namespace {

// The depth and folder path of a walk as the plain reading keeps them.
struct WalkFolders {
  int depth = 0;
  std::string path;

  // Moves by a folder or climb line that keeps the depth rules; false for
  // any other line or one that breaks them.
  bool Follow(std::string_view line) {
    const vardek::LineKind kind = vardek::ClassifyLine(line);
    if (kind == vardek::LineKind::Folder && depth + 1 < vardek::kMaxFolderLevels) {
      path += line.substr(0, line.find('\0'));
      ++depth;
      return true;
    }
    if (kind != vardek::LineKind::Climb || depth == 0) return false;
    const std::size_t last = path.rfind('\\');
    path.erase(last == std::string::npos ? 0 : last);
    --depth;
    return true;
  }
};

// A line the plain reader gives that `skip` may pass over: stored exactly as
// read, ended by LF or CR LF, below the limit, ending before the stop, and
// its first byte not kept and passing the test, or (with `folders`) a folder
// or climb line they may follow.
bool MayPassOver(const char* start, const char* next, const char* line, std::size_t length, bool cut,
                 const vardek::LineSkip& skip, int limit, WalkFolders* folders) {
  if (cut || next == start || next[-1] != '\n' || length > static_cast<std::size_t>(limit - 2)) return false;
  const std::size_t stored = static_cast<std::size_t>(next - start) - 1;
  if (stored != length && !(stored == length + 1 && start[length] == '\r')) return false;
  if (std::memcmp(start, line, length) != 0) return false;
  if (skip.stopAt != nullptr && next - 1 >= skip.stopAt) return false;
  if (skip.keep[static_cast<unsigned char>(*start)])
    return folders != nullptr && folders->Follow(std::string_view(line, length));
  const char* colon = static_cast<const char*>(std::memchr(line, ':', length));
  return vardek::PassesLineTest(skip.test, skip.newFormat, std::string_view(line, length), colon);
}

// Reads the data with the plain reader while a scanner passes over lines by
// the rule the first byte chooses; aborts where they part.
void CompareSkipping(const char* begin, const char* end, int limit) {
  static const vardek::LineTest kTests[] = {vardek::LineTest::None, vardek::LineTest::HoldsSeparator,
                                            vardek::LineTest::GoodDate};
  const unsigned choice = begin < end ? static_cast<unsigned char>(*begin) : 0;
  // Skips that keep folder and climb lines follow them every other time.
  const bool follows = (choice & 1) != 0 && (choice & 64) != 0;
  vardek::LineSkip skip = vardek::MakeLineSkip(choice & 1 ? vardek::kNonFileLineStarts : vardek::kTitleLineStarts,
                                               kTests[(choice >> 1) % 3], (choice & 8) != 0, follows);
  if ((choice & 16) != 0) skip.stopAt = begin + (end - begin) / 2;
  vardek::LineScanner scanner;
  scanner.Start(begin, end, limit);
  vardek::FolderPath path;
  vardek::FollowedFolders folders{0, &path, 0};
  WalkFolders plain;
  const char* cursor = begin;
  char scratch[vardek::kLineBufferSize];
  char buffer[vardek::kLineBufferSize];
  while (cursor < end) {
    for (std::size_t skipped =
             scanner.Skip(skip, (choice & 32) != 0 ? 3 : static_cast<std::size_t>(-1), follows ? &folders : nullptr);
         skipped > 0; --skipped) {
      const char* start = cursor;
      bool cut = false;
      if (cursor >= end) std::abort();
      const std::size_t length = vardek::ReadLine(cursor, end, buffer, limit, cut);
      if (!MayPassOver(start, cursor, buffer, length, cut, skip, limit, follows ? &plain : nullptr)) std::abort();
    }
    if (scanner.Cursor() != cursor || folders.depth != plain.depth || path.Text() != plain.path) std::abort();
    if (cursor >= end) break;
    bool cut = false;
    const std::size_t length = vardek::ReadLine(cursor, end, buffer, limit, cut);
    bool scannedCut = false;
    const auto scanned = scanner.Next(scratch, scannedCut);
    if (scanned.size() != length || std::memcmp(scanned.data(), buffer, length) != 0 || scannedCut != cut ||
        scanner.Cursor() != cursor)
      std::abort();
    // A handed-out line moves the folders as the walk would; one that breaks
    // a depth rule ends the walk.
    const std::string_view line(buffer, length);
    const vardek::LineKind kind = vardek::ClassifyLine(line);
    if (follows && kind == vardek::LineKind::EndOfTitle) {
      plain = WalkFolders{};
      folders.depth = 0;
      path.Clear();
    }
    if (!follows || (kind != vardek::LineKind::Folder && kind != vardek::LineKind::Climb)) continue;
    if (!plain.Follow(line)) return;
    folders.depth = plain.depth;
    if (kind == vardek::LineKind::Folder) path.Enter(vardek::FolderLineName(line));
    if (kind == vardek::LineKind::Climb) path.Leave();
  }
  if (scanner.HasData()) std::abort();
}

// Reads the data with the plain reader while a scanner moves from one place
// where a title line may start to the next: every line the scanner reads is
// one of the plain reader's, and it reads every title line.
void CompareMovingTowardsTitles(const char* begin, const char* end, int limit) {
  vardek::LineScanner scanner;
  scanner.Start(begin, end, limit);
  const char* cursor = begin;
  char scratch[vardek::kLineBufferSize];
  char buffer[vardek::kLineBufferSize];
  for (;;) {
    scanner.MoveTowards(vardek::kTitleLineStarts);
    // The lines the scanner moved over: none is a title line.
    while (cursor < scanner.Cursor()) {
      bool cut = false;
      const std::size_t length = vardek::ReadLine(cursor, end, buffer, limit, cut);
      if (vardek::ClassifyLine(std::string_view(buffer, length)) == vardek::LineKind::Title) std::abort();
    }
    if (cursor != scanner.Cursor()) std::abort();
    if (!scanner.HasData()) break;
    bool cut = false;
    const std::size_t length = vardek::ReadLine(cursor, end, buffer, limit, cut);
    bool scannedCut = false;
    const auto scanned = scanner.Next(scratch, scannedCut);
    if (scanned.size() != length || std::memcmp(scanned.data(), buffer, length) != 0 || scanner.Cursor() != cursor)
      std::abort();
  }
  if (cursor != end) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const int limit : {vardek::kLineLimit, vardek::kConversionLineLimit, 2}) {
    const char* cursor = reinterpret_cast<const char*>(data);
    const char* end = cursor + size;
    vardek::LineScanner scanner;
    scanner.Start(cursor, end, limit);
    char scratch[vardek::kLineBufferSize];
    char buffer[vardek::kLineBufferSize];
    std::size_t consumed = 0;
    while (cursor < end) {
      const char* before = cursor;
      std::memset(buffer, 'x', sizeof buffer);
      bool cut = false;
      const std::size_t length = vardek::ReadLine(cursor, end, buffer, limit, cut);
      // Every line is terminated at its length (it may hold NUL bytes of its
      // own) within the limit, holds no CR or LF, and the reader always moves on.
      if (length >= static_cast<std::size_t>(limit) || buffer[length] != '\0' ||
          (cut && length != static_cast<std::size_t>(limit - 1)) || std::memchr(buffer, '\r', length) != nullptr ||
          std::memchr(buffer, '\n', length) != nullptr || cursor <= before || cursor > end)
        std::abort();
      consumed += static_cast<std::size_t>(cursor - before);
      // The scanner gives the same line, cut flag and next line start.
      bool scannedCut = false;
      const auto scanned = scanner.Next(scratch, scannedCut);
      if (scanned.size() != length || std::memcmp(scanned.data(), buffer, length) != 0 || scannedCut != cut ||
          scanner.Cursor() != cursor)
        std::abort();
    }
    if (consumed != size) std::abort();
    CompareSkipping(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size, limit);
    CompareMovingTowardsTitles(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size, limit);
  }
  return 0;
}
