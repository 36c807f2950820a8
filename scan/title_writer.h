#pragma once
// Turns a walk over a disc into the text of one disc title and stores it in
// the temp file, ready to be joined onto the catalog.
#include "catalog/reporter.h"
#include "catalog/text_buffer.h"
#include "scan/file_date.h"
#include "scan/folder_walker.h"

namespace vardek {

inline constexpr std::uint32_t kTitleBufferSize = 64000;
// What a catalog line may hold so that every reader takes it whole.
inline constexpr int kMaxLineText = 259;

class TitleWriter : public FolderWalker {
 public:
  // Starts a new disc title; `newFormat` chooses ":" (else a space) between
  // name and date. A description longer than 79 characters is cut.
  void Begin(const char* description, bool newFormat = true);
  // Stores the title in `tempPath`; the number of file lines, or 0 after a
  // failure, which it has reported.
  int Finish(const char* tempPath, Reporter& reporter);

  int FileCount() const { return fileCount_; }

 protected:
  int LeaveFolder() override;
  int OnFile(const platform::DirectoryEntry& entry) override;
  int EnterFolder(const platform::DirectoryEntry& entry) override;
  int BeforeDescend(const platform::DirectoryEntry& entry) override;

 private:
  void AppendLine(std::string_view lead, std::string_view name, std::size_t room, std::string_view tail);
  void ReportShortcomings(Reporter& reporter) const;

  int filesFound_ = 0;
  int rootPending_ = 0;
  int fileCount_ = 0;
  char separatorAndDate_[1 + kDateBufferSize] = {};
  TextBuffer text_;
  int namesShortened_ = 0;
};

}  // namespace vardek
