#pragma once
// The libarchive functions the image reader calls, loaded when an image is
// first read: every other command starts without the library and the dozen
// it brings (their loading and relocation cost each run about a millisecond
// and two megabytes).
#include <archive.h>
#include <archive_entry.h>

namespace vardek::cli {

struct ArchiveLibrary {
  decltype(&archive_read_new) readNew = nullptr;
  decltype(&archive_read_free) readFree = nullptr;
  decltype(&archive_read_support_format_iso9660) supportIso9660 = nullptr;
  decltype(&archive_read_set_options) setOptions = nullptr;
  decltype(&archive_read_open_filename) openFilename = nullptr;
  decltype(&archive_read_next_header) nextHeader = nullptr;
  decltype(&archive_error_string) errorString = nullptr;
  decltype(&archive_entry_pathname_utf8) entryPathnameUtf8 = nullptr;
  decltype(&archive_entry_pathname) entryPathname = nullptr;
  decltype(&archive_entry_filetype) entryFiletype = nullptr;
  decltype(&archive_entry_mtime) entryMtime = nullptr;
  decltype(&archive_entry_mtime_nsec) entryMtimeNsec = nullptr;
};

// The library's functions; nullptr when it or one of them cannot be loaded.
const ArchiveLibrary* LoadArchiveLibrary();

}  // namespace vardek::cli
