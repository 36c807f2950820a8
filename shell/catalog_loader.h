#pragma once
// CatalogLoader: catalogs into the title tree and the loaded-catalog table,
// and out again, and a disc title's files into the file list when the user
// selects it.
#include "ui/win32.h"

#include <commctrl.h>

namespace vardek {

class CatalogTree;
class FileListView;
class Reporter;
class Session;
class StatusBar;

inline constexpr char kTitlesInCatalog[] = " titles in catalog";
inline constexpr char kConvertQuestion[] = "Convert to new format?";

enum class OpenOutcome {
  Opened,     // the catalog and its titles are in the tree
  Failed,     // it could not be read (reported); nothing was added
  TableFull,  // the table holds its 100 catalogs already; nothing was asked or added
};

class CatalogLoader {
 public:
  CatalogLoader(Session& session, CatalogTree& tree, FileListView& list, StatusBar& status, Reporter& report)
      : session_(session), tree_(tree), list_(list), status_(status), report_(report) {}

  // The open operation: the catalog's root item after the last one, its
  // titles sorted beneath it, the title count in the status bar. An
  // old-format catalog brings the question whether to convert it first.
  OpenOutcome Open(const char* path, bool expand);
  // Unloads everything: tree items, table, file list, result rows, status texts.
  void ClearCatalogs();
  // The selected disc title's files in the file list.
  void ListSelectedTitle();

 private:
  // Maps the catalog once to learn its format; on an old-format catalog asks
  // whether to convert it and converts until the user says no or the
  // catalog is new. False (reported) when it cannot be mapped.
  bool SettleFormat(const char* path, bool& newFormat);
  bool ReadTitles(const char* path, HTREEITEM root, long& titles);
  void ShowTitleCount();

  Session& session_;
  CatalogTree& tree_;
  FileListView& list_;
  StatusBar& status_;
  Reporter& report_;
};

}  // namespace vardek
