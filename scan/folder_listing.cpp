#include "scan/folder_listing.h"

namespace vardek {

namespace {

class PlatformSearch : public FolderSearch {
 public:
  bool First(const char* folderAndPattern, platform::DirectoryEntry& entry, platform::ListDetail detail) override {
    return search_.First(folderAndPattern, entry, detail);
  }
  bool Next(platform::DirectoryEntry& entry) override { return search_.Next(entry); }
  void Close() override { search_.Close(); }

 private:
  platform::DirectorySearch search_;
};

}  // namespace

std::unique_ptr<FolderSearch> PlatformListing::NewSearch() const { return std::make_unique<PlatformSearch>(); }

}  // namespace vardek
