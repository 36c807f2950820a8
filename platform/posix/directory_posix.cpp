#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/directory.h"
#include "platform/text_encoding.h"

namespace vardek::platform {

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Shell wildcards as Windows knows them: "*" any run, "?" one character,
// case ignored for A-Z; "*.*" also takes names without a dot.
bool MatchesPattern(const char* pattern, const char* name) {
  if (std::strcmp(pattern, "*.*") == 0) return true;
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name != '\0') {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || LowerAscii(*pattern) == LowerAscii(*name)) {
      ++pattern;
      ++name;
    } else if (star != nullptr) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

// A catalog line must never be split, nor a separator hidden, by a Linux
// name: what a Windows name cannot hold is shown as "?", as Wine shows it.
void ReplaceForbidden(std::string& name) {
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::strchr("<>:\"/\\|?*", c) != nullptr) c = '?';
  }
}

FileTime ToFileTime(const struct timespec& time) {
  const std::int64_t seconds = static_cast<std::int64_t>(time.tv_sec) + kSecondsFrom1601To1970;
  if (seconds < 0) return 0;
  return static_cast<FileTime>(seconds * kTicksPerSecond + time.tv_nsec / 100);
}

bool NameOrder(const DirectoryEntry& a, const DirectoryEntry& b) {
  const char* x = a.fsName;
  const char* y = b.fsName;
  while (*x != '\0' && LowerAscii(*x) == LowerAscii(*y)) {
    ++x;
    ++y;
  }
  const auto cx = static_cast<unsigned char>(LowerAscii(*x));
  const auto cy = static_cast<unsigned char>(LowerAscii(*y));
  if (cx != cy) return cx < cy;
  return std::strcmp(a.fsName, b.fsName) < 0;
}

bool Describe(const std::string& folder, const char* fsName, DirectoryEntry& entry) {
  const std::string path = folder + fsName;
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return false;
  // A link to a folder is listed as a file and never entered; its time is
  // the target's when there is one.
  const bool isLink = S_ISLNK(info.st_mode);
  if (isLink) {
    struct stat target;
    if (stat(path.c_str(), &target) == 0) info.st_mtim = target.st_mtim;
  }
  std::string name = ToCatalogText(fsName);
  ReplaceForbidden(name);
  entry = DirectoryEntry{};
  std::memcpy(entry.name, name.data(), std::min<std::size_t>(name.size(), kMaxNameLength));
  std::memcpy(entry.fsName, fsName, strnlen(fsName, sizeof entry.fsName - 1));
  if (S_ISDIR(info.st_mode) && !isLink) entry.attributes |= kAttributeDirectory;
  if (fsName[0] == '.') entry.attributes |= kAttributeHidden;
  if ((info.st_mode & S_IWUSR) == 0) entry.attributes |= kAttributeReadOnly;
  entry.lastWrite = ToFileTime(info.st_mtim);
  return true;
}

}  // namespace

struct DirectorySearch::State {
  std::vector<DirectoryEntry> entries;
  std::size_t next = 0;
};

bool DirectorySearch::First(const char* folderAndPattern, DirectoryEntry& entry) {
  Close();
  const std::string full(folderAndPattern);
  const std::size_t slash = full.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
  const std::string pattern = slash == std::string::npos ? full : full.substr(slash + 1);
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return false;
  state_ = new State;
  while (const dirent* item = readdir(dir)) {
    if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0) continue;
    if (!MatchesPattern(pattern.c_str(), item->d_name)) continue;
    DirectoryEntry found;
    if (Describe(folder, item->d_name, found)) state_->entries.push_back(found);
  }
  closedir(dir);
  std::sort(state_->entries.begin(), state_->entries.end(), NameOrder);
  return Next(entry);
}

bool DirectorySearch::Next(DirectoryEntry& entry) {
  if (state_ == nullptr || state_->next >= state_->entries.size()) return false;
  entry = state_->entries[state_->next++];
  return true;
}

void DirectorySearch::Close() {
  delete state_;
  state_ = nullptr;
}

}  // namespace vardek::platform
