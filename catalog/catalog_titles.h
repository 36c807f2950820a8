#pragma once
// The reading step of opening a catalog: every title description, in file order.
#include <functional>

#include "catalog/catalog_reader.h"
#include "catalog/reporter.h"

namespace vardek {

struct CatalogTitleScan {
  bool newFormat = false;
  long titleCount = 0;
};

// Reads the catalog from start to end (CatalogReader::Stream), hands each
// title line's description to `onTitle` and lets the catalog go. Reports
// "Error opening file" (caption: the path) and returns false when the
// catalog cannot be opened or read to its end.
bool ReadCatalogTitles(CatalogReader& reader, const char* path, Reporter& reporter,
                       const std::function<void(const char* description)>& onTitle,
                       CatalogTitleScan& scan);

// The same for part `index` of `count` of a catalog that `whole` holds
// mapped (CatalogReader::ReadPart), for parts read side by side: the
// titles of the parts one after the other are those of the whole. Returns
// how many it handed out; `read`, where given, tells whether the part was
// read to its end (a part read in pieces ends early where the file cannot
// be read on).
long ReadPartTitles(const CatalogReader& whole, int index, int count,
                    const std::function<void(const char* description)>& onTitle, bool* read = nullptr);

}  // namespace vardek
