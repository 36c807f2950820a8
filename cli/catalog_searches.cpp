#include "cli/catalog_searches.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>

#include "browse/collect.h"
#include "cli/every_core.h"
#include "cli/progress.h"

namespace vardek::cli {

namespace {

// The reports of one search, kept until its turn comes.
class HeldReports : public Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override { held_.push_back({Kind::Error, 0, text, caption}); }
  void InfoBox(const char* text, const char* caption) override { held_.push_back({Kind::Info, 0, text, caption}); }
  void Status(int part, const char* text) override { held_.push_back({Kind::Status, part, text, ""}); }

  bool Empty() const { return held_.empty(); }
  void Clear() { held_.clear(); }

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

// Each search counts what its own copy of the filter left out; the counts
// are added up in catalog order with the rows.
struct Search {
  std::unique_ptr<ResultList> list = std::make_unique<ResultList>();
  HeldReports reports;
  FindFilter filter;
  WalkOutcome outcome = WalkOutcome::OpenFailed;
  bool listMade = false;

  // Hands on the search's reports, its count of files left out and its
  // outcome, in its turn; false when it had no list to hold rows.
  bool HandOn(Reporter& reporter, FindFilter& total, WalkTally& walks) const {
    reports.PassOn(reporter);
    total.undated += filter.undated;
    walks.Add(listMade ? outcome : WalkOutcome::ListFull);
    return listMade;
  }
};

// The search of one whole catalog, for folders or for files.
WalkOutcome Collect(const std::string& catalog, const char* searchText, bool folders, ResultList& list,
                    Reporter& reporter, FindFilter& filter) {
  // One reader a thread: the copy it holds of a small catalog serves the next.
  thread_local CatalogReader reader;
  return folders ? CollectFolders(reader, catalog.c_str(), searchText, list, reporter, {}, &filter)
                 : CollectFiles(reader, catalog.c_str(), "", searchText, list, reporter, {}, &filter);
}

void RunOne(const std::string& catalog, const char* searchText, bool folders, Search& search) {
  search.listMade = search.list->Reset(kSmallListStart);
  if (!search.listMade) return;
  search.outcome = Collect(catalog, searchText, folders, *search.list, search.reports, search.filter);
}

// A search of one part of a catalog. Where its rows are to be copied into
// one list, it gives up where they stand denser than one in
// kBytesForACopiedRow bytes (and beyond the rows a list holds before its
// first growth): copying that many rows costs more than a search of the whole.
constexpr std::uint32_t kBytesForACopiedRow = 1024;

struct PartSearch {
  std::unique_ptr<ResultList> list = std::make_unique<ResultList>();
  // Its piece of the catalog serves the next part searched in the slot.
  CatalogReader reader;
  HeldReports reports;
  FindFilter filter;
  CatalogPart part;
  WalkOutcome outcome = WalkOutcome::OpenFailed;

  // Whether the part's rows are those the walk over the whole gives there,
  // the parts before it given: its walk complete without a report, and (but
  // for the last part) back at the root, where the next part starts.
  bool AddsUp() const {
    return outcome == WalkOutcome::Complete && reports.Empty() &&
           (part.index + 1 == part.count || part.endDepth == 0);
  }
};

// One catalog cut at title lines and searched on every core. True when the
// parts add up to the search of the whole (each walk complete, no report,
// every part before the last ending at the root) and their lists went into
// `found`; false, with `found` as it was, when the whole must be searched.
bool SearchInParts(const std::string& catalog, const char* searchText, bool folders, FoundRows& found,
                   FindFilter& filter, bool forOneList) {
  CatalogReader whole;
  if (!whole.Map(catalog.c_str(), kLineLimit)) return false;
  std::vector<std::unique_ptr<PartSearch>> parts;
  for (std::size_t i = 0; i < Cores(); ++i) parts.push_back(std::make_unique<PartSearch>());
  const std::uint32_t partBytes = whole.Size() / static_cast<std::uint32_t>(parts.size());
  OnEveryCore(parts.size(), [&](std::size_t i) {
    PartSearch& search = *parts[i];
    search.part = {&whole, static_cast<int>(i), static_cast<int>(parts.size())};
    search.filter = filter;
    if (!search.list->Reset()) return;
    if (forOneList)
      search.list->SetRowLimit(std::max<std::uint32_t>(kRowStartCapacity, partBytes / kBytesForACopiedRow));
    CatalogReader reader;
    search.outcome =
        CollectInPart(reader, searchText, folders, *search.list, search.reports, search.part, &search.filter);
  });
  for (const auto& search : parts) {
    if (!search->AddsUp()) return false;
  }
  for (auto& search : parts) {
    found.Add(std::move(search->list), catalog);
    filter.undated += search->filter.undated;
  }
  return true;
}

// Streamed parts: about this many bytes each, so that the rows waiting to
// be printed are a few parts' worth, however many a search finds.
constexpr std::uint32_t kStreamedPartBytes = 2u << 20;

std::size_t StreamedParts(std::uint32_t catalogBytes) {
  return std::clamp<std::size_t>(catalogBytes / kStreamedPartBytes, Cores(), Cores() * 64);
}

// Several catalogs, each searched whole on a core of its own; each one's
// reports and rows are handed on in its turn, and its list let go.
void StreamEachCatalog(const std::vector<std::string>& catalogs, const char* searchText, bool folders,
                       FindFilter& filter, RowFormat format, Reporter& reporter, WalkTally& walks, int& rows) {
  std::vector<std::unique_ptr<Search>> slots;
  for (std::size_t i = 0; i < Cores() * 2; ++i) slots.push_back(std::make_unique<Search>());
  FindFilter searchFilter = filter;  // each search counts what its copy leaves out
  searchFilter.undated = 0;
  PrintRowsHeader(format);
  const PieceWork make = [&](std::size_t index, std::size_t slot) {
    Search& search = *slots[slot];
    search.reports.Clear();
    search.filter = searchFilter;
    search.outcome = WalkOutcome::OpenFailed;
    RunOne(catalogs[index], searchText, folders, search);
  };
  const PieceWork take = [&](std::size_t index, std::size_t slot) {
    Search& search = *slots[slot];
    if (!search.HandOn(reporter, filter, walks)) return;
    PrintListRows(*search.list, catalogs[index], format);
    rows += search.list->Count();
    search.list->Release();
  };
  InOrderOnEveryCore(catalogs.size(), slots.size(), make, take);
}

// One catalog cut into many parts; false when it cannot be mapped.
bool StreamCatalogParts(const std::string& catalog, const char* searchText, bool folders, FindFilter& filter,
                        RowFormat format, Reporter& reporter, WalkTally& walks, int& rows) {
  CatalogReader whole;
  if (!whole.Map(catalog.c_str(), kLineLimit)) return false;
  const std::size_t count = StreamedParts(whole.Size());
  std::vector<std::unique_ptr<PartSearch>> slots;
  for (std::size_t i = 0; i < Cores() * 2; ++i) slots.push_back(std::make_unique<PartSearch>());
  // The first part that does not add up to the walk over the whole: no part
  // from it on is printed, and it is read again to the end in one walk, its
  // lines numbered on from the parts before.
  std::atomic<std::size_t> given{count};
  long linesBefore = 0;
  FindFilter partFilter = filter;  // each part counts what its copy leaves out
  partFilter.undated = 0;
  PrintRowsHeader(format);
  const PieceWork make = [&](std::size_t index, std::size_t slot) {
    PartSearch& search = *slots[slot];
    search.outcome = WalkOutcome::OpenFailed;
    if (index > given) return;
    search.part = {&whole, static_cast<int>(index), static_cast<int>(count)};
    search.filter = partFilter;
    search.reports.Clear();
    if (!search.list->Reset(kSmallListStart)) return;
    search.outcome = CollectInPart(search.reader, searchText, folders, *search.list, search.reports, search.part,
                                   &search.filter);
  };
  const PieceWork take = [&](std::size_t index, std::size_t slot) {
    PartSearch& search = *slots[slot];
    if (index < given && !search.AddsUp()) given = index;
    if (index >= given) return;
    PrintListRows(*search.list, catalog, format);
    rows += search.list->Count();
    filter.undated += search.filter.undated;
    linesBefore += search.part.lastLine;
    search.list->Release();
  };
  InOrderOnEveryCore(count, slots.size(), make, take);
  // Another program cut the catalog short while it was read: the rows so
  // far stand, and the rest cannot be read as it was.
  if (whole.ReadFailed()) {
    reporter.ErrorBox(kErrorOpeningFile, catalog.c_str());
    walks.Add(WalkOutcome::ReadFailed);
    return true;
  }
  if (given == count) {
    walks.Add(WalkOutcome::Complete);
    return true;
  }
  ResultList rest;
  if (!rest.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    walks.Add(WalkOutcome::ListFull);
    return true;
  }
  CatalogPart tail{&whole, static_cast<int>(given.load()), static_cast<int>(count), true, linesBefore};
  CatalogReader reader;
  walks.Add(CollectInPart(reader, searchText, folders, rest, reporter, tail, &filter));
  PrintListRows(rest, catalog, format);
  rows += rest.Count();
  return true;
}

}  // namespace

bool StreamCatalogs(const std::vector<std::string>& catalogs, const char* searchText, bool folders, FindFilter& filter,
                    RowFormat format, Reporter& reporter, WalkTally& walks, int& rows) {
  if (catalogs.size() > 1) {
    StreamEachCatalog(catalogs, searchText, folders, filter, format, reporter, walks, rows);
    return true;
  }
  return catalogs.size() == 1 && Cores() > 1 &&
         StreamCatalogParts(catalogs[0], searchText, folders, filter, format, reporter, walks, rows);
}

void SearchCatalogs(const std::vector<std::string>& catalogs, const char* searchText, bool folders,
                    FindFilter& filter, FoundRows& found, Reporter& reporter, WalkTally& walks, bool forOneList) {
  if (catalogs.size() == 1) {
    if (Cores() > 1 && SearchInParts(catalogs[0], searchText, folders, found, filter, forOneList)) {
      walks.Add(WalkOutcome::Complete);
      return;
    }
    ResultList* list = found.Add(catalogs[0]);
    if (list == nullptr) {
      reporter.ErrorBox(kNotEnoughMemory, kProductName);
      walks.Add(WalkOutcome::ListFull);
      return;
    }
    walks.Add(Collect(catalogs[0], searchText, folders, *list, reporter, filter));
    return;
  }
  std::vector<std::unique_ptr<Search>> searches;
  for (std::size_t i = 0; i < catalogs.size(); ++i) {
    searches.push_back(std::make_unique<Search>());
    searches.back()->filter = filter;
  }
  OnEveryCore(catalogs.size(), [&](std::size_t i) { RunOne(catalogs[i], searchText, folders, *searches[i]); });

  for (std::size_t i = 0; i < searches.size(); ++i) {
    Search& search = *searches[i];
    if (search.HandOn(reporter, filter, walks)) found.Add(std::move(search.list), catalogs[i]);
  }
}

}  // namespace vardek::cli
