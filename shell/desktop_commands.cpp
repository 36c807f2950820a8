#include "shell/desktop_commands.h"

#include <algorithm>
#include <cstring>

#include "shell/catalog_commands.h"
#include "shell/catalog_loader.h"
#include "shell/session.h"

namespace vardek {

void DesktopCommands::ReloadCatalog() {
  parts_.catalogs.ClearCatalogs();
  parts_.catalogs.Open(parts_.session.CatalogPath(), true);
  parts_.catalogFiles.UpdateWindowTitle();
}

void BuildWorkText(const char* lead, const char* path, char* text, int capacity) {
  if (capacity <= 0) return;
  static constexpr char kCut[] = "...";
  const std::size_t room = static_cast<std::size_t>(capacity) - 1;
  const std::size_t leadLength = std::min(std::strlen(lead), room);
  std::memcpy(text, lead, leadLength);
  std::size_t used = leadLength;
  const std::size_t pathLength = std::strlen(path);
  if (used + pathLength <= room) {
    std::memcpy(text + used, path, pathLength);
    used += pathLength;
  } else if (used + sizeof kCut - 1 < room) {
    // The end of a path names the catalog; its start can go.
    std::memcpy(text + used, kCut, sizeof kCut - 1);
    used += sizeof kCut - 1;
    const std::size_t tail = room - used;
    std::memcpy(text + used, path + pathLength - tail, tail);
    used += tail;
  }
  text[used] = '\0';
}

}  // namespace vardek
