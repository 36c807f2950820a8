#include "cli/archive_library.h"

#include <dlfcn.h>

namespace vardek::cli {

namespace {

// The name Debian's libarchive13 installs, the one the image reader was built against.
constexpr const char* kLibraryName = "libarchive.so.13";

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

bool Load(ArchiveLibrary& lib) {
  void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  // Held to the end of the run: the reader's objects come and go with it.
  return Find(library, "archive_read_new", lib.readNew) && Find(library, "archive_read_free", lib.readFree) &&
         Find(library, "archive_read_support_format_iso9660", lib.supportIso9660) &&
         Find(library, "archive_read_set_options", lib.setOptions) &&
         Find(library, "archive_read_open_filename", lib.openFilename) &&
         Find(library, "archive_read_next_header", lib.nextHeader) &&
         Find(library, "archive_error_string", lib.errorString) &&
         Find(library, "archive_entry_pathname_utf8", lib.entryPathnameUtf8) &&
         Find(library, "archive_entry_pathname", lib.entryPathname) &&
         Find(library, "archive_entry_filetype", lib.entryFiletype) &&
         Find(library, "archive_entry_mtime", lib.entryMtime) &&
         Find(library, "archive_entry_mtime_nsec", lib.entryMtimeNsec);
}

}  // namespace

const ArchiveLibrary* LoadArchiveLibrary() {
  static ArchiveLibrary lib;
  static const bool loaded = Load(lib);
  return loaded ? &lib : nullptr;
}

}  // namespace vardek::cli
