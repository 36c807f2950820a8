#include "shell/desktop_commands.h"

#include <cstring>

#include "catalog/reporter.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_tree.h"
#include "shell/command_texts.h"
#include "shell/file_list_view.h"
#include "shell/main_window.h"
#include "ui/work_window.h"

namespace vardek {

DesktopCommands::DesktopCommands(MainWindow& window, TitleWriter& titleWriter)
    : window_(window), titleWriter_(titleWriter) {}

void DesktopCommands::HookFileList(FileListView& list) {
  // Both run from the list's notifications, outside the dispatcher, so they
  // take the busy rule themselves.
  list.SetColumnClickAction([this](int column) {
    RunningCommand running(window_.Guard(), window_.Handle());
    if (!running.Refused()) SortByColumn(column);
  });
  list.SetDoubleClickAction([this] {
    RunningCommand running(window_.Guard(), window_.Handle());
    if (!running.Refused()) CopyOrOpenFile();
  });
}

bool DesktopCommands::ChangeAllowed() {
  if (window_.TitleTree().CatalogCount() > 1) {
    window_.Report().ErrorBox(kOneCatalogOnly, kProductName);
    return false;
  }
  if (!window_.State().newFormat) {
    window_.Report().ErrorBox(kNewFormatOnly, kProductName);
    return false;
  }
  return true;
}

void DesktopCommands::ReloadCatalog() {
  window_.TitleTree().ClearCatalogs();
  window_.TitleTree().OpenCatalog(window_.State().catalogPath, true);
  window_.Parts().catalogCommands->UpdateWindowTitle();
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
