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

bool JoinCatalog(const char* tempPath, const char* catalogPath, Reporter& reporter) {
  TextBuffer catalog;
  const bool joined = catalog.ReadWholeFile(catalogPath, 2) &&
                      platform::AppendToFile(tempPath, catalog.Text(), catalog.Used()) &&
                      platform::ReplaceFileWith(tempPath, catalogPath);
  if (!joined) {
    reporter.ErrorBox("Error joining files - New data not added", catalogPath);
    platform::DeleteFileAt(tempPath);
    return false;
  }
  reporter.CatalogReplaced();
  return true;
}

bool ReplaceCatalog(const char* tempPath, const char* catalogPath, Reporter& reporter) {
  if (!platform::ReplaceFileWith(tempPath, catalogPath)) {
    platform::DeleteFileAt(tempPath);
    reporter.ErrorBox("Error replacing catalog - Catalog unchanged", catalogPath);
    return false;
  }
  reporter.CatalogReplaced();
  return true;
}

}  // namespace vardek
