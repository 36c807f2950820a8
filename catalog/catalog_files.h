#pragma once
// Putting rewritten catalog text in the catalog's place. A catalog is never
// removed before its replacement is complete on disk: the temp file is
// flushed and then takes the catalog's name in one step.
#include <string>

#include "catalog/reporter.h"

namespace vardek {

// The catalog's path with the extension ".$$$"; empty when none can be formed.
std::string TempPathFor(const std::string& catalogPath);

// Puts the catalog's content behind the new title held in the temp file and
// makes the result the catalog. On failure: "Error joining files - New data
// not added", the temp file is deleted and the catalog stays as it was.
bool JoinCatalog(const char* tempPath, const char* catalogPath, Reporter& reporter);

// Replaces the catalog by the temp file. On failure the catalog stays as it
// was, the temp file is deleted and the failure is reported.
bool ReplaceCatalog(const char* tempPath, const char* catalogPath, Reporter& reporter);

}  // namespace vardek
