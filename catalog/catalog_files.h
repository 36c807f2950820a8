#pragma once
// Every change of a catalog (a scan's join or move, a delete, a conversion)
// goes through one CatalogChange. It holds the catalog's temp file (".$$$")
// under an operating-system lock (platform::FileLock) from before the
// catalog is read until the temp file has taken the catalog's place, so that
// two changes of one catalog never overlap: not between two Vardeks, nor
// between the Windows programs under Wine and the Linux vardek-cli. The temp
// file is written only while held. A catalog is never removed
// before its replacement is complete on disk, and no temp file outlives a
// change.
#include <string>

#include "catalog/reporter.h"
#include "platform/file_lock.h"

namespace vardek {

// How long a change waits for another change of the same catalog to end.
inline constexpr int kChangeWaitMilliseconds = 3000;

inline constexpr const char* kCatalogBusy = "The catalog is being changed by another program - try again later";
inline constexpr const char* kCatalogIsTempName = "The catalog's name is that of its own temp file (.$$$) - Catalog unchanged";

enum class ChangeOutcome {
  Ready,           // Begin: the catalog is held for this change
  Replaced,        // the catalog holds its new text (or was made)
  Removed,         // nothing was left of it: the catalog file was deleted
  Refused,         // reported; the catalog is as it was
  TempNotWritten,  // the temp file could not be written; not reported; the catalog is as it was
};

// The catalog's path with the extension ".$$$"; empty when none can be formed.
std::string TempPathFor(const std::string& catalogPath);

class CatalogChange {
 public:
  explicit CatalogChange(Reporter& reporter, int waitMilliseconds = kChangeWaitMilliseconds)
      : reporter_(reporter), waitMilliseconds_(waitMilliseconds) {}
  CatalogChange(const CatalogChange&) = delete;
  CatalogChange& operator=(const CatalogChange&) = delete;
  // A temp file that did not take the catalog's place is deleted.
  ~CatalogChange();

  // Takes the catalog for this change. A link is followed: its target is
  // changed and the link kept. Refuses with "Error opening file" a path that
  // names a folder, a pipe, a device or a broken link, and a catalog whose
  // temp file would be the catalog itself; refuses with kCatalogBusy when
  // another change holds it longer than the wait. Ready, Refused or
  // TempNotWritten (the temp file cannot be made).
  ChangeOutcome Begin(const std::string& catalogPath);

  // The file that is changed (a link's target) and its temp file.
  const std::string& CatalogFile() const { return catalogFile_; }
  const std::string& TempFile() const { return tempFile_; }

  // The temp file holds the whole new catalog: it takes the catalog's place.
  // On failure: "Error replacing catalog - Catalog unchanged".
  ChangeOutcome Replace();
  // The temp file holds a new title: the catalog's text goes behind it, or,
  // with no catalog yet, the temp file becomes the catalog. On failure:
  // "Error joining files - New data not added".
  ChangeOutcome Join();
  // Nothing is left of the catalog: its file is deleted.
  ChangeOutcome Remove();

 private:
  ChangeOutcome Refuse(const char* text);
  ChangeOutcome Replaced();

  Reporter& reporter_;
  int waitMilliseconds_;
  std::string shownPath_;
  std::string catalogFile_;
  std::string tempFile_;
  platform::FileLock lock_;
};

}  // namespace vardek
