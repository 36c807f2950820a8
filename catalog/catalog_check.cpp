#include "catalog/catalog_check.h"

#include <cstring>
#include <string>

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_routines.h"

namespace vardek {

namespace {

constexpr const char* kTreeCorrupt = "Directory tree is corrupt.";
constexpr int kCutDescriptionLength = 79;
constexpr int kCurrentTitleSize = 85;

}  // namespace

CheckResult CheckCatalog(CatalogReader& reader, const char* catalogPath, bool newFormat,
                         Reporter& reporter, const std::function<void()>& everyLines) {
  CheckResult result;
  if (catalogPath == nullptr || catalogPath[0] == '\0') return result;

  // A catalog that cannot be mapped (a new catalog without a file yet, or
  // one removed behind the program's back) is reported as the bad-date scan
  // reports it: ending silently would look like a check that never ran.
  if (!reader.Map(catalogPath, kLineLimit)) {
    reporter.ErrorBox("Error opening file", catalogPath);
    result.outcome = CheckOutcome::OpenFailed;
    return result;
  }

  char line[kLineBufferSize];
  // Until the first title line passes, depth errors carry an empty caption,
  // as the current title starts empty.
  char currentTitle[kCurrentTitleSize] = {};
  int depth = 0;
  bool good = true;
  bool stopped = false;

  while (reader.HasData()) {
    reader.NextLine(line);
    ++result.lineNumber;
    if (everyLines && result.lineNumber % kCheckHookInterval == 0) {
      everyLines();
      // The hook pumps messages; a command run there may have taken the one
      // reader over. Stop rather than read a view that is gone.
      if (!reader.IsMapped()) {
        stopped = true;
        break;
      }
    }
    if (reader.Cut()) {
      reporter.LineErrorBox(kTreeCorrupt, "Line too long", result.lineNumber, kProductName);
      continue;
    }
    if (line[0] == '*' || line[0] == ' ') continue;
    if (line[0] == '|' || (line[0] == '@' && line[1] == '@' && line[2] == '@')) {
      const char* description = TitleDescription(line);
      if (std::strlen(line) > static_cast<std::size_t>(kMaxTitleLineLength)) {
        std::string cut(description, kCutDescriptionLength);
        cut += "...";
        reporter.LineErrorBox("Title too long", cut.c_str(), result.lineNumber, kProductName);
        stopped = true;
        break;
      }
      CopyText(currentTitle, sizeof currentTitle, description);
      continue;
    }
    if (line[0] == '\\') {
      ++depth;
      if (depth >= kMaxFolderLevels) {
        reporter.LineErrorBox(kTreeCorrupt, "More than 16 folder levels.", result.lineNumber, currentTitle);
        stopped = true;
        break;
      }
      continue;
    }
    if (line[0] == '.' && line[1] == '.' && line[2] == '\0') {
      --depth;
      if (depth < 0) {
        reporter.LineErrorBox(kTreeCorrupt, "Attempt to go below the root folder.", result.lineNumber,
                              currentTitle);
        stopped = true;
        break;
      }
      continue;
    }
    if (line[0] == '<') {
      if (depth != 0) {
        reporter.LineErrorBox(kTreeCorrupt, "End of title without ending at root folder.", result.lineNumber,
                              currentTitle);
        stopped = true;
        break;
      }
      continue;
    }
    if (newFormat) {
      if (std::strchr(line, kNewSeparator) == nullptr) {
        reporter.LineErrorBox(kTreeCorrupt, ": is missing between file name and date.", result.lineNumber,
                              kProductName);
        stopped = true;
        break;
      }
    } else {
      const std::size_t length = std::strlen(line);
      if (length < static_cast<std::size_t>(kOldSeparatorFromEnd) ||
          line[length - kOldSeparatorFromEnd] != kOldSeparator) {
        reporter.LineErrorBox(kTreeCorrupt, "Space is missing between file name and date.", result.lineNumber,
                              kProductName);
        stopped = true;
        break;
      }
    }
    ++result.fileCount;
  }
  reader.Unmap();

  if (stopped) {
    reporter.Status(kStatusResultPart, "Check incomplete");
    result.outcome = CheckOutcome::Stopped;
    return result;
  }
  const std::string status = FormatCount(result.fileCount) + " files found";
  reporter.Status(kStatusResultPart, status.c_str());
  if (depth != 0) {
    reporter.ErrorBox(kTreeCorrupt, catalogPath);
    good = false;
  }
  if (good) reporter.InfoBox("File is good", catalogPath);
  result.outcome = good ? CheckOutcome::Good : CheckOutcome::Damaged;
  return result;
}

}  // namespace vardek
