#include "shell/catalog_tree.h"

#include "browse/result_list.h"
#include "catalog/reporter.h"
#include "shell/file_list_view.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"

namespace vardek {

CatalogTree::CatalogTree(MainWindow& window) : window_(window) {}

void CatalogTree::ClearCatalogs() {
  // Deleting the selected item makes the tree select another one and report
  // it; that selection must not list a catalog that is going away.
  unloading_ = true;
  for (int index = table_.Count() - 1; index >= 0; --index) DeleteItem(table_.At(index).root);
  table_.Clear();
  unloading_ = false;
  window_.FileList().Clear();
  window_.Results().Release();
  window_.StatusLine().SetText(kStatusResultPart, "");
  window_.StatusLine().SetText(kStatusSearchPart, "");
}

LRESULT CatalogTree::OnControlNotify(NMHDR& header) {
  if (header.code == TVN_SELCHANGEDA) {
    if (!unloading_) ShowTitleFiles();
  } else if (header.code == TVN_KEYDOWN) {
    if (reinterpret_cast<NMTVKEYDOWN&>(header).wVKey == VK_DELETE) window_.OnDeleteCd();
  }
  return 0;
}

}  // namespace vardek
