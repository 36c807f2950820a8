#include "ui/tree_control.h"

namespace vardek {

TreeControl::TreeControl() : Control(kDefaultStyle, WS_EX_CLIENTEDGE) {}

bool TreeControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                         int height) {
  return CreateControl("SysTreeView32", parent, id, text, x, y, width, height);
}

HTREEITEM TreeControl::InsertItem(HTREEITEM parent, HTREEITEM after, const char* text,
                                  LPARAM data) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text);
  insert.item.lParam = data;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool TreeControl::SelectItem(HTREEITEM item) {
  return SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

bool TreeControl::Expand(HTREEITEM item) {
  return SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)) != 0;
}

bool TreeControl::SortChildren(HTREEITEM parent) {
  return SendMessageA(Handle(), TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(parent)) != 0;
}

std::string TreeControl::GetItemText(HTREEITEM item) const {
  char text[kItemTextSize] = "";
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  if (!SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return "";
  return text;
}

LPARAM TreeControl::GetItemData(HTREEITEM item) const {
  TVITEMA query{};
  query.mask = TVIF_PARAM;
  query.hItem = item;
  if (!SendMessageA(Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return 0;
  return query.lParam;
}

HTREEITEM TreeControl::SelectedItem() const { return TreeView_GetSelection(Handle()); }
HTREEITEM TreeControl::ParentItem(HTREEITEM item) const { return TreeView_GetParent(Handle(), item); }

HTREEITEM TreeControl::FirstChild(HTREEITEM item) const {
  if (item == TVI_ROOT) return TreeView_GetRoot(Handle());
  return TreeView_GetChild(Handle(), item);
}

HTREEITEM TreeControl::NextSibling(HTREEITEM item) const {
  return TreeView_GetNextSibling(Handle(), item);
}

int TreeControl::ItemCount() const {
  return static_cast<int>(SendMessageA(Handle(), TVM_GETCOUNT, 0, 0));
}

bool TreeControl::DeleteItem(HTREEITEM item) {
  return SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

bool TreeControl::DeleteAllItems() {
  return SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0;
}

}  // namespace vardek
