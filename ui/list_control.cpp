#include "ui/list_control.h"

#include <commctrl.h>

namespace vardek {

ListControl::ListControl() : Control(kDefaultStyle, 0) {}

bool ListControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                         int height) {
  return CreateControl("SysListView32", parent, id, text, x, y, width, height);
}

int ListControl::InsertColumn(int index, const char* text, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<char*>(text);
  column.iSubItem = 0;
  return static_cast<int>(SendMessageA(Handle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(&column)));
}

int ListControl::ColumnWidth(int index) const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
}

void ListControl::SetExtendedListStyle(DWORD style) {
  SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style));
}

void ListControl::SetItemCount(int count) {
  SendMessageA(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
}

int ListControl::ItemCount() const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

bool ListControl::DeleteAllItems() { return SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0) != 0; }

int ListControl::InsertItem(int index, LPARAM data) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  item.lParam = data;
  return static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

LPARAM ListControl::ItemData(int index) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

int ListControl::SelectedItem() const {
  return static_cast<int>(SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool ListControl::SortItems(ItemCompare compare, LPARAM request) {
  return SendMessageA(Handle(), LVM_SORTITEMS, static_cast<WPARAM>(request), reinterpret_cast<LPARAM>(compare)) !=
         0;
}

void ListControl::SetRedraw(bool redraw) {
  SendMessageA(Handle(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace vardek
