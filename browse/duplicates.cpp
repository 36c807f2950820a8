#include "browse/duplicates.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "browse/disc_lines.h"
#include "browse/folder_of_rows.h"
#include "browse/name_match.h"
#include "browse/sort.h"
#include "catalog/catalog_reader.h"
#include "platform/text_compare.h"

namespace vardek {

namespace {

// A file as the first reading keeps it: no text, 16 bytes.
struct KeyOnDisc {
  std::uint64_t hash;
  std::uint32_t disc;
};

// FNV-1a over the folded name and, unless only names count, the date text.
std::uint64_t KeyHash(std::string_view name, std::string_view dateText, bool nameOnly) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto add = [&hash](char c) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  };
  for (const char c : name) add(LowerAsciiChar(c));
  if (!nameOnly) {
    add('\0');
    for (const char c : dateText) add(c);
  }
  return hash != 0 ? hash : 1;  // 0 marks a free place of a HashSet
}

// The wanted hashes, looked up once a file by the second reading: open
// addressing at most half full, so a lookup is nearly always one probe.
class HashSet {
 public:
  explicit HashSet(const std::vector<std::uint64_t>& hashes) {
    std::size_t size = 16;
    while (size < hashes.size() * 2) size *= 2;
    places_.assign(size, 0);
    for (const std::uint64_t hash : hashes) places_[PlaceOf(hash)] = hash;
  }
  bool Holds(std::uint64_t hash) const { return places_[PlaceOf(hash)] == hash; }

 private:
  std::size_t PlaceOf(std::uint64_t hash) const {
    const std::size_t mask = places_.size() - 1;
    std::size_t at = static_cast<std::size_t>(hash ^ (hash >> 29)) & mask;
    while (places_[at] != 0 && places_[at] != hash) at = (at + 1) & mask;
    return at;
  }
  std::vector<std::uint64_t> places_;
};

// Discs are numbered over all catalogs; each catalog's lines before its
// first title line are a disc of their own.
class DiscNumbers : public DiscLines {
 public:
  void StartCatalog() { disc_ = next_++; }
  void Title(const char*) override { disc_ = next_++; }

 protected:
  std::uint32_t disc_ = 0;

 private:
  std::uint32_t next_ = 0;
};

class KeyCount : public DiscNumbers {
 public:
  KeyCount(bool nameOnly, std::vector<KeyOnDisc>& keys) : nameOnly_(nameOnly), keys_(keys) {}
  void File(std::string_view name, std::string_view dateText, const CatalogWalk&) override {
    keys_.push_back({KeyHash(name, dateText, nameOnly_), disc_});
  }

 private:
  bool nameOnly_;
  std::vector<KeyOnDisc>& keys_;
};

// The hashes that lie on at least `minDiscs` discs.
std::vector<std::uint64_t> HashesOnDiscs(std::vector<KeyOnDisc>& keys, int minDiscs) {
  std::sort(keys.begin(), keys.end(), [](const KeyOnDisc& a, const KeyOnDisc& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.disc < b.disc;
  });
  std::vector<std::uint64_t> wanted;
  for (std::size_t i = 0; i < keys.size();) {
    std::size_t end = i + 1;
    int discs = 1;
    for (; end < keys.size() && keys[end].hash == keys[i].hash; ++end) discs += keys[end].disc != keys[end - 1].disc;
    if (discs >= minDiscs) wanted.push_back(keys[i].hash);
    i = end;
  }
  return wanted;
}

// The second reading: the files of a wanted hash become rows.
class CopyRows : public DiscNumbers {
 public:
  CopyRows(bool nameOnly, const HashSet& wanted, ResultList& list,
           std::vector<KeyOnDisc>& rowKeys)
      : nameOnly_(nameOnly), wanted_(wanted), list_(list), rowKeys_(rowKeys), folder_(list) {}

  void Title(const char* description) override {
    DiscNumbers::Title(description);
    titleOffset_ = list_.AddTitle(description);
  }
  void Folder(std::string_view, const CatalogWalk&) override { folder_.Moved(); }
  void Climb(const CatalogWalk&) override { folder_.Moved(); }
  void EndOfTitle() override { folder_.Moved(); }
  void File(std::string_view name, std::string_view dateText, const CatalogWalk& walk) override {
    const std::uint64_t hash = KeyHash(name, dateText, nameOnly_);
    if (full_ || !wanted_.Holds(hash)) return;
    const bool added = list_.AddRow(name, dateText, folder_.Offset(walk), titleOffset_);
    if (list_.Count() > static_cast<int>(rowKeys_.size())) rowKeys_.push_back({hash, disc_});
    full_ = !added;
  }
  // Lines before the first title show an empty description.
  void StartCatalog() {
    DiscNumbers::StartCatalog();
    titleOffset_ = list_.AddTitle("");
  }
  bool Full() const { return full_; }

 private:
  bool nameOnly_;
  const HashSet& wanted_;
  ResultList& list_;
  std::vector<KeyOnDisc>& rowKeys_;
  FolderOfRows folder_;
  std::uint32_t titleOffset_ = 0;
  bool full_ = false;
};

class QuietReporter : public Reporter {
 public:
  void ErrorBox(const char*, const char*) override {}
  void InfoBox(const char*, const char*) override {}
  void Status(int, const char*) override {}
  void LineErrorBox(const char*, const char*, long, const char*) override {}
};

int CompareFolded(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const auto ca = static_cast<unsigned char>(LowerAsciiChar(*a));
    const auto cb = static_cast<unsigned char>(LowerAsciiChar(*b));
    if (ca != cb || ca == 0) return ca - cb;
  }
}

// Two rows of one hash have one key too unless the hash collided: the
// folded names (and the date texts) are compared to make sure.
bool SameKey(const ResultList& list, int a, int b, bool nameOnly) {
  const ResultRow& ra = list.Row(a);
  const ResultRow& rb = list.Row(b);
  if (CompareFolded(list.Name(ra), list.Name(rb)) != 0) return false;
  return nameOnly || std::strcmp(list.Date(ra).text, list.Date(rb).text) == 0;
}

struct HashedRow {
  std::uint64_t hash;
  std::uint32_t disc;
  int row;
};

// The groups of one run of rows of one hash (nearly always one group).
void SplitRun(const ResultList& list, const HashedRow* first, const HashedRow* last, const DuplicateRules& rules,
              std::vector<DuplicateGroup>& groups) {
  struct Forming {
    DuplicateGroup group;
    std::uint32_t lastDisc;
  };
  std::vector<Forming> forming;
  for (const HashedRow* at = first; at != last; ++at) {
    auto same = std::find_if(forming.begin(), forming.end(), [&](const Forming& f) {
      return SameKey(list, f.group.rows.front(), at->row, rules.nameOnly);
    });
    if (same == forming.end()) {
      forming.push_back({{{at->row}, 1}, at->disc});
      continue;
    }
    same->group.rows.push_back(at->row);
    same->group.discs += same->lastDisc != at->disc;
    same->lastDisc = at->disc;
  }
  for (Forming& f : forming)
    if (f.group.discs >= rules.minDiscs) groups.push_back(std::move(f.group));
}

std::vector<DuplicateGroup> GroupRows(const ResultList& list, const std::vector<KeyOnDisc>& rowKeys,
                                      const DuplicateRules& rules) {
  std::vector<HashedRow> rows(rowKeys.size());
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = {rowKeys[i].hash, rowKeys[i].disc, static_cast<int>(i)};
  std::sort(rows.begin(), rows.end(), [](const HashedRow& a, const HashedRow& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.row < b.row;
  });
  std::vector<DuplicateGroup> groups;
  for (std::size_t i = 0; i < rows.size();) {
    std::size_t end = i + 1;
    while (end < rows.size() && rows[end].hash == rows[i].hash) ++end;
    SplitRun(list, rows.data() + i, rows.data() + end, rules, groups);
    i = end;
  }
  return groups;
}

void SortByName(const ResultList& list, std::vector<DuplicateGroup>& groups) {
  std::sort(groups.begin(), groups.end(), [&list](const DuplicateGroup& a, const DuplicateGroup& b) {
    const ResultRow& ra = list.Row(a.rows.front());
    const ResultRow& rb = list.Row(b.rows.front());
    if (const int byName = platform::CompareTextNoCase(list.Name(ra), list.Name(rb)); byName != 0) return byName < 0;
    char keyA[9];
    char keyB[9];
    DateSortKey(list.Date(ra).text, keyA);
    DateSortKey(list.Date(rb).text, keyB);
    if (const int byDate = std::strcmp(keyA, keyB); byDate != 0) return byDate < 0;
    return a.rows.front() < b.rows.front();
  });
}

}  // namespace

DuplicateResult FindDuplicates(const std::vector<std::string>& catalogs, const DuplicateRules& rules,
                               ResultList& list, Reporter& reporter) {
  DuplicateResult result;
  std::vector<std::uint64_t> hashes;
  {
    std::vector<KeyOnDisc> keys;
    KeyCount count(rules.nameOnly, keys);
    for (const std::string& catalog : catalogs) {
      CatalogReader reader;
      count.StartCatalog();
      result.outcomes.push_back(ReadDiscLines(reader, catalog.c_str(), reporter, count));
    }
    hashes = HashesOnDiscs(keys, rules.minDiscs);
  }
  const HashSet wanted(hashes);
  hashes = {};
  std::vector<KeyOnDisc> rowKeys;
  CopyRows copies(rules.nameOnly, wanted, list, rowKeys);
  QuietReporter quiet;
  for (std::size_t i = 0; i < catalogs.size(); ++i) {
    copies.StartCatalog();
    if (result.outcomes[i] == WalkOutcome::OpenFailed) continue;
    CatalogReader reader;
    const WalkOutcome again = ReadDiscLines(reader, catalogs[i].c_str(), quiet, copies);
    if (result.outcomes[i] == WalkOutcome::Complete) result.outcomes[i] = again;
    if (copies.Full()) result.outcomes[i] = WalkOutcome::ListFull;
  }
  result.groups = GroupRows(list, rowKeys, rules);
  SortByName(list, result.groups);
  for (const DuplicateGroup& group : result.groups) result.copies += static_cast<long long>(group.rows.size());
  return result;
}

}  // namespace vardek
