#pragma once
// CatalogTree: the title tree on the left, a view. Each loaded catalog is a
// root item (item data 0) with one child per disc title (item data 1). It
// reports the user's new selection and the Delete key through callbacks.
#include <functional>

#include "ui/tree_control.h"

namespace vardek {

inline constexpr LPARAM kCatalogItemData = 0;
inline constexpr LPARAM kTitleItemData = 1;

class CatalogTree : public TreeControl {
 public:
  void SetSelectionAction(std::function<void()> action) { selection_ = std::move(action); }
  void SetDeleteKeyAction(std::function<void()> action) { deleteKey_ = std::move(action); }

  // Deletes a catalog's items. Deleting the selected item makes the tree
  // select another one; that selection is the program's, not the user's, and
  // is not reported.
  void DeleteCatalogItem(HTREEITEM root);

  LRESULT OnControlNotify(NMHDR& header) override;

 private:
  std::function<void()> selection_;
  std::function<void()> deleteKey_;
  bool deleting_ = false;
};

}  // namespace vardek
