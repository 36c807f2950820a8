#pragma once
// One walk over a catalog that hands each disc title's structure to a
// reader of its own: titles, folders entered and left, ends of titles and
// file lines split into name and date. The counts of `stats`, the folder
// trees of `report` and the copies of `duplicates` all read a catalog so.
#include <functional>
#include <string_view>

#include "catalog/catalog_reader.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"

namespace vardek {

// Each call comes after the walk has applied the line to its folder depth
// and path; the walk stays readable (Depth(), FolderPath()) during it.
// Lines before the first title line belong to no title.
class DiscLines {
 public:
  virtual ~DiscLines() = default;
  virtual void Title(const char* /*description*/) {}
  // `name` is the folder line without its "\".
  virtual void Folder(std::string_view /*name*/, const CatalogWalk& /*walk*/) {}
  virtual void Climb(const CatalogWalk& /*walk*/) {}
  virtual void EndOfTitle() {}
  // A file line (a blank-led line too, as the listing reads it) that holds a
  // date by the catalog's separator rule.
  virtual void File(std::string_view /*name*/, std::string_view /*dateText*/, const CatalogWalk& /*walk*/) {}
};

// Reads the catalog from start to end. OpenFailed after "Error opening file";
// DepthError or ReadFailed after its report, the lines before it handed out.
WalkOutcome ReadDiscLines(CatalogReader& reader, const char* catalogPath, Reporter& reporter, DiscLines& lines,
                          const std::function<void()>& everyLines = {});

// The same for a second reading of a catalog read once already: it meets
// the same damage, which the first reading has reported, and says nothing.
WalkOutcome ReadDiscLinesAgain(CatalogReader& reader, const char* catalogPath, DiscLines& lines);

}  // namespace vardek
