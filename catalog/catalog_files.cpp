#include "catalog/catalog_files.h"

#include "catalog/catalog_format.h"
#include "catalog/text_buffer.h"
#include "catalog/text_routines.h"
#include "platform/files.h"

namespace vardek {

std::string TempPathFor(const std::string& catalogPath) {
  std::string temp = catalogPath;
  if (!SetExtension(temp, kTempExtension)) return {};
  return temp;
}

CatalogChange::~CatalogChange() { lock_.RemoveAndRelease(); }

ChangeOutcome CatalogChange::Refuse(const char* text) {
  lock_.RemoveAndRelease();
  reporter_.ErrorBox(text, shownPath_.c_str());
  return ChangeOutcome::Refused;
}

ChangeOutcome CatalogChange::Begin(const std::string& catalogPath) {
  shownPath_ = catalogPath;
  catalogFile_ = platform::LinkTarget(catalogPath.c_str());
  tempFile_ = TempPathFor(catalogFile_);
  if (tempFile_.empty() || platform::KindOfPath(catalogFile_.c_str()) == platform::PathKind::Other)
    return Refuse("Error opening file");
  // Its temp file's failed write would delete the catalog itself.
  if (tempFile_ == catalogFile_) return Refuse(kCatalogIsTempName);
  switch (lock_.Take(tempFile_, waitMilliseconds_)) {
    case platform::FileLock::Outcome::Held:
      break;
    case platform::FileLock::Outcome::Busy:
      return Refuse(kCatalogBusy);
    case platform::FileLock::Outcome::Failed:
      return ChangeOutcome::TempNotWritten;
  }
  // Held at last: the catalog may have become something else meanwhile.
  if (platform::KindOfPath(catalogFile_.c_str()) == platform::PathKind::Other) return Refuse("Error opening file");
  return ChangeOutcome::Ready;
}

ChangeOutcome CatalogChange::Replaced() {
  // The temp file is the catalog now; only the lock is let go.
  lock_.Release();
  reporter_.CatalogReplaced();
  return ChangeOutcome::Replaced;
}

ChangeOutcome CatalogChange::Replace() {
  if (!lock_.Held() || !platform::ReplaceFileWith(tempFile_.c_str(), catalogFile_.c_str()))
    return Refuse("Error replacing catalog - Catalog unchanged");
  return Replaced();
}

ChangeOutcome CatalogChange::Join() {
  constexpr const char* kJoinFailed = "Error joining files - New data not added";
  if (!lock_.Held()) return Refuse(kJoinFailed);
  if (platform::KindOfPath(catalogFile_.c_str()) == platform::PathKind::Missing) {
    // Nothing to join: the temp file becomes the catalog, never overwriting one.
    if (!platform::MoveFileTo(tempFile_.c_str(), catalogFile_.c_str())) return Refuse(kJoinFailed);
    return Replaced();
  }
  TextBuffer catalog;
  const bool joined = catalog.ReadWholeFile(catalogFile_.c_str(), 2) &&
                      platform::AppendToFile(tempFile_.c_str(), catalog.Text(), catalog.Used()) &&
                      platform::ReplaceFileWith(tempFile_.c_str(), catalogFile_.c_str());
  if (!joined) return Refuse(kJoinFailed);
  return Replaced();
}

ChangeOutcome CatalogChange::Remove() {
  if (!lock_.Held() || !platform::DeleteFileAt(catalogFile_.c_str())) return Refuse("Error deleting catalog");
  lock_.RemoveAndRelease();
  return ChangeOutcome::Removed;
}

}  // namespace vardek
