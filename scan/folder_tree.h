#pragma once
// A disc's folders and files held in memory (a disc image read whole), listed
// to the walker as a drive lists them: each folder's entries in the order its
// disc records them.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/file_time.h"
#include "scan/folder_listing.h"

namespace vardek {

class FolderTree : public FolderListing {
 public:
  // The root to walk the tree from: as long as a drive's root ("D:\"), so
  // that folder paths reach their limit where they do on the drive.
  static constexpr const char* kRoot = "D:/";

  FolderTree();

  // Adds a file or folder by its path below the root ("a/b/c.txt", "/"
  // between names, native text); the folders on its way are made as needed.
  // A folder added again takes the later time; a file added again is listed
  // twice, as a disc with two records of one name lists it.
  void AddFile(std::string_view path, platform::FileTime lastWrite);
  void AddFolder(std::string_view path, platform::FileTime lastWrite);

  // Puts every folder's entries in recorded order (RecordedBefore) of their
  // names, or of their plain names (PlainNameOf) where the disc records them
  // under plain names: a disc without Joliet, whose Rock Ridge names are
  // listed, or whose plain names are listed without ";1" or a last ".".
  void OrderAsRecorded(bool byPlainNames);

  std::unique_ptr<FolderSearch> NewSearch() const override;

 private:
  struct Node {
    std::string fsName;
    std::string name;  // as catalog text
    std::uint32_t attributes = 0;
    platform::FileTime lastWrite = 0;
    std::vector<std::size_t> children;
  };
  class Search;

  std::size_t FolderAt(std::string_view path);
  std::size_t AddChild(std::size_t parent, std::string_view name, std::uint32_t attributes, platform::FileTime lastWrite);
  const Node* FolderOf(std::string_view folderPath) const;

  std::vector<Node> nodes_;
  // Each folder by its path below the root, ending in a separator ("" is the root).
  std::unordered_map<std::string, std::size_t> folders_;
  // The folder of the last file added: an image lists a folder's files together.
  std::string lastParent_;
  std::size_t lastParentNode_ = 0;
};

}  // namespace vardek
