// The open operation: one catalog into the title tree.
#include "catalog/catalog_titles.h"
#include "catalog/catalog_walk.h"
#include "catalog/convert.h"
#include "catalog/line_reader.h"
#include "catalog/text_routines.h"
#include "shell/catalog_tree.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "ui/busy_cursor.h"

namespace vardek {

bool CatalogTree::SettleFormat(const char* path, bool& newFormat) {
  CatalogReader& reader = window_.Reader();
  for (;;) {
    if (!reader.Map(path, kLineLimit)) {
      window_.Report().ErrorBox(kErrorOpeningFile, path);
      return false;
    }
    newFormat = reader.NewFormat();
    reader.Unmap();
    if (newFormat) return true;
    // The platform's own box, without an owner: the question may come while
    // the work window covers the main window.
    if (MessageBoxA(nullptr, kConvertQuestion, path, MB_YESNO | MB_ICONQUESTION) != IDYES) return true;
    ConvertCatalog(path, window_.Report());
  }
}

bool CatalogTree::ReadTitles(const char* path, HTREEITEM root, long& titles) {
  CatalogTitleScan scan;
  bool read = ReadCatalogTitles(
      window_.Reader(), path, window_.Report(),
      [this, root](const char* description) { InsertItem(root, TVI_LAST, description, kTitleItemData); },
      scan);
  titles = scan.titleCount;
  return read;
}

OpenOutcome CatalogTree::OpenCatalog(const char* path, bool expand) {
  if (table_.Full()) return OpenOutcome::TableFull;
  BusyCursor busy;
  bool newFormat = false;
  if (!SettleFormat(path, newFormat)) return OpenOutcome::Failed;
  window_.State().newFormat = newFormat ? 1 : 0;

  HTREEITEM root = InsertItem(TVI_ROOT, TVI_LAST, NamePart(path), kCatalogItemData);
  if (!root) return OpenOutcome::Failed;
  long titles = 0;
  if (!ReadTitles(path, root, titles)) {
    // The catalog went between the two mappings; it was reported.
    DeleteItem(root);
    return OpenOutcome::Failed;
  }
  table_.Add(path, root, newFormat);
  table_.AddTitles(titles);
  if (expand) Expand(root);
  SortChildren(root);
  ShowTitleCount();
  return OpenOutcome::Opened;
}

void CatalogTree::ShowTitleCount() {
  std::string text = FormatCount(table_.TitleCount()) + kTitlesInCatalog;
  window_.StatusLine().SetText(kStatusResultPart, text.c_str());
}

}  // namespace vardek
