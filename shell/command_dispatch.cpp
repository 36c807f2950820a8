// The inputs and their commands: one table from command id to the main
// window's handler and its rule while another command runs (menu items and
// accelerators act alike), and the panes' inputs beside it. Every one goes
// through the one command entry.
#include <iterator>

#include "resource_ids.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_loader.h"
#include "shell/desktop_commands.h"
#include "shell/help_page.h"
#include "shell/main_window.h"
#include "shell/program_texts.h"
#include "ui/about_box.h"
#include "ui/error_box.h"

namespace vardek {

namespace {

constexpr int kFirstCommandId = 40002;

struct CommandRoute {
  void (MainWindow::*handler)();
  InputRule rule;
};

}  // namespace

void MainWindow::OnCommand(WPARAM wParam, LPARAM) {
  // Index = command id − 40002; ids of the range without a command do
  // nothing. About and the two pages touch no catalog, row or reader: they
  // may open inside a command that pumps messages.
  static constexpr CommandRoute kRoutes[] = {
      {&MainWindow::OnOpenCatalog, kRefusedWhileBusy},   // 40002
      {&MainWindow::OnExit, kCloseInput},                // 40003
      {nullptr, kRefusedWhileBusy},                      // 40004
      {&MainWindow::OnAbout, kHarmlessInput},            // 40005
      {&MainWindow::OnDeleteCd, kRefusedWhileBusy},      // 40006
      {&MainWindow::OnScanCd, kRefusedWhileBusy},        // 40007
      {&MainWindow::OnFind, kRefusedWhileBusy},          // 40008
      {&MainWindow::OnOpenAll, kRefusedWhileBusy},       // 40009
      {&MainWindow::OnFindBadDates, kRefusedWhileBusy},  // 40010
      {nullptr, kRefusedWhileBusy},                      // 40011
      {nullptr, kRefusedWhileBusy},                      // 40012
      {&MainWindow::OnNewCatalog, kRefusedWhileBusy},    // 40013
      {&MainWindow::OnCheckCatalog, kRefusedWhileBusy},  // 40014
      {nullptr, kRefusedWhileBusy},                      // 40015
      {&MainWindow::OnProgramInfo, kHarmlessInput},      // 40016
      {&MainWindow::OnCheckUpdates, kHarmlessInput},     // 40017
  };
  static_assert(std::size(kRoutes) == 16);
  const int index = static_cast<int>(LOWORD(wParam)) - kFirstCommandId;
  if (index < 0 || index >= static_cast<int>(std::size(kRoutes))) return;
  const CommandRoute& route = kRoutes[index];
  if (route.handler) entry_.Enter(route.rule, [this, &route] { (this->*route.handler)(); });
}

void MainWindow::OnTitleSelected() {
  entry_.Enter(kTitleSelection, [this] { parts_.catalogs->ListSelectedTitle(); });
}

void MainWindow::OnTreeDeleteKey() { entry_.Enter(kRefusedWhileBusy, [this] { OnDeleteCd(); }); }

void MainWindow::OnHeaderClick(int column) {
  entry_.Enter(kRefusedWhileBusy, [this, column] { parts_.desktopCommands->SortByColumn(column); });
}

void MainWindow::OnRowDoubleClick() {
  entry_.Enter(kRefusedWhileBusy, [this] { parts_.desktopCommands->CopyOrOpenFile(); });
}

// The conversion question of an old-format catalog leaves the window
// enabled: no command may start inside the reopen.
void MainWindow::OnStartUp() {
  entry_.Enter(kRefusedWhileBusy, [this] { parts_.catalogCommands->ReopenLastCatalog(); });
}

void MainWindow::OnOpenCatalog() { parts_.catalogCommands->OpenCatalog(); }
void MainWindow::OnOpenAll() { parts_.catalogCommands->OpenAll(); }
void MainWindow::OnNewCatalog() { parts_.catalogCommands->NewCatalog(); }
void MainWindow::OnScanCd() { parts_.desktopCommands->ScanCd(); }
void MainWindow::OnDeleteCd() { parts_.desktopCommands->DeleteCd(); }
void MainWindow::OnFind() { parts_.desktopCommands->Find(); }
void MainWindow::OnFindBadDates() { parts_.desktopCommands->FindBadDates(); }
void MainWindow::OnCheckCatalog() { parts_.desktopCommands->CheckCatalog(); }
void MainWindow::OnExit() { FrameWindow::OnClose(); }

void MainWindow::OnAbout() {
  ProgramAboutBox().Show(Handle(), kProgramAboutText, kMakerWebAddress, 0, IDI_VARDEK,
                         MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey,
                         MessageBoxWindow::kGrey);
}

void MainWindow::OnProgramInfo() { parts_.helpPage->Show(); }

void MainWindow::OnCheckUpdates() { addressOpener_(Handle(), kUpdatePageAddress); }

}  // namespace vardek
