#include "scan/title_writer.h"

#include <cstring>
#include <string>

#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "platform/files.h"

namespace vardek {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Room for a name on a file line: separator and 8-character date behind it.
constexpr std::size_t kFileNameRoom = kMaxLineText - 1 - kDateTextLength;
// Room for a name on a folder line: the backslash in front of it.
constexpr std::size_t kFolderNameRoom = kMaxLineText - 1;

}  // namespace

void TitleWriter::Begin(const char* description, bool newFormat) {
  // A failed start only makes every append set the error flag, which Finish reports.
  text_.Start(kTitleBufferSize, kTitleBufferSize);
  separatorAndDate_[0] = newFormat ? kNewSeparator : kOldSeparator;
  std::string_view cut(description);
  if (cut.size() > static_cast<std::size_t>(kMaxDescriptionLength)) cut = cut.substr(0, kMaxDescriptionLength);
  std::string line = kNewTitleMarker;
  line += cut;
  line += kLineEnd;
  text_.Append(line);
  filesFound_ = 0;
  fileCount_ = 0;
  namesShortened_ = 0;
  rootPending_ = 1;
}

// A name that would make its line longer than the readers take is cut, so
// that the catalog stays readable; Finish says so.
void TitleWriter::AppendLine(std::string_view lead, std::string_view name, std::size_t room, std::string_view tail) {
  if (name.size() > room) {
    name = name.substr(0, room);
    ++namesShortened_;
  }
  char line[kMaxLineText + 1 + 2 + 1];
  std::size_t length = 0;
  for (std::string_view piece : {lead, name, tail, kLineEnd}) {
    if (piece.empty()) continue;
    std::memcpy(line + length, piece.data(), piece.size());
    length += piece.size();
  }
  text_.Append(std::string_view(line, length));
}

int TitleWriter::EnterFolder(const platform::DirectoryEntry& entry) {
  if (rootPending_ != 0) {
    rootPending_ = 0;
    return 0;
  }
  AppendLine("\\", entry.name, kFolderNameRoom, {});
  return 0;
}

int TitleWriter::OnFile(const platform::DirectoryEntry& entry) {
  char date[kDateBufferSize];
  FormatFileDate(entry.lastWrite, date);
  std::memcpy(separatorAndDate_ + 1, date, sizeof date);
  AppendLine({}, entry.name, kFileNameRoom, separatorAndDate_);
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
  if (namesShortened_ > 0) {
    const std::string text = "Names shortened to fit a catalog line: " + FormatCount(namesShortened_);
    reporter.ErrorBox(text.c_str(), kProductName);
  }
  if (FoldersTooLong() > 0) {
    const std::string text = "Folders not scanned because their path is too long: " + FormatCount(FoldersTooLong());
    reporter.ErrorBox(text.c_str(), kProductName);
  }
}

int TitleWriter::Finish(const char* tempPath, Reporter& reporter) {
  int result = 0;
  if (filesFound_ == 0) {
    reporter.ErrorBox("No files found - Nothing saved!", kProductName);
  } else {
    text_.Append("<eof>\r\n");
    if (text_.Failed()) {
      reporter.ErrorBox("Error storing directory tree", kProductName);
    } else if (!text_.SaveToFile(tempPath)) {
      platform::DeleteFileAt(tempPath);  // no half-written title is left behind
      reporter.ErrorBox("Error saving to temp file", tempPath);
    } else {
      ReportShortcomings(reporter);
      result = fileCount_;
    }
  }
  text_.Release();
  return result;
}

}  // namespace vardek
