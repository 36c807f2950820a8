// Listing a disc title's files when the user selects it in the title tree.
#include <string>

#include "browse/collect.h"
#include "shell/catalog_tree.h"
#include "shell/file_list_view.h"
#include "shell/main_window.h"
#include "ui/busy_cursor.h"

namespace vardek {

void CatalogTree::ShowTitleFiles() {
  {
    // Emptying the list ends a fill under way; another command that pumps
    // messages must not lose its reader or rows to this one.
    RunningCommand running(window_.Guard(), window_.Handle());
    if (running.Refused()) return;
    HTREEITEM selected = SelectedItem();
    window_.FileList().Clear();
    if (!window_.Results().Reset()) return;
    if (selected && GetItemData(selected) == kTitleItemData) {
      // The title's catalog is the entry of its root item; names are not
      // compared, so a long or repeated file name cannot pick the wrong one.
      if (const LoadedCatalog* catalog = table_.FindByRoot(ParentItem(selected))) {
        std::string description = GetItemText(selected);
        BusyCursor busy;
        CollectTitleFiles(window_.Reader(), catalog->path.c_str(), description.c_str(), window_.Results(),
                          window_.Report());
      }
    }
  }
  // The fill pumps messages; a new selection during it ends it.
  window_.FileList().Fill(FileRows::Files);
}

}  // namespace vardek
