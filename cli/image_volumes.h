#pragma once
// What the volume descriptors at the start of a disc image say: which file
// systems it holds and how long its ISO 9660 volume is.
#include <cstdint>
#include <string>

namespace vardek::cli {

struct ImageVolumes {
  bool iso9660 = false;  // a primary volume descriptor
  bool joliet = false;   // a supplementary one with Joliet's UCS-2 escape
  bool udf = false;      // UDF's volume recognition sequence (NSR02 or NSR03)
  std::uint64_t volumeBytes = 0;  // the ISO 9660 volume's size as recorded
  std::uint64_t fileBytes = 0;    // the image file's size
};

// Reads the descriptors of the image at `path`; false when it cannot be
// read at all (then `volumes` says nothing).
bool ReadImageVolumes(const std::string& path, ImageVolumes& volumes);

}  // namespace vardek::cli
