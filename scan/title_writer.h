#pragma once
// Turns a walk over a disc into the text of one disc title and stores it in
// the temp file, ready to be joined onto the catalog.
#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/reporter.h"
#include "catalog/text_buffer.h"
#include "scan/file_date.h"
#include "scan/folder_walker.h"

namespace vardek {

inline constexpr std::uint32_t kTitleBufferSize = 64000;
// What a catalog line may hold so that the line reader takes it whole: a
// line that fills its buffer is cut, even when only its line end follows.
inline constexpr int kMaxLineText = kLineLimit - 2;
// The deepest folder level every reader accepts.
inline constexpr int kMaxScanDepth = kMaxFolderLevels - 1;

// How a scan ended; every outcome but Saved has been reported by Finish.
enum class ScanOutcome { Saved, NoFiles, RootTooLong, BadDescription, StoreFailed, SaveFailed };

class TitleWriter : public FolderWalker {
 public:
  // Starts a new disc title; `newFormat` chooses ":" (else a space) between
  // name and date. A description longer than 79 characters is cut; one that
  // holds CR or LF is refused (false): there is then nothing to walk, and
  // Finish says why.
  bool Begin(const char* description, bool newFormat = true);
  // Walks a disc from its root (ending in a separator) as a scan does: every
  // file, folders down to kMaxScanDepth levels, system folders skipped, the
  // folders listed by `listing` (the file system's, or a disc image's tree).
  int WalkDisc(const char* root, const FolderListing& listing = PlatformListing());
  // Stores the title in `tempPath` and reports what it could not store as
  // it was found.
  ScanOutcome Finish(const char* tempPath, Reporter& reporter);

  // File lines written since Begin.
  int FileCount() const { return fileCount_; }

 protected:
  int LeaveFolder() override;
  int OnFile(const platform::DirectoryEntry& entry) override;
  int EnterFolder(const platform::DirectoryEntry& entry) override;
  int BeforeDescend(const platform::DirectoryEntry& entry) override;

 private:
  // A scan never walks deeper than the readers accept.
  using FolderWalker::Walk;

  void AppendLine(LineKind kind, std::string_view lead, std::string_view name, std::size_t room,
                  std::string_view tail);
  ScanOutcome Store(const char* tempPath, Reporter& reporter);
  void ReportShortcomings(Reporter& reporter) const;

  int filesFound_ = 0;
  int rootPending_ = 0;
  int fileCount_ = 0;
  char separatorAndDate_[1 + kDateBufferSize] = {};
  TextBuffer text_;
  bool descriptionRefused_ = false;
  int namesShortened_ = 0;
  int namesMasked_ = 0;
};

}  // namespace vardek
