// The header click: the list's items sorted by one column in the order of the
// core's row comparison; each column alternates on its own until the next fill.
#include "browse/row_sort_keys.h"
#include "browse/sort.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/session.h"

namespace vardek {

namespace {

// The list compares each row with many others: their keys are worked out
// once, and compare as the rows do.
struct SortRequest {
  const RowSortKeys* keys;
  bool descending;
};

int CALLBACK CompareItems(LPARAM rowA, LPARAM rowB, LPARAM request) {
  const SortRequest& sort = *reinterpret_cast<const SortRequest*>(request);
  return sort.keys->Compare(static_cast<int>(rowA), static_cast<int>(rowB), sort.descending);
}

bool HasDirection(int column) { return column >= kColumnName && column <= kColumnTitle; }

}  // namespace

void DesktopCommands::SortByColumn(int column) {
  FileListView& list = parts_.list;
  const RowSortKeys keys(parts_.session.Results(), column);
  SortRequest request{&keys, HasDirection(column) && list.Descending(column)};
  list.SortItems(&CompareItems, reinterpret_cast<LPARAM>(&request));
  if (HasDirection(column)) list.SetDescending(column, !list.Descending(column));
}

}  // namespace vardek
