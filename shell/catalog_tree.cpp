#include "shell/catalog_tree.h"

namespace vardek {

void CatalogTree::DeleteCatalogItem(HTREEITEM root) {
  deleting_ = true;
  DeleteItem(root);
  deleting_ = false;
}

LRESULT CatalogTree::OnControlNotify(NMHDR& header) {
  if (header.code == TVN_SELCHANGEDA) {
    if (!deleting_ && selection_) selection_();
  } else if (header.code == TVN_KEYDOWN) {
    if (reinterpret_cast<NMTVKEYDOWN&>(header).wVKey == VK_DELETE && deleteKey_) deleteKey_();
  }
  return 0;
}

}  // namespace vardek
