#pragma once
// What the catalog-side tests look at and set up: catalogs in a scratch
// folder, the tree's items, the file list's cells and the status texts as
// the user sees them, and message boxes that must not appear.
#include <string>
#include <vector>

#include "automation.h"
#include "shell_fixture.h"

#include <commctrl.h>

namespace vardek::testing {

// A fresh folder under the temp folder, removed with its files afterwards.
class CatalogFolder {
 public:
  CatalogFolder();
  ~CatalogFolder();
  CatalogFolder(const CatalogFolder&) = delete;
  CatalogFolder& operator=(const CatalogFolder&) = delete;

  // Writes `lines`, each ended by CR LF, to `name`; returns the full path.
  std::string Write(const std::string& name, const std::vector<std::string>& lines) const;
  std::string PathOf(const std::string& name) const { return path_ + name; }
  const std::string& Path() const { return path_; }  // ends with a backslash

 private:
  std::string path_;
};

// A catalog of one title line followed by its file lines and "<eof>".
std::vector<std::string> TitleLines(const std::string& title, const std::vector<std::string>& body);
std::vector<std::string> Join(std::vector<std::vector<std::string>> parts);
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
// The first window of `className` among the children of `parent` (nullptr: none).
HWND ChildOfClass(HWND parent, const char* className);
// The open-file dialog's file name box: its one edit control (inside a combo
// box on some versions of the dialog).
HWND FileNameBox(HWND dialog);

// A click on a column header as the file list reports it to its parent.
NMLISTVIEW ColumnClick(HWND list, int column);

struct TreeItemSeen {
  std::string text;
  LPARAM data;
  bool expanded;
};

class CatalogSideTest : public ShellTest {
 protected:
  // Starts the program with no catalog.
  void StartEmpty() { Start(); }
  CatalogTree& Tree() { return TheProgram().titleTree; }
  FileListView& List() { return TheProgram().fileList; }

  std::vector<TreeItemSeen> TopItems();
  std::vector<TreeItemSeen> ChildrenOf(HTREEITEM parent);
  HTREEITEM TopItem(int index);
  HTREEITEM ChildItem(HTREEITEM parent, const std::string& text);

  // One cell's text as the list shows it (asked through the list itself).
  std::string Cell(int item, int column);
  // Every row as "name|date|folder|title".
  std::vector<std::string> ListedRows();
  std::string StatusText(int part);
  std::string Caption() { return WindowText(Window().Handle()); }
};

// Counts the program's message boxes that appear while it lives and closes
// them with Ok; for steps after which no box may come. With `dialogsToo` it
// counts and closes dialogs as well (the prompt, the folder browser).
class BoxCounter {
 public:
  explicit BoxCounter(bool dialogsToo = false);
  ~BoxCounter();
  int Count() const { return count_; }
  const std::string& LastCaption() const { return lastCaption_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_;
  bool dialogsToo_;
  int count_ = 0;
  std::string lastCaption_;
};

}  // namespace vardek::testing
