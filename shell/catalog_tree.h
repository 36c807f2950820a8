#pragma once
// CatalogTree: the title tree on the left. Each loaded catalog is a root
// item (item data 0) with one child per disc title (item data 1); the tree
// keeps the loaded-catalog table, opens catalogs into itself, unloads them
// all, and lists a disc title's files when the user selects it.
#include "shell/loaded_catalogs.h"
#include "ui/tree_control.h"

namespace vardek {

class MainWindow;

inline constexpr LPARAM kCatalogItemData = 0;
inline constexpr LPARAM kTitleItemData = 1;
inline constexpr char kTitlesInCatalog[] = " titles in catalog";
inline constexpr char kConvertQuestion[] = "Convert to new format?";

enum class OpenOutcome {
  Opened,     // the catalog and its titles are in the tree
  Failed,     // it could not be read (reported); nothing was added
  TableFull,  // the table holds its 100 catalogs already; nothing was asked or added
};

class CatalogTree : public TreeControl {
 public:
  explicit CatalogTree(MainWindow& window);

  // The counters of loaded catalogs and counted titles start again at 0.
  void ResetCounters() { table_.Clear(); }

  // The open operation: the catalog's root item after the last one, its
  // titles sorted beneath it, the title count in the status bar. An
  // old-format catalog brings the question whether to convert it first.
  OpenOutcome OpenCatalog(const char* path, bool expand);
  // Unloads everything: tree items, table, file list, result rows, status texts.
  void ClearCatalogs();
  // A new selection: the selected disc title's files in the file list.
  void ShowTitleFiles();

  const LoadedCatalogTable& Catalogs() const { return table_; }
  int CatalogCount() const { return table_.Count(); }

  LRESULT OnControlNotify(NMHDR& header) override;

 private:
  // Maps the catalog once to learn its format; on an old-format catalog asks
  // whether to convert it and converts until the user says no or the
  // catalog is new. False (reported) when it cannot be mapped.
  bool SettleFormat(const char* path, bool& newFormat);
  bool ReadTitles(const char* path, HTREEITEM root, long& titles);
  void ShowTitleCount();

  MainWindow& window_;
  LoadedCatalogTable table_;
  bool unloading_ = false;
};

}  // namespace vardek
