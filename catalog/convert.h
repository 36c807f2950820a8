#pragma once
// Rewrites an old-format catalog ("@@@" titles, "name MM-DD-YY" lines) into
// the new format, replacing every date it cannot vouch for by "00/00/00".
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/reporter.h"

namespace vardek {

// Converts one line (at most 254 characters); false when the line is dropped.
bool ConvertLine(const char* line, std::string& converted);

inline constexpr const char* kNothingConverted = "No line of the catalog could be converted - Catalog unchanged";

// Replaced when the catalog now holds its converted text; Refused after
// "Error opening file", "Not enough memory", kNothingConverted (not one line
// was kept) or a refusal of the change; TempNotWritten, silently, when the
// temp file could not be written. Only Replaced changes the catalog.
ChangeOutcome ConvertCatalog(const char* path, Reporter& reporter);

}  // namespace vardek
