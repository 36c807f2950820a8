#include "catalog/catalog_check.h"

#include <string>

#include "catalog/catalog_format.h"
#include "catalog/catalog_walk.h"
#include "catalog/line_skip.h"
#include "catalog/text_routines.h"

namespace vardek {

namespace {

constexpr int kCutDescriptionLength = 79;

// The check's own rules beyond the walk's depth rules; the current title
// (the caption of depth errors) starts empty and an end-of-title line inside
// a folder is an error. Cut lines are reported apart. No folder path is
// shown, so none is kept.
constexpr WalkRules kCheckRules = {"", true, true, false};

// A finding that stops the check: the two texts of its line error box.
struct Finding {
  const char* first = nullptr;
  std::string second;
};

// Judges a line that passed the depth rules; true when it passes too.
bool CheckLine(const CatalogWalk& walk, bool newFormat, long& fileCount, Finding& finding) {
  switch (walk.Kind()) {
    case LineKind::Title:
      if (walk.Line().size() <= static_cast<std::size_t>(kMaxTitleLineLength)) return true;
      finding = {"Title too long", std::string(walk.Description(), kCutDescriptionLength) + "..."};
      return false;
    case LineKind::File:
      if (HasSeparator(walk.Line(), newFormat)) {
        ++fileCount;
        return true;
      }
      finding = {kTreeCorrupt,
                 newFormat ? ": is missing between file name and date." : "Space is missing between file name and date."};
      return false;
    case LineKind::Comment:
    case LineKind::BlankLed:
    case LineKind::Folder:
    case LineKind::Climb:
    case LineKind::EndOfTitle:
      return true;
  }
  return true;
}

// Reads the walk's lines by the check's rules, reporting what it finds.
void CheckLines(CatalogWalk& walk, bool newFormat, Reporter& reporter, CheckResult& result) {
  // File lines that pass the separator rule are only counted; folders and
  // climbs that keep the depth rules are only followed.
  const LineSkip passingFiles = MakeLineSkip(kNonFileLineStarts, LineTest::HoldsSeparator, newFormat, true);
  walk.PassOver(&passingFiles);
  while (walk.Next()) {
    // A cut line is reported and the check goes on: its rest arrives as the next line.
    if (walk.Cut()) {
      reporter.LineErrorBox(kTreeCorrupt, "Line too long", walk.LineNumber(), kProductName);
      continue;
    }
    Finding finding;
    if (!CheckLine(walk, newFormat, result.fileCount, finding)) {
      reporter.LineErrorBox(finding.first, finding.second.c_str(), walk.LineNumber(), kProductName);
      walk.Stop(WalkOutcome::LineError);
    }
  }
  result.lineNumber = walk.LineNumber();
  result.fileCount += walk.PassedOver();
}

}  // namespace

CheckResult CheckCatalog(CatalogReader& reader, const char* catalogPath, bool newFormat,
                         Reporter& reporter, const std::function<void()>& everyLines) {
  CheckResult result;
  if (catalogPath == nullptr || catalogPath[0] == '\0') return result;

  // A catalog that cannot be mapped (a new catalog without a file yet, or
  // one removed behind the program's back) is reported as the bad-date scan
  // reports it: ending silently would look like a check that never ran.
  CatalogWalk walk(reader, reporter, everyLines, kCheckRules);
  if (!walk.Open(catalogPath)) {
    result.outcome = CheckOutcome::OpenFailed;
    return result;
  }
  CheckLines(walk, newFormat, reporter, result);
  result.outcome =
      ReportCheckEnd(catalogPath, walk.Outcome() == WalkOutcome::Complete, result.fileCount, walk.Depth(), reporter);
  return result;
}

CheckOutcome ReportCheckEnd(const char* catalogPath, bool complete, long fileCount, int depth, Reporter& reporter) {
  if (!complete) {
    reporter.Status(kStatusResultPart, "Check incomplete");
    return CheckOutcome::Stopped;
  }
  const std::string status = FormatCount(fileCount) + " files found";
  reporter.Status(kStatusResultPart, status.c_str());
  // The last title may lack its end-of-title line; it must still end at the root.
  if (depth != 0) {
    reporter.ErrorBox(kTreeCorrupt, catalogPath);
    return CheckOutcome::Damaged;
  }
  reporter.InfoBox("File is good", catalogPath);
  return CheckOutcome::Good;
}

CheckedPart CheckPart(CatalogPart& part, bool newFormat) {
  CatalogReader reader;
  NoticingReporter noticing;
  CatalogWalk walk(reader, noticing, {}, kCheckRules);
  walk.OpenPart(part);
  CheckResult lines;
  CheckLines(walk, newFormat, noticing, lines);
  part.endDepth = walk.Depth();
  part.lastLine = walk.LineNumber();
  return {walk.Outcome() == WalkOutcome::Complete && !noticing.Noticed(), lines.fileCount};
}

}  // namespace vardek
