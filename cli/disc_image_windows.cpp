// Windows reads a disc image itself once it is mounted, with every name and
// date as the drive shows them; vardek-cli.exe leaves images to it.
#include "cli/disc_image.h"

namespace vardek::cli {

bool ReadDiscImage(const std::string&, FolderTree&, std::string& problem) {
  problem =
      "Disc images are read by mounting them: right-click the image in Explorer, choose Mount, "
      "and scan the drive it gets - Nothing saved!";
  return false;
}

}  // namespace vardek::cli
