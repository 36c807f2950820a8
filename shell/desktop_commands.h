#pragma once
// DesktopCommands: the commands that scan, search, sort, copy, check, delete
// and list bad dates from the main window. Each runs inside the main
// window's busy rule (the dispatcher or the list's hook holds it), and each
// works through the core's own walks and catalog changes.
#include "shell/command_texts.h"
#include "shell/find_dialog.h"
#include "shell/insert_disc_prompt.h"
#include "shell/scan_dialog.h"

namespace vardek {

class MainWindow;
class TitleWriter;
class FileListView;

class DesktopCommands {
 public:
  DesktopCommands(MainWindow& window, TitleWriter& titleWriter);
  DesktopCommands(const DesktopCommands&) = delete;
  DesktopCommands& operator=(const DesktopCommands&) = delete;

  // A header click sorts, a double click copies or opens (each refused while
  // another command runs).
  void HookFileList(FileListView& list);

  void CheckCatalog();
  void FindBadDates();
  void DeleteCd();
  void ScanCd();
  void Find();
  void SortByColumn(int column);
  void CopyOrOpenFile();

  // The column and direction of the last sort.
  int SortColumn() const { return sortColumn_; }
  bool SortDescending() const { return sortDescending_; }

 private:
  // The preconditions of a change: one loaded catalog in the new format
  // (reported when not met).
  bool ChangeAllowed();
  void ScanInto(char letter, char notedLetter);
  void ReloadCatalog();
  void SearchCatalog(const char* path, SearchKind kind);
  void CopyToChosenFolder(const char* source, const char* name);
  void DeleteOnlyTitle();
  void DeleteTitle(const char* description, const char* catalogItemText);

  MainWindow& window_;
  TitleWriter& titleWriter_;
  ScanDialog scanDialog_;
  InsertDiscPrompt insertDiscPrompt_;
  FindDialog findDialog_;
  DescriptionBuffer description_ = "";
  char workText_[kWorkTextSize] = "";  // shown by the work window while a scan runs
  int sortColumn_ = 0;
  bool sortDescending_ = false;
};

// "Searching " (or any lead) and a path in a buffer of kWorkTextSize bytes:
// a path too long to fit keeps its end, after "...".
void BuildWorkText(const char* lead, const char* path, char* text, int capacity);

// Drive ("D:"), folder path and name: D:\DATA\A.DAT, or D:\A.DAT for the
// root folder "\". False, leaving `path` empty, when it does not fit.
bool BuildSourcePath(const char* drive, const char* folder, const char* name, char* path, int capacity);

}  // namespace vardek
