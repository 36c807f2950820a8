#pragma once
// DesktopCommands: the commands that scan, search, sort, copy, check, delete
// and list bad dates from the main window. Each runs through the command
// entry, and each works through the core's own walks and catalog changes.
#include <string>

#include "shell/command_texts.h"
#include "shell/find_dialog.h"
#include "shell/insert_disc_prompt.h"
#include "shell/scan_dialog.h"

namespace vardek {

class CatalogCommands;
class CatalogLoader;
class CatalogTree;
class CommandWindow;
class FileListView;
class Reporter;
class Session;
class StatusBar;
class TitleWriter;
class WorkWindow;

// What these commands work with, wired once at start.
struct DesktopParts {
  CommandWindow& window;
  Session& session;
  CatalogLoader& catalogs;
  CatalogCommands& catalogFiles;  // Open all, the window title
  CatalogTree& tree;
  FileListView& list;
  StatusBar& status;
  WorkWindow& work;
  Reporter& report;
  TitleWriter& titleWriter;
};

class DesktopCommands {
 public:
  explicit DesktopCommands(const DesktopParts& parts) : parts_(parts) {}
  DesktopCommands(const DesktopCommands&) = delete;
  DesktopCommands& operator=(const DesktopCommands&) = delete;

  void CheckCatalog();
  void FindBadDates();
  void DeleteCd();
  void ScanCd();
  void Find();
  void SortByColumn(int column);
  void CopyOrOpenFile();

 private:
  void ScanInto(char letter, char notedLetter);
  void ReloadCatalog();
  void SearchCatalog(const char* path, SearchKind kind);
  void CopyToChosenFolder(const char* source, const char* name);
  void DeleteOnlyTitle(const std::string& catalogPath);
  void DeleteTitle(const std::string& catalogPath, const char* description);
  // The catalog's file went with its last title.
  void ForgetRemovedCatalog();

  DesktopParts parts_;
  ScanDialog scanDialog_;
  InsertDiscPrompt insertDiscPrompt_;
  FindDialog findDialog_;
  DescriptionBuffer description_ = "";
  char workText_[kWorkTextSize] = "";  // shown by the work window while a scan runs
};

// "Searching " (or any lead) and a path in a buffer of kWorkTextSize bytes:
// a path too long to fit keeps its end, after "...".
void BuildWorkText(const char* lead, const char* path, char* text, int capacity);

// Drive ("D:"), folder path and name: D:\DATA\A.DAT, or D:\A.DAT for the
// root folder "\". False, leaving `path` empty, when it does not fit.
bool BuildSourcePath(const char* drive, const char* folder, const char* name, char* path, int capacity);

}  // namespace vardek
