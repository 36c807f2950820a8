#include "shell/catalog_loader.h"

#include <string>

#include "browse/collect.h"
#include "catalog/catalog_titles.h"
#include "catalog/catalog_walk.h"
#include "catalog/convert.h"
#include "catalog/line_reader.h"
#include "catalog/reporter.h"
#include "catalog/text_routines.h"
#include "shell/catalog_tree.h"
#include "shell/file_list_view.h"
#include "shell/session.h"
#include "shell/status_bar.h"
#include "ui/busy_cursor.h"

namespace vardek {

bool CatalogLoader::SettleFormat(const char* path, bool& newFormat) {
  CatalogReader& reader = session_.Reader();
  for (;;) {
    if (!reader.Map(path, kLineLimit)) {
      report_.ErrorBox(kErrorOpeningFile, path);
      return false;
    }
    newFormat = reader.NewFormat();
    reader.Unmap();
    if (newFormat) return true;
    // The platform's own box, without an owner: the question may come while
    // the work window covers the main window.
    if (MessageBoxA(nullptr, kConvertQuestion, path, MB_YESNO | MB_ICONQUESTION) != IDYES) return true;
    ConvertCatalog(path, report_);
  }
}

bool CatalogLoader::ReadTitles(const char* path, HTREEITEM root, long& titles) {
  CatalogTitleScan scan;
  const bool read = ReadCatalogTitles(
      session_.Reader(), path, report_,
      [this, root](const char* description) { tree_.InsertItem(root, TVI_LAST, description, kTitleItemData); },
      scan);
  titles = scan.titleCount;
  return read;
}

OpenOutcome CatalogLoader::Open(const char* path, bool expand) {
  LoadedCatalogTable& table = session_.Catalogs();
  if (table.Full()) return OpenOutcome::TableFull;
  BusyCursor busy;
  bool newFormat = false;
  if (!SettleFormat(path, newFormat)) return OpenOutcome::Failed;
  session_.SetNewFormat(newFormat);

  HTREEITEM root = tree_.InsertItem(TVI_ROOT, TVI_LAST, NamePart(path), kCatalogItemData);
  if (!root) return OpenOutcome::Failed;
  long titles = 0;
  if (!ReadTitles(path, root, titles)) {
    // The catalog went between the two mappings; it was reported.
    tree_.DeleteCatalogItem(root);
    return OpenOutcome::Failed;
  }
  table.Add(path, root);
  table.AddTitles(titles);
  if (expand) tree_.Expand(root);
  tree_.SortChildren(root);
  ShowTitleCount();
  return OpenOutcome::Opened;
}

void CatalogLoader::ShowTitleCount() {
  const std::string text = FormatCount(session_.Catalogs().TitleCount()) + kTitlesInCatalog;
  status_.SetText(kStatusResultPart, text.c_str());
}

void CatalogLoader::ClearCatalogs() {
  LoadedCatalogTable& table = session_.Catalogs();
  for (int index = table.Count() - 1; index >= 0; --index) tree_.DeleteCatalogItem(table.At(index).root);
  table.Clear();
  list_.Clear();
  session_.Results().Release();
  status_.SetText(kStatusResultPart, "");
  status_.SetText(kStatusSearchPart, "");
}

void CatalogLoader::ListSelectedTitle() {
  const HTREEITEM selected = tree_.SelectedItem();
  if (!list_.StartNewRows()) return;
  if (selected && tree_.GetItemData(selected) == kTitleItemData) {
    // The title's catalog is the entry of its root item; names are not
    // compared, so a long or repeated file name cannot pick the wrong one.
    if (const LoadedCatalog* catalog = session_.Catalogs().FindByRoot(tree_.ParentItem(selected))) {
      const std::string description = tree_.GetItemText(selected);
      BusyCursor busy;
      CollectTitleFiles(session_.Reader(), catalog->path.c_str(), description.c_str(), session_.Results(),
                        report_);
    }
  }
  list_.Fill(FileRows::Files);
}

}  // namespace vardek
