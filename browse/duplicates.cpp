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

// The second reading's keys: each wanted hash names the key of the first
// file that has it; a file whose name (or date) differs from that key's is
// of another key that happens to share the hash, kept aside. Keys are
// numbered from 0 as they first come, and their texts (the folded name, and
// the date text unless only names count) kept one after the other, few
// enough to stay in the processor's cache. Open addressing at most half
// full, so finding a hash is nearly always one probe.
class WantedKeys {
 public:
  WantedKeys(const std::vector<std::uint64_t>& hashes, bool nameOnly) : nameOnly_(nameOnly) {
    std::size_t size = 16;
    while (size < hashes.size() * 2) size *= 2;
    places_.assign(size, {0, kNoKey});
    for (const std::uint64_t hash : hashes) places_[PlaceOf(hash)].hash = hash;
  }

  // The key of a file; kNoKey when its hash is not wanted.
  int KeyOf(std::uint64_t hash, std::string_view name, std::string_view dateText) {
    Place& place = places_[PlaceOf(hash)];
    if (place.hash != hash) return kNoKey;
    if (place.key == kNoKey) return place.key = NewKey(name, dateText);
    if (IsKeyOf(place.key, name, dateText)) return place.key;
    for (const Place& other : collided_)
      if (other.hash == hash && IsKeyOf(other.key, name, dateText)) return other.key;
    collided_.push_back({hash, NewKey(name, dateText)});
    return collided_.back().key;
  }
  int Count() const { return static_cast<int>(starts_.size()) - 1; }

  static constexpr int kNoKey = -1;

 private:
  struct Place {
    std::uint64_t hash;
    int key;
  };
  std::size_t PlaceOf(std::uint64_t hash) const {
    const std::size_t mask = places_.size() - 1;
    std::size_t at = static_cast<std::size_t>(hash ^ (hash >> 29)) & mask;
    while (places_[at].hash != 0 && places_[at].hash != hash) at = (at + 1) & mask;
    return at;
  }
  int NewKey(std::string_view name, std::string_view dateText) {
    for (const char c : name) texts_ += LowerAsciiChar(c);
    if (!nameOnly_) {
      texts_ += '\0';
      texts_.append(dateText);
    }
    starts_.push_back(texts_.size());
    return Count() - 1;
  }
  bool IsKeyOf(int key, std::string_view name, std::string_view dateText) const {
    const std::size_t start = starts_[static_cast<std::size_t>(key)];
    const std::string_view text(texts_.data() + start, starts_[static_cast<std::size_t>(key) + 1] - start);
    if (text.size() != name.size() + (nameOnly_ ? 0 : 1 + dateText.size())) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
      if (text[i] != LowerAsciiChar(name[i])) return false;
    return nameOnly_ || text.substr(name.size() + 1) == dateText;
  }

  bool nameOnly_;
  std::vector<Place> places_;
  std::vector<Place> collided_;
  std::string texts_;
  std::vector<std::size_t> starts_{0};
};

struct CopyKey {
  std::uint32_t disc;
  int key;
};

// The second reading: the files of a wanted hash become rows.
class CopyRows : public DiscNumbers {
 public:
  CopyRows(bool nameOnly, WantedKeys& wanted, ResultList& list, std::vector<CopyKey>& rowKeys)
      : nameOnly_(nameOnly), wanted_(wanted), list_(list), rowKeys_(rowKeys), folder_(list) {}

  void Title(const char* description) override {
    DiscNumbers::Title(description);
    titleOffset_ = list_.AddTitle(description);
  }
  void File(std::string_view name, std::string_view dateText, const CatalogWalk& walk) override {
    if (full_) return;
    const int key = wanted_.KeyOf(KeyHash(name, dateText, nameOnly_), name, dateText);
    if (key == WantedKeys::kNoKey) return;
    full_ = !list_.AddRow(name, dateText, folder_.Offset(walk), titleOffset_);
    if (list_.Count() > static_cast<int>(rowKeys_.size())) rowKeys_.push_back({disc_, key});
  }
  // Lines before the first title show an empty description.
  void StartCatalog() {
    DiscNumbers::StartCatalog();
    titleOffset_ = list_.AddTitle("");
    folder_.Forget();
  }
  bool Full() const { return full_; }

 private:
  bool nameOnly_;
  WantedKeys& wanted_;
  ResultList& list_;
  std::vector<CopyKey>& rowKeys_;
  FolderOfRows folder_;
  std::uint32_t titleOffset_ = 0;
  bool full_ = false;
};

// The rows of each key, in catalog order (a counting sort by key); a key's
// rows make a group when they lie on enough discs.
std::vector<DuplicateGroup> GroupRows(const std::vector<CopyKey>& rowKeys, int keyCount, int minDiscs) {
  std::vector<int> starts(static_cast<std::size_t>(keyCount) + 1, 0);
  for (const CopyKey& copy : rowKeys) ++starts[static_cast<std::size_t>(copy.key) + 1];
  for (std::size_t k = 1; k < starts.size(); ++k) starts[k] += starts[k - 1];
  std::vector<int> byKey(rowKeys.size());
  std::vector<int> next(starts.begin(), starts.end() - 1);
  for (std::size_t row = 0; row < rowKeys.size(); ++row)
    byKey[static_cast<std::size_t>(next[static_cast<std::size_t>(rowKeys[row].key)]++)] = static_cast<int>(row);
  std::vector<DuplicateGroup> groups;
  for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
    const auto first = byKey.begin() + starts[k];
    const auto last = byKey.begin() + starts[k + 1];
    int discs = 0;
    for (auto at = first; at != last; ++at)
      discs += at == first || rowKeys[static_cast<std::size_t>(*at)].disc != rowKeys[static_cast<std::size_t>(*(at - 1))].disc;
    if (discs >= minDiscs) groups.push_back({std::vector<int>(first, last), discs});
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
  WantedKeys wanted(hashes, rules.nameOnly);
  hashes = {};
  std::vector<CopyKey> rowKeys;
  CopyRows copies(rules.nameOnly, wanted, list, rowKeys);
  for (std::size_t i = 0; i < catalogs.size(); ++i) {
    copies.StartCatalog();
    result.firstRows.push_back(list.Count());
    if (result.outcomes[i] == WalkOutcome::OpenFailed) continue;
    CatalogReader reader;
    const WalkOutcome again = ReadDiscLinesAgain(reader, catalogs[i].c_str(), copies);
    if (result.outcomes[i] == WalkOutcome::Complete) result.outcomes[i] = again;
    if (copies.Full()) result.outcomes[i] = WalkOutcome::ListFull;
  }
  result.groups = GroupRows(rowKeys, wanted.Count(), rules.minDiscs);
  SortByName(list, result.groups);
  for (const DuplicateGroup& group : result.groups) result.copies += static_cast<long long>(group.rows.size());
  return result;
}

}  // namespace vardek
