// Reads an ISO 9660 image through libarchive: its iso9660 reader lists every
// folder and file without the image being mounted.
#include "cli/disc_image.h"

#include <clocale>
#include <memory>
#include <string_view>

#include "cli/archive_library.h"
#include "cli/image_volumes.h"

namespace vardek::cli {

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

constexpr const char* kNothingSaved = " - Nothing saved!";
constexpr const char* kNoLibrary =
    "Reading a disc image needs libarchive 3.2.1 or newer (Debian's package libarchive13): install it, "
    "or mount the image and scan the folder it is mounted on";

using Archive = std::unique_ptr<archive, decltype(&archive_read_free)>;

// Windows shows a disc's Joliet names where it has them, and libarchive
// would take Rock Ridge's over them; else Rock Ridge's, else the plain ones.
const char* NameOptions(const ImageVolumes& volumes) { return volumes.joliet ? "iso9660:!rockridge" : nullptr; }

// Why the image cannot be read fully, judged from its descriptors alone;
// empty when libarchive may read it.
std::string RefusalOf(const ImageVolumes& volumes) {
  if (!volumes.iso9660 && volumes.udf)
    return "The image holds only a UDF file system, which vardek-cli cannot read. Mount the image "
           "(on Windows: right-click it, Mount) and scan the folder or drive it is mounted on";
  if (!volumes.iso9660) return "The file is no ISO 9660 disc image (\".iso\"); give a folder or an image";
  if (volumes.volumeBytes > volumes.fileBytes)
    return "The image is cut short: it holds " + std::to_string(volumes.fileBytes) + " of the " +
           std::to_string(volumes.volumeBytes) + " bytes of its disc. Copy it from the disc again";
  return {};
}

// The entry's path below the root, "/" between names: libarchive may put
// "./" in front and "/" behind a folder. False when libarchive could not
// turn the name into text.
bool PathOf(const ArchiveLibrary& lib, archive_entry* entry, std::string_view& path) {
  const char* utf8 = lib.entryPathnameUtf8(entry);
  const char* text = utf8 != nullptr ? utf8 : lib.entryPathname(entry);
  if (text == nullptr) return false;
  path = text;
  if (path.substr(0, 2) == "./") path.remove_prefix(2);
  while (!path.empty() && path.back() == '/') path.remove_suffix(1);
  if (path == ".") path = {};
  return true;
}

bool AddEntry(const ArchiveLibrary& lib, archive_entry* entry, FolderTree& tree) {
  std::string_view path;
  if (!PathOf(lib, entry, path)) return false;
  if (path.empty()) return true;  // the root
  const platform::FileTime lastWrite =
      platform::FileTimeFromUnix(lib.entryMtime(entry), lib.entryMtimeNsec(entry));
  if (lib.entryFiletype(entry) == AE_IFDIR)
    tree.AddFolder(path, lastWrite);
  else
    tree.AddFile(path, lastWrite);
  return true;
}

std::string Unreadable(const char* reason) {
  return "The image cannot be read fully (" + std::string(reason) +
         "). Copy it from the disc again, or mount it and scan the folder it is mounted on";
}

std::string ArchiveError(const ArchiveLibrary& lib, archive* reader) {
  const char* text = lib.errorString(reader);
  return Unreadable(text != nullptr ? text : "damaged");
}

// libarchive turns Joliet's UCS-2 names into the text of the current locale,
// which in the program's "C" locale cannot hold what is not ASCII: the image
// is read in UTF-8.
class Utf8Names {
 public:
  Utf8Names() : before_(std::setlocale(LC_CTYPE, nullptr)) { std::setlocale(LC_CTYPE, "C.UTF-8"); }
  ~Utf8Names() { std::setlocale(LC_CTYPE, before_.c_str()); }
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  std::string before_;
};

// Every entry of the image into `tree`; false, with the problem, at the first
// entry that cannot be read.
bool ReadEntries(const ArchiveLibrary& lib, const std::string& path, const char* options, FolderTree& tree,
                 std::string& problem) {
  const Utf8Names utf8;
  Archive reader(lib.readNew(), lib.readFree);
  if (!reader) {
    problem = "Not enough memory to read the image";
    return false;
  }
  lib.supportIso9660(reader.get());
  if ((options != nullptr && lib.setOptions(reader.get(), options) != ARCHIVE_OK) ||
      lib.openFilename(reader.get(), path.c_str(), kReadBlock) != ARCHIVE_OK) {
    problem = ArchiveError(lib, reader.get());
    return false;
  }
  for (;;) {
    archive_entry* entry = nullptr;
    const int status = lib.nextHeader(reader.get(), &entry);
    if (status == ARCHIVE_EOF) return true;
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
      problem = ArchiveError(lib, reader.get());
      return false;
    }
    if (!AddEntry(lib, entry, tree)) {
      problem = Unreadable("a name cannot be read as text");
      return false;
    }
  }
}

}  // namespace

bool ReadDiscImage(const std::string& path, FolderTree& tree, std::string& problem) {
  ImageVolumes volumes;
  if (!ReadImageVolumes(path, volumes)) {
    problem = "Error opening file";
    return false;
  }
  problem = RefusalOf(volumes);
  const ArchiveLibrary* lib = problem.empty() ? LoadArchiveLibrary() : nullptr;
  if (problem.empty() && lib == nullptr) problem = kNoLibrary;
  if (problem.empty() && ReadEntries(*lib, path, NameOptions(volumes), tree, problem)) {
    // Without Joliet a folder records its entries by their plain names.
    tree.OrderAsRecorded(!volumes.joliet);
    return true;
  }
  problem += kNothingSaved;
  return false;
}

}  // namespace vardek::cli
