#pragma once
// ListControl: a list view ("SysListView32"), report view by default.
#include "ui/control.h"

namespace vardek {

class ListControl : public Control {
 public:
  static constexpr DWORD kDefaultStyle = 0x50800001;  // WS_CHILD|WS_VISIBLE|WS_BORDER|LVS_REPORT
  ListControl();
  bool Create(HWND parent, int id, const char* text, int x, int y, int width,
              int height) override;

  // Thin forwarders, so callers read as intent rather than as list-view messages.
  int InsertColumn(int index, const char* text, int width);  // left-aligned; -1 on failure
  int ColumnWidth(int index) const;
  void SetExtendedListStyle(DWORD style);                     // LVM_SETEXTENDEDLISTVIEWSTYLE
  void SetItemCount(int count);
  int ItemCount() const;
  bool DeleteAllItems();
  int InsertItem(int index, LPARAM data);  // item data only, no text; -1 on failure
  LPARAM ItemData(int index) const;        // 0 when there is no such item
  void SetRedraw(bool redraw);             // WM_SETREDRAW; on again repaints the list
  int SelectedItem() const;                // the first selected item; -1 when none is
  // LVM_SORTITEMS: `compare` gets two items' data and `request`.
  using ItemCompare = int(CALLBACK*)(LPARAM itemA, LPARAM itemB, LPARAM request);
  bool SortItems(ItemCompare compare, LPARAM request);
};

}  // namespace vardek
