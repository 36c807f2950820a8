#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/directory.h"
#include "platform/text_encoding.h"

namespace vardek::platform {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

struct Listed {
  std::string fsName;
  unsigned char type;  // d_type: DT_UNKNOWN when the file system does not say
};

// Name order ignoring the case of A-Z, as NTFS and CD file systems list;
// exact bytes break ties so that a listing is always the same.
bool NameOrder(const Listed& a, const Listed& b) {
  const std::size_t common = std::min(a.fsName.size(), b.fsName.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(LowerAscii(a.fsName[i]));
    const auto y = static_cast<unsigned char>(LowerAscii(b.fsName[i]));
    if (x != y) return x < y;
  }
  if (a.fsName.size() != b.fsName.size()) return a.fsName.size() < b.fsName.size();
  return a.fsName < b.fsName;
}

}  // namespace

struct DirectorySearch::State {
  int folder = -1;  // kept open so that entries are looked up relative to it
  ListDetail detail = ListDetail::Full;
  std::vector<Listed> entries;
  std::size_t next = 0;
};

namespace {

void SetName(const std::string& fsName, DirectoryEntry& entry) {
  const std::string name = ToCatalogName(fsName);
  std::memcpy(entry.name, name.data(), std::min<std::size_t>(name.size(), kMaxNameLength));
  std::memcpy(entry.fsName, fsName.data(), std::min(fsName.size(), sizeof entry.fsName - 1));
}

// A link to a folder is listed as a file and never entered; its time is the
// target's when there is one.
bool Describe(int folder, const Listed& item, ListDetail detail, DirectoryEntry& entry) {
  entry = DirectoryEntry{};
  SetName(item.fsName, entry);
  if (item.fsName[0] == '.') entry.attributes |= kAttributeHidden;
  if (detail == ListDetail::NamesAndAttributes && item.type != DT_UNKNOWN) {
    if (item.type == DT_DIR) entry.attributes |= kAttributeDirectory;
    return true;
  }
  struct stat info;
  if (fstatat(folder, item.fsName.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  const bool isLink = S_ISLNK(info.st_mode);
  if (isLink) {
    struct stat target;
    if (fstatat(folder, item.fsName.c_str(), &target, 0) == 0) info.st_mtim = target.st_mtim;
  }
  if (S_ISDIR(info.st_mode) && !isLink) entry.attributes |= kAttributeDirectory;
  if ((info.st_mode & S_IWUSR) == 0) entry.attributes |= kAttributeReadOnly;
  entry.lastWrite = FileTimeFromUnix(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
  return true;
}

}  // namespace

bool DirectorySearch::First(const char* folderAndPattern, DirectoryEntry& entry, ListDetail detail) {
  Close();
  const std::string_view full(folderAndPattern);
  const std::string_view folderPart = FolderOf(full);
  const std::string folder = folderPart.empty() ? std::string(".") : std::string(folderPart);
  const std::string pattern(full.substr(folderPart.size()));
  const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (folderFd < 0) return false;
  DIR* dir = fdopendir(dup(folderFd));
  if (dir == nullptr) {
    close(folderFd);
    return false;
  }
  state_ = new State;
  state_->folder = folderFd;
  state_->detail = detail;
  while (const dirent* item = readdir(dir)) {
    if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0) continue;
    if (MatchesWildcard(pattern.c_str(), item->d_name)) state_->entries.push_back({item->d_name, item->d_type});
  }
  closedir(dir);
  std::sort(state_->entries.begin(), state_->entries.end(), NameOrder);
  return Next(entry);
}

bool DirectorySearch::Next(DirectoryEntry& entry) {
  if (state_ == nullptr) return false;
  while (state_->next < state_->entries.size()) {
    // An entry that vanished since the listing is passed over.
    if (Describe(state_->folder, state_->entries[state_->next++], state_->detail, entry)) return true;
  }
  return false;
}

void DirectorySearch::Close() {
  if (state_ == nullptr) return;
  close(state_->folder);
  delete state_;
  state_ = nullptr;
}

}  // namespace vardek::platform
