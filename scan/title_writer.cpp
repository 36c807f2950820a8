#include "scan/title_writer.h"

#include <cstring>
#include <string>

#include "catalog/text_routines.h"
#include "platform/files.h"

namespace vardek {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Room for a name on a file line: separator and 8-character date behind it.
constexpr std::size_t kFileNameRoom = kMaxLineText - 1 - kDateTextLength;
// Room for a name on a folder line: the backslash in front of it.
constexpr std::size_t kFolderNameRoom = kMaxLineText - 1;
// What takes the place of a name's first character when the line would read
// as another kind of line.
constexpr char kMaskCharacter = '?';

constexpr const char* kNoFilesText = "No files found - Nothing saved!";
constexpr const char* kStoreFailedText = "Error storing directory tree";
constexpr const char* kSaveFailedText = "Error saving to temp file";
constexpr const char* kDescriptionRefusedText =
    "The disk description must not hold a line break (CR or LF) - Nothing saved!";

std::string RootTooLongText() {
  return "The folder's path is longer than " + std::to_string(kFolderPathSize - 1) + " bytes - Nothing saved!";
}

// A description that holds a line end would make more than one line.
bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// The readers take a blank-led line for a file too, or pass it over.
bool ReadsAs(LineKind kind, const char* line) {
  const LineKind read = ClassifyLine(line);
  return read == kind || (kind == LineKind::File && read == LineKind::BlankLed);
}

}  // namespace

bool TitleWriter::Begin(const char* description, bool newFormat) {
  // A failed start only makes every append set the error flag, which Finish reports.
  text_.Start(kTitleBufferSize, kTitleBufferSize);
  separatorAndDate_[0] = newFormat ? kNewSeparator : kOldSeparator;
  filesFound_ = 0;
  fileCount_ = 0;
  namesShortened_ = 0;
  namesMasked_ = 0;
  rootPending_ = 1;
  descriptionRefused_ = HoldsLineBreak(description);
  if (descriptionRefused_) return false;
  std::string_view cut(description);
  if (cut.size() > static_cast<std::size_t>(kMaxDescriptionLength)) cut = cut.substr(0, kMaxDescriptionLength);
  std::string line = kNewTitleMarker;
  line += cut;
  line += kLineEnd;
  text_.Append(line);
  return true;
}

int TitleWriter::WalkDisc(const char* root, const FolderListing& listing) {
  return Walk(root, "*.*", kMaxScanDepth, 0, listing);
}

// A name that would make its line longer than the readers take is cut, and
// one that would make it read as another kind of line loses its first
// character, so that the catalog reads back as it was written; Finish says so.
void TitleWriter::AppendLine(LineKind kind, std::string_view lead, std::string_view name, std::size_t room,
                             std::string_view tail) {
  if (name.size() > room) {
    name = name.substr(0, room);
    ++namesShortened_;
  }
  char line[kMaxLineText + 2 + 1];
  std::size_t length = 0;
  for (std::string_view piece : {lead, name, tail}) {
    if (piece.empty()) continue;
    std::memcpy(line + length, piece.data(), piece.size());
    length += piece.size();
  }
  line[length] = '\0';
  if (!name.empty() && !ReadsAs(kind, line)) {
    line[lead.size()] = kMaskCharacter;
    ++namesMasked_;
  }
  std::memcpy(line + length, kLineEnd.data(), kLineEnd.size());
  text_.Append(std::string_view(line, length + kLineEnd.size()));
}

int TitleWriter::EnterFolder(const platform::DirectoryEntry& entry) {
  if (rootPending_ != 0) {
    rootPending_ = 0;
    return 0;
  }
  AppendLine(LineKind::Folder, "\\", entry.name, kFolderNameRoom, {});
  return 0;
}

int TitleWriter::OnFile(const platform::DirectoryEntry& entry) {
  char date[kDateBufferSize];
  FormatFileDate(entry.lastWrite, date);
  std::memcpy(separatorAndDate_ + 1, date, sizeof date);
  AppendLine(LineKind::File, {}, entry.name, kFileNameRoom, separatorAndDate_);
  ++fileCount_;
  filesFound_ = 1;
  return 0;
}

int TitleWriter::LeaveFolder() {
  text_.Append("..\r\n");
  return 0;
}

int TitleWriter::BeforeDescend(const platform::DirectoryEntry&) { return 0; }

void TitleWriter::ReportShortcomings(Reporter& reporter) const {
  const struct {
    int count;
    std::string text;
  } shortcomings[] = {
      {namesShortened_, "Names shortened to fit a catalog line: "},
      {namesMasked_, "Names whose first character became \"?\" so that they do not read as another catalog line: "},
      {FoldersTooLong(), "Folders not scanned because their path is too long: "},
      {FoldersTooDeep(),
       "Folders not scanned because they lie deeper than " + std::to_string(kMaxScanDepth) + " levels: "},
  };
  for (const auto& shortcoming : shortcomings) {
    if (shortcoming.count == 0) continue;
    reporter.ErrorBox((shortcoming.text + FormatCount(shortcoming.count)).c_str(), kProductName);
  }
}

ScanOutcome TitleWriter::Store(const char* tempPath, Reporter& reporter) {
  if (descriptionRefused_) {
    reporter.ErrorBox(kDescriptionRefusedText, kProductName);
    return ScanOutcome::BadDescription;
  }
  if (RootTooLong()) {
    reporter.ErrorBox(RootTooLongText().c_str(), kProductName);
    return ScanOutcome::RootTooLong;
  }
  if (filesFound_ == 0) {
    reporter.ErrorBox(kNoFilesText, kProductName);
    return ScanOutcome::NoFiles;
  }
  text_.Append("<eof>\r\n");
  if (text_.Failed()) {
    reporter.ErrorBox(kStoreFailedText, kProductName);
    return ScanOutcome::StoreFailed;
  }
  if (!text_.SaveToFile(tempPath)) {
    platform::DeleteFileAt(tempPath);  // no half-written title is left behind
    reporter.ErrorBox(kSaveFailedText, tempPath);
    return ScanOutcome::SaveFailed;
  }
  ReportShortcomings(reporter);
  return ScanOutcome::Saved;
}

ScanOutcome TitleWriter::Finish(const char* tempPath, Reporter& reporter) {
  const ScanOutcome outcome = Store(tempPath, reporter);
  text_.Release();
  return outcome;
}

}  // namespace vardek
