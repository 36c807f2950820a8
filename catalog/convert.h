#pragma once
// Rewrites an old-format catalog ("@@@" titles, "name MM-DD-YY" lines) into
// the new format, replacing every date it cannot vouch for by "00/00/00".
#include <string>

#include "catalog/reporter.h"

namespace vardek {

// Converts one line (at most 254 characters); false when the line is dropped.
bool ConvertLine(const char* line, std::string& converted);

bool ConvertCatalog(const char* path, Reporter& reporter);

}  // namespace vardek
