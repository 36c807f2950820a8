#pragma once
// The program-wide objects, in the order they are constructed (and, reversed,
// cleaned up at exit), and the start-up that brings the main window up.
#include "scan/title_writer.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_loader.h"
#include "shell/catalog_tree.h"
#include "shell/desktop_commands.h"
#include "shell/desktop_reporter.h"
#include "shell/file_list_view.h"
#include "shell/help_page.h"
#include "shell/main_window.h"
#include "shell/session.h"
#include "shell/status_bar.h"
#include "ui/work_window.h"

namespace vardek {

// Brings the framework's shared message box, About box and box buttons into
// being at their places in the order.
struct MessageBoxes {
  MessageBoxes();
};
struct BoxButtonSet {
  BoxButtonSet();
};

struct Program {
  static constexpr DWORD kFileListStyle = 0x50800005;  // report view, single selection
  static constexpr COLORREF kWorkTextColour = RGB(0, 0, 0);
  static constexpr COLORREF kWorkBackground = RGB(255, 215, 0);

  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  MessageBoxes boxes;         // 1, 2: message box, About box
                              // 3, 4: the Scan dialog and insert-disc prompt come with the scan
  TitleWriter titleWriter;    // 5
  HelpPage helpPage;          // 6
  Session session;            // 7: the result list, and the state the commands share
  MainWindow mainWindow;      // 8
  FileListView fileList;      // 9
  CatalogTree titleTree;      // 10
  StatusBar statusBar;        // 11
  WorkWindow workWindow;      // 12
  BoxButtonSet boxButtons;    // 13
  DesktopReporter reporter;
  CatalogLoader catalogs;
  CatalogCommands catalogCommands;
  DesktopCommands desktopCommands;  // scan, find, sort, copy, check, delete, bad dates
};

// Everything up to the message loop: settings, main window with its children
// and columns, shown, last catalog reopened, title, accelerators. False when
// the main window could not be created.
bool StartUp(Program& program, int showCommand);

// StartUp and the message loop; the process exit code.
int RunProgram(Program& program, int showCommand);

}  // namespace vardek
