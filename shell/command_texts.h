#pragma once
// The texts of the commands that read or change catalogs from the window.

namespace vardek {

inline constexpr char kCreateCatalogFirst[] = "You must create a new catalog first.";
inline constexpr char kOneCatalogOnly[] = "Only one catalog may be loaded if modifications are to be made";
inline constexpr char kNewFormatOnly[] = "Data must be in the new format for changes to be made";
inline constexpr char kScanningDrive[] = "Scanning drive ";
inline constexpr char kSavingToTempFailed[] = "Error saving to temp file";
inline constexpr char kSearching[] = "Searching ";
inline constexpr char kDeleting[] = "Deleting ...";
inline constexpr char kDeleteCaption[] = "Delete";
inline constexpr char kDeleteQuestionTail[] = "\n\nOk to delete?";
inline constexpr char kFileNotFound[] = "File not found.\nMake sure correct source drive was selected.";
inline constexpr char kChooseDestination[] = "Choose a destination folder:";
inline constexpr char kOverwriteQuestion[] = "Overwrite existing file?";
inline constexpr char kCopyFailed[] = "The file could not be copied.";
inline constexpr char kSourcePathTooLong[] = "The file's path on its disc is too long to be used.";
inline constexpr char kDestinationTooLong[] = "The destination path is too long - nothing was copied.";
inline constexpr char kOpenVerb[] = "open";

inline constexpr int kWorkTextSize = 100;     // work-window text, terminator included
inline constexpr int kTitleTextSize = 80;     // a title item's text as a description
inline constexpr int kCatalogItemSize = 260;  // a catalog item's text

}  // namespace vardek
