#include "maintenance/disc_stats.h"

#include <algorithm>

#include "browse/collect.h"
#include "browse/disc_lines.h"
#include "maintenance/bad_dates.h"

namespace vardek {

namespace {

void WidenRange(DiscStats& into, std::uint32_t oldest, std::uint32_t newest) {
  if (oldest == 0) return;
  if (into.oldest == 0 || oldest < into.oldest) into.oldest = oldest;
  into.newest = std::max(into.newest, newest);
}

// A file or folder before the first title line opens the disc of no title.
class StatsOfDiscs : public DiscLines {
 public:
  explicit StatsOfDiscs(std::vector<DiscStats>& discs) : discs_(discs) {}

  void Title(const char* description) override {
    discs_.push_back({});
    discs_.back().description = description;
  }
  void Folder(std::string_view, const CatalogWalk& walk) override {
    DiscStats& disc = Current();
    ++disc.folders;
    disc.deepestLevel = std::max(disc.deepestLevel, walk.Depth());
  }
  void File(std::string_view, std::string_view dateText, const CatalogWalk&) override {
    DiscStats& disc = Current();
    ++disc.files;
    std::uint32_t date = 0;
    if (HasBadDate(dateText)) ++disc.badDates;
    else if (FileDateNumber(dateText, date)) WidenRange(disc, date, date);
  }

 private:
  DiscStats& Current() {
    if (discs_.empty()) discs_.push_back({});
    return discs_.back();
  }

  std::vector<DiscStats>& discs_;
};

}  // namespace

CatalogStats ReadDiscStats(CatalogReader& reader, const char* catalogPath, Reporter& reporter,
                           const std::function<void()>& everyLines) {
  CatalogStats stats;
  StatsOfDiscs discs(stats.discs);
  stats.outcome = ReadDiscLines(reader, catalogPath, reporter, discs, everyLines);
  return stats;
}

DiscStats TotalOfDiscs(const std::vector<DiscStats>& discs) {
  DiscStats total;
  for (const DiscStats& disc : discs) {
    total.files += disc.files;
    total.folders += disc.folders;
    total.badDates += disc.badDates;
    total.deepestLevel = std::max(total.deepestLevel, disc.deepestLevel);
    WidenRange(total, disc.oldest, disc.newest);
  }
  return total;
}

}  // namespace vardek
