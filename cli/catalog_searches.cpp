#include "cli/catalog_searches.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <unordered_map>

#include "browse/collect.h"
#include "cli/progress.h"

namespace vardek::cli {

namespace {

// The reports of one search, kept until its turn comes.
class HeldReports : public Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override { held_.push_back({Kind::Error, 0, text, caption}); }
  void InfoBox(const char* text, const char* caption) override { held_.push_back({Kind::Info, 0, text, caption}); }
  void Status(int part, const char* text) override { held_.push_back({Kind::Status, part, text, ""}); }

  void PassOn(Reporter& reporter) const {
    for (const Held& report : held_) {
      switch (report.kind) {
        case Kind::Error: reporter.ErrorBox(report.text.c_str(), report.caption.c_str()); break;
        case Kind::Info: reporter.InfoBox(report.text.c_str(), report.caption.c_str()); break;
        case Kind::Status: reporter.Status(report.part, report.text.c_str()); break;
      }
    }
  }

 private:
  enum class Kind { Error, Info, Status };
  struct Held {
    Kind kind;
    int part;
    std::string text;
    std::string caption;
  };
  std::vector<Held> held_;
};

struct Search {
  ResultList list;
  HeldReports reports;
  WalkOutcome outcome = WalkOutcome::OpenFailed;
  bool listMade = false;
};

void RunOne(const std::string& catalog, const char* searchText, bool folders, Search& search) {
  search.listMade = search.list.Reset();
  if (!search.listMade) return;
  CatalogReader reader;
  search.outcome = folders ? CollectFolders(reader, catalog.c_str(), searchText, search.list, search.reports)
                           : CollectFiles(reader, catalog.c_str(), "", searchText, search.list, search.reports);
}

// The rows of one search added to the command's list; false when the list
// took no more (the rows so far stay, as when a walk finds the list full).
bool TakeRows(const ResultList& from, ResultList& list) {
  std::unordered_map<std::uint32_t, std::uint32_t> folderOffsets;
  std::unordered_map<std::uint32_t, std::uint32_t> titleOffsets;
  const auto moved = [](std::unordered_map<std::uint32_t, std::uint32_t>& offsets, std::uint32_t offset,
                        const std::function<std::uint32_t()>& add) {
    const auto found = offsets.find(offset);
    if (found != offsets.end()) return found->second;
    return offsets[offset] = add();
  };
  for (int i = 0; i < from.Count(); ++i) {
    const ResultRow& row = from.Row(i);
    const std::uint32_t folder =
        moved(folderOffsets, row.folderOffset, [&] { return list.AddFolder(from.Folder(row)); });
    const std::uint32_t title = moved(titleOffsets, row.titleOffset, [&] { return list.AddTitle(from.Title(row)); });
    if (!list.AddRow(from.Name(row), from.Date(row).text, folder, title)) return false;
  }
  return true;
}

}  // namespace

void SearchCatalogs(const std::vector<std::string>& catalogs, const char* searchText, bool folders,
                    ResultList& list, Reporter& reporter, WalkTally& walks) {
  std::vector<std::unique_ptr<Search>> searches;
  for (std::size_t i = 0; i < catalogs.size(); ++i) searches.push_back(std::make_unique<Search>());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < catalogs.size(); i = next++) RunOne(catalogs[i], searchText, folders, *searches[i]);
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < std::min<std::size_t>(cores, catalogs.size()); ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();

  bool full = false;
  for (const auto& search : searches) {
    search->reports.PassOn(reporter);
    if (!search->listMade || full) {
      walks.Add(search->outcome == WalkOutcome::OpenFailed && search->listMade ? WalkOutcome::OpenFailed
                                                                                : WalkOutcome::ListFull);
      continue;
    }
    full = !TakeRows(search->list, list);
    walks.Add(full ? WalkOutcome::ListFull : search->outcome);
  }
}

}  // namespace vardek::cli
