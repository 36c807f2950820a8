#pragma once
// Removing disc titles from a catalog file by description, through the temp
// file: the catalog is replaced only once its rewritten copy is on disk.
#include "catalog/catalog_reader.h"
#include "catalog/reporter.h"

namespace vardek {

inline constexpr unsigned kDeleteBufferStart = 512000;
inline constexpr unsigned kDeleteBufferGrowth = 512000;

// Removes every title whose description equals `description` (case ignored)
// from its title line through its end-of-title line, or up to the next title
// line when its end-of-title line is missing. Every surviving line is written
// back with CR LF. True when the catalog file was rewritten (also when no
// title matched); `titlesRemoved`, when given, receives the number removed.
// Reports "Error opening file" or "Not enough memory"; a temp file that cannot
// be written is deleted without a message; a failed replace is reported by
// ReplaceCatalog.
bool DeleteTitleFromCatalog(CatalogReader& reader, const char* catalogPath, const char* description,
                            Reporter& reporter, int* titlesRemoved = nullptr);

}  // namespace vardek
