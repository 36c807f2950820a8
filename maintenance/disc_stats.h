#pragma once
// The counts of each disc title of a catalog: files, folders, the deepest
// folder level, the range of its valid dates and its bad dates.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog_reader.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"

namespace vardek {

struct DiscStats {
  std::string description;  // catalog text
  long long files = 0;
  long long folders = 0;
  int deepestLevel = 0;      // 0: no folder; 1: folders in the root only
  std::uint32_t oldest = 0;  // YYYYMMDD of the oldest valid date; 0 when none
  std::uint32_t newest = 0;
  long long badDates = 0;    // by the bad-date scan's rule; left out of the range
};

struct CatalogStats {
  // OpenFailed, Complete, DepthError or ReadFailed (the last two reported;
  // the discs read before stay).
  WalkOutcome outcome = WalkOutcome::OpenFailed;
  // In file order. Files or folders before the first title line make a
  // disc of their own with an empty description.
  std::vector<DiscStats> discs;
};

CatalogStats ReadDiscStats(CatalogReader& reader, const char* catalogPath, Reporter& reporter,
                           const std::function<void()>& everyLines = {});

// The discs together: counts added, the deepest level and the date range over all.
DiscStats TotalOfDiscs(const std::vector<DiscStats>& discs);

}  // namespace vardek
