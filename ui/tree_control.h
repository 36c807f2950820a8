#pragma once
// TreeControl: a tree view ("SysTreeView32") with buttons and lines.
#include <string>

#include "ui/control.h"

#include <commctrl.h>

namespace vardek {

class TreeControl : public Control {
 public:
  // WS_CHILD|WS_VISIBLE|WS_TABSTOP|TVS_HASBUTTONS|TVS_HASLINES|TVS_LINESATROOT
  static constexpr DWORD kDefaultStyle = 0x50010007;
  static constexpr int kItemTextSize = 260;  // longest item text GetItemText returns, with terminator
  TreeControl();
  bool Create(HWND parent, int id, const char* text, int x, int y, int width,
              int height) override;

  // Thin forwarders, so callers read as intent rather than as tree-view messages.
  // A new item under `parent` (TVI_ROOT for a top item) after `after`; null on failure.
  HTREEITEM InsertItem(HTREEITEM parent, HTREEITEM after, const char* text, LPARAM data);
  bool SelectItem(HTREEITEM item);  // TVGN_CARET; null clears the selection
  bool Expand(HTREEITEM item);
  bool SortChildren(HTREEITEM parent);
  std::string GetItemText(HTREEITEM item) const;
  LPARAM GetItemData(HTREEITEM item) const;
  HTREEITEM SelectedItem() const;
  HTREEITEM ParentItem(HTREEITEM item) const;
  HTREEITEM FirstChild(HTREEITEM item) const;  // TVI_ROOT: the first top item
  HTREEITEM NextSibling(HTREEITEM item) const;
  int ItemCount() const;
  bool DeleteItem(HTREEITEM item);  // with its children
  bool DeleteAllItems();
};

}  // namespace vardek
