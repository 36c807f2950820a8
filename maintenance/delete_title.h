#pragma once
// Removing disc titles from a catalog file by description, through the temp
// file: the catalog is replaced only once its rewritten copy is on disk.
#include "catalog/catalog_files.h"
#include "catalog/catalog_reader.h"
#include "catalog/reporter.h"

namespace vardek {

inline constexpr unsigned kDeleteBufferStart = 512000;
inline constexpr unsigned kDeleteBufferGrowth = 512000;
inline constexpr const char* kCatalogDeletedNoTitleLeft = "No title is left - the catalog file was deleted";

// Removes every title whose description equals `description` (case ignored)
// from its title line through its end-of-title line. A damaged title without
// its end-of-title line ends at the next title line: a line that starts with
// "|" and is not the rest of a cut line (the rest of a cut line never counts
// as a line of its own). Every surviving line is written back with CR LF.
// Replaced when the catalog was rewritten (also when no title matched);
// Removed, saying so, when no title was left and the catalog file was
// deleted; Refused after "Error opening file", "Not enough memory" or a
// refusal of the change; TempNotWritten, silently, when the temp file could
// not be written. `titlesRemoved`, when given, receives the number removed.
ChangeOutcome DeleteTitleFromCatalog(CatalogReader& reader, const char* catalogPath, const char* description,
                                     Reporter& reporter, int* titlesRemoved = nullptr);

}  // namespace vardek
