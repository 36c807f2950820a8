#include "scan/folder_tree.h"

#include <algorithm>
#include <cstring>

#include "platform/path.h"
#include "platform/text_encoding.h"
#include "scan/recorded_order.h"

namespace vardek {

namespace {

constexpr std::size_t kRootNode = 0;

template <std::size_t Size>
void CopyName(const std::string& name, char (&into)[Size]) {
  const std::size_t length = std::min(name.size(), Size - 1);
  std::memcpy(into, name.data(), length);
  into[length] = '\0';
}

std::string_view ParentOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string_view LastName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The key of a folder: its path with the platform's separators, ending in one.
std::string FolderKey(std::string_view path) {
  std::string key(path);
  for (char& c : key) {
    if (c == '/') c = platform::kPathSeparator;
  }
  if (!key.empty()) key += platform::kPathSeparator;
  return key;
}

}  // namespace

class FolderTree::Search : public FolderSearch {
 public:
  // Only what a listing fills in: a walk lists every file, and clearing each
  // whole entry would cost more than the rest of the listing.
  static void Describe(const Node& node, platform::DirectoryEntry& entry) {
    CopyName(node.name, entry.name);
    CopyName(node.fsName, entry.fsName);
    entry.attributes = node.attributes;
    entry.lastWrite = node.lastWrite;
  }

  explicit Search(const FolderTree& tree) : tree_(tree) {}

  bool First(const char* folderAndPattern, platform::DirectoryEntry& entry, platform::ListDetail) override {
    Close();
    const std::string_view full(folderAndPattern);
    const std::string_view folder = platform::FolderOf(full);
    folder_ = tree_.FolderOf(folder);
    pattern_ = std::string(full.substr(folder.size()));
    return Next(entry);
  }

  bool Next(platform::DirectoryEntry& entry) override {
    while (folder_ != nullptr && next_ < folder_->children.size()) {
      const Node& child = tree_.nodes_[folder_->children[next_++]];
      if (!platform::MatchesWildcard(pattern_.c_str(), child.fsName.c_str())) continue;
      Describe(child, entry);
      return true;
    }
    return false;
  }

  void Close() override {
    folder_ = nullptr;
    next_ = 0;
  }

 private:
  const FolderTree& tree_;
  const Node* folder_ = nullptr;
  std::string pattern_;
  std::size_t next_ = 0;
};

FolderTree::FolderTree() : nodes_(1) {
  nodes_[kRootNode].attributes = platform::kAttributeDirectory;
  folders_.emplace("", kRootNode);
}

std::size_t FolderTree::AddChild(std::size_t parent, std::string_view name, std::uint32_t attributes,
                                 platform::FileTime lastWrite) {
  Node node;
  node.fsName = std::string(name);
  node.name = platform::ToCatalogName(node.fsName).substr(0, platform::kMaxNameLength);
  node.attributes = attributes;
  node.lastWrite = lastWrite;
  nodes_.push_back(std::move(node));
  nodes_[parent].children.push_back(nodes_.size() - 1);
  return nodes_.size() - 1;
}

std::size_t FolderTree::FolderAt(std::string_view path) {
  std::string key = FolderKey(path);
  if (const auto found = folders_.find(key); found != folders_.end()) return found->second;
  const std::size_t parent = FolderAt(ParentOf(path));
  const std::size_t folder = AddChild(parent, LastName(path), platform::kAttributeDirectory, 0);
  folders_.emplace(std::move(key), folder);
  return folder;
}

void FolderTree::AddFolder(std::string_view path, platform::FileTime lastWrite) {
  nodes_[FolderAt(path)].lastWrite = lastWrite;
}

void FolderTree::AddFile(std::string_view path, platform::FileTime lastWrite) {
  const std::string_view parent = ParentOf(path);
  if (parent != lastParent_) {
    lastParentNode_ = FolderAt(parent);
    lastParent_ = std::string(parent);
  }
  AddChild(lastParentNode_, LastName(path), 0, lastWrite);
}

void FolderTree::OrderAsRecorded(bool byPlainNames) {
  std::vector<std::string> keys(nodes_.size());
  for (std::size_t i = 0; i < nodes_.size(); ++i) keys[i] = byPlainNames ? PlainNameOf(nodes_[i].fsName) : nodes_[i].fsName;
  for (Node& node : nodes_) {
    std::stable_sort(node.children.begin(), node.children.end(),
                     [&](std::size_t a, std::size_t b) { return RecordedBefore(keys[a], keys[b]); });
  }
}

const FolderTree::Node* FolderTree::FolderOf(std::string_view folderPath) const {
  const std::string_view root(kRoot);
  if (folderPath.substr(0, root.size()) != root) return nullptr;
  const auto found = folders_.find(std::string(folderPath.substr(root.size())));
  return found == folders_.end() ? nullptr : &nodes_[found->second];
}

std::unique_ptr<FolderSearch> FolderTree::NewSearch() const { return std::make_unique<Search>(*this); }

}  // namespace vardek
