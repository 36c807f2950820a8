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

// What one run keeps between lines.
struct CheckState {
  char currentTitle[kCurrentTitleSize] = {};  // empty until the first title passes
  int depth = 0;
};

// A finding that stops the check: the second text of the line error box and its caption.
struct Finding {
  const char* first = nullptr;
  std::string second;
  const char* caption = nullptr;
};

bool FileLinePasses(std::string_view line, bool newFormat) {
  if (newFormat) return line.find(kNewSeparator) != std::string_view::npos;
  return line.size() >= static_cast<std::size_t>(kOldSeparatorFromEnd) &&
         line[line.size() - kOldSeparatorFromEnd] == kOldSeparator;
}

// Judges one line by the structure rules; true when it passes. The depth
// changes of folder and climb lines are made before their test.
bool CheckLine(std::string_view line, bool newFormat, CheckState& state, long& fileCount, Finding& finding) {
  switch (ClassifyLine(line.data())) {
    case LineKind::Comment:
    case LineKind::BlankLed:
      return true;
    case LineKind::Title: {
      const char* description = TitleDescription(line.data());
      if (line.size() > static_cast<std::size_t>(kMaxTitleLineLength)) {
        finding = {"Title too long", std::string(description, kCutDescriptionLength) + "...", kProductName};
        return false;
      }
      CopyText(state.currentTitle, sizeof state.currentTitle, description);
      return true;
    }
    case LineKind::Folder:
      if (++state.depth < kMaxFolderLevels) return true;
      finding = {kTreeCorrupt, "More than 16 folder levels.", state.currentTitle};
      return false;
    case LineKind::Climb:
      if (--state.depth >= 0) return true;
      finding = {kTreeCorrupt, "Attempt to go below the root folder.", state.currentTitle};
      return false;
    case LineKind::EndOfTitle:
      if (state.depth == 0) return true;
      finding = {kTreeCorrupt, "End of title without ending at root folder.", state.currentTitle};
      return false;
    case LineKind::File:
      if (FileLinePasses(line, newFormat)) {
        ++fileCount;
        return true;
      }
      finding = {kTreeCorrupt,
                 newFormat ? ": is missing between file name and date." : "Space is missing between file name and date.",
                 kProductName};
      return false;
  }
  return true;
}

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
  CheckState state;
  bool stopped = false;
  while (reader.HasData()) {
    const std::string_view lineText(line, reader.NextLine(line));
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
    // A cut line is reported and the check goes on: its rest arrives as the next line.
    if (reader.Cut()) {
      reporter.LineErrorBox(kTreeCorrupt, "Line too long", result.lineNumber, kProductName);
      continue;
    }
    Finding finding;
    if (!CheckLine(lineText, newFormat, state, result.fileCount, finding)) {
      reporter.LineErrorBox(finding.first, finding.second.c_str(), result.lineNumber, finding.caption);
      stopped = true;
      break;
    }
  }
  reader.Unmap();

  if (stopped) {
    reporter.Status(kStatusResultPart, "Check incomplete");
    result.outcome = CheckOutcome::Stopped;
    return result;
  }
  const std::string status = FormatCount(result.fileCount) + " files found";
  reporter.Status(kStatusResultPart, status.c_str());
  bool good = true;
  if (state.depth != 0) {
    reporter.ErrorBox(kTreeCorrupt, catalogPath);
    good = false;
  }
  if (good) reporter.InfoBox("File is good", catalogPath);
  result.outcome = good ? CheckOutcome::Good : CheckOutcome::Damaged;
  return result;
}

}  // namespace vardek
