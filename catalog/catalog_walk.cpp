#include "catalog/catalog_walk.h"

#include <cstdint>
#include <cstring>
#include <limits>

#include "catalog/text_routines.h"

namespace vardek {

CatalogWalk::CatalogWalk(CatalogReader& reader, Reporter& reporter, const std::function<void()>& everyLines,
                         WalkRules rules)
    : reader_(reader), reporter_(reporter), everyLines_(everyLines ? &everyLines : nullptr), rules_(rules) {
  CopyText(caption_, sizeof caption_, rules_.captionBeforeTitle);
}

bool CatalogWalk::Open(const char* path) {
  const char* shown = path == nullptr ? "" : path;
  path_ = shown;
  const bool opened = shown[0] != '\0' && reader_.Stream(shown, kLineLimit);
  if (!opened) {
    reporter_.ErrorBox(kErrorOpeningFile, shown);
    outcome_ = WalkOutcome::OpenFailed;
    return false;
  }
  newFormat_ = reader_.NewFormat();
  running_ = true;
  return true;
}

void CatalogWalk::OpenPart(const CatalogPart& part) {
  reader_.ReadPart(*part.whole, part.index, part.count, part.toEnd, kLineLimit);
  path_ = part.whole->Path();
  newFormat_ = reader_.NewFormat();
  running_ = true;
  lineNumber_ = part.linesBefore;
}

// The hook still runs at every line number that is a multiple of 200: lines
// are passed over only up to the one before it.
void CatalogWalk::SkipLines() {
  std::size_t most = std::numeric_limits<std::size_t>::max();
  if (everyLines_ != nullptr) most = static_cast<std::size_t>(kWalkHookInterval - 1 - lineNumber_ % kWalkHookInterval);
  FollowedFolders folders{depth_, rules_.keepsFolderPath ? &folder_ : nullptr, 0};
  const auto skipped = static_cast<long>(reader_.SkipLines(*skip_, most, skip_->followsFolders ? &folders : nullptr));
  const auto followed = static_cast<long>(folders.lines);
  depth_ = folders.depth;
  folderMoves_ += followed;
  lineNumber_ += skipped;
  passedOver_ += skipped - followed;
}

bool CatalogWalk::Next() {
  if (!running_) return false;
  if (skip_ != nullptr) SkipLines();
  const bool lineRead = reader_.HasData();
  if (lineRead) line_ = reader_.NextLineView(scratch_);
  // A catalog read in pieces ends early where the file cannot be read on.
  if (reader_.ReadFailed()) {
    reporter_.ErrorBox(kErrorOpeningFile, path_.c_str());
    End(WalkOutcome::ReadFailed);
    return false;
  }
  if (!lineRead) {
    End(WalkOutcome::Complete);
    return false;
  }
  ++lineNumber_;
  if (everyLines_ != nullptr && lineNumber_ % kWalkHookInterval == 0) {
    (*everyLines_)();
    // Whatever ran in the hook may have taken the one reader over; the walk
    // must not go on in a view that is gone.
    if (!reader_.IsMapped()) {
      End(WalkOutcome::Interrupted);
      return false;
    }
  }
  cut_ = reader_.Cut();
  if (cut_ && rules_.cutLinesApart) return true;
  kind_ = ClassifyLine(line_);
  return Follow();
}

// A title line's description is read as a zero-terminated text: titles are
// few, so theirs is the one line kind copied out of the mapping.
void CatalogWalk::KeepTitleLine() {
  if (line_.data() != scratch_) std::memcpy(scratch_, line_.data(), line_.size());
  scratch_[line_.size()] = '\0';
  line_ = std::string_view(scratch_, line_.size());
}

// Applies the depth rules to the current line and moves the folder path.
bool CatalogWalk::Follow() {
  switch (kind_) {
    case LineKind::Title:
      KeepTitleLine();
      CopyText(caption_, sizeof caption_, Description());
      return true;
    case LineKind::Folder:
      // Readers accept 15 nested levels: the folder line that would make the
      // depth 16 is the error. A path of 15 levels always fits.
      if (depth_ + 1 >= kMaxFolderLevels) return Break(kTooDeep);
      folderLine_ = FolderLineName(line_);
      if (rules_.keepsFolderPath) folder_.Enter(folderLine_);
      ++depth_;
      ++folderMoves_;
      return true;
    case LineKind::Climb:
      if (depth_ == 0) return Break(kBelowRoot);
      if (rules_.keepsFolderPath) folder_.Leave();
      --depth_;
      ++folderMoves_;
      return true;
    case LineKind::EndOfTitle:
      if (rules_.endAtRoot && depth_ != 0) return Break(kNotAtRoot);
      depth_ = 0;
      folder_.Clear();
      ++folderMoves_;
      return true;
    case LineKind::Comment:
    case LineKind::BlankLed:
    case LineKind::File:
      return true;
  }
  return true;
}

bool CatalogWalk::Break(const char* rule) {
  reporter_.LineErrorBox(kTreeCorrupt, rule, lineNumber_, caption_);
  End(WalkOutcome::DepthError);
  return false;
}

void CatalogWalk::Stop(WalkOutcome outcome) {
  if (running_) End(outcome);
}

void CatalogWalk::End(WalkOutcome outcome) {
  outcome_ = outcome;
  running_ = false;
  reader_.Unmap();
}

}  // namespace vardek
