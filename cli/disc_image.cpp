// Reads an ISO 9660 image through libarchive: its iso9660 reader lists every
// folder and file without the image being mounted.
#include "cli/disc_image.h"

#include <archive.h>
#include <archive_entry.h>

#include <clocale>
#include <memory>
#include <string_view>

#include "cli/image_volumes.h"

namespace vardek::cli {

namespace {

constexpr std::size_t kReadBlock = 64 * 1024;

constexpr const char* kNothingSaved = " - Nothing saved!";

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
bool PathOf(archive_entry* entry, std::string_view& path) {
  const char* utf8 = archive_entry_pathname_utf8(entry);
  const char* text = utf8 != nullptr ? utf8 : archive_entry_pathname(entry);
  if (text == nullptr) return false;
  path = text;
  if (path.substr(0, 2) == "./") path.remove_prefix(2);
  while (!path.empty() && path.back() == '/') path.remove_suffix(1);
  if (path == ".") path = {};
  return true;
}

bool AddEntry(archive_entry* entry, FolderTree& tree) {
  std::string_view path;
  if (!PathOf(entry, path)) return false;
  if (path.empty()) return true;  // the root
  const platform::FileTime lastWrite =
      platform::FileTimeFromUnix(archive_entry_mtime(entry), archive_entry_mtime_nsec(entry));
  if (archive_entry_filetype(entry) == AE_IFDIR)
    tree.AddFolder(path, lastWrite);
  else
    tree.AddFile(path, lastWrite);
  return true;
}

std::string Unreadable(const char* reason) {
  return "The image cannot be read fully (" + std::string(reason) +
         "). Copy it from the disc again, or mount it and scan the folder it is mounted on";
}

std::string ArchiveError(archive* reader) {
  const char* text = archive_error_string(reader);
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
bool ReadEntries(const std::string& path, const char* options, FolderTree& tree, std::string& problem) {
  const Utf8Names utf8;
  Archive reader(archive_read_new(), archive_read_free);
  if (!reader) {
    problem = "Not enough memory to read the image";
    return false;
  }
  archive_read_support_format_iso9660(reader.get());
  if ((options != nullptr && archive_read_set_options(reader.get(), options) != ARCHIVE_OK) ||
      archive_read_open_filename(reader.get(), path.c_str(), kReadBlock) != ARCHIVE_OK) {
    problem = ArchiveError(reader.get());
    return false;
  }
  for (;;) {
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(reader.get(), &entry);
    if (status == ARCHIVE_EOF) return true;
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
      problem = ArchiveError(reader.get());
      return false;
    }
    if (!AddEntry(entry, tree)) {
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
  if (problem.empty() && ReadEntries(path, NameOptions(volumes), tree, problem)) {
    // Without Joliet a folder records its entries by their plain names.
    tree.OrderAsRecorded(!volumes.joliet);
    return true;
  }
  problem += kNothingSaved;
  return false;
}

}  // namespace vardek::cli
