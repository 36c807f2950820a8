// The menu's and the accelerators' commands: one table from command id to the
// main window's handler. Menu items and accelerators act alike.
#include <iterator>

#include "resource_ids.h"
#include "shell/catalog_commands.h"
#include "shell/desktop_commands.h"
#include "shell/help_page.h"
#include "shell/main_window.h"
#include "shell/program_texts.h"
#include "ui/about_box.h"
#include "ui/error_box.h"

namespace vardek {

namespace {

constexpr int kFirstCommandId = 40002;

using Handler = void (MainWindow::*)();

// Index = command id − 40002; ids of the range without a command do nothing.
constexpr Handler kCommandTable[] = {
    &MainWindow::OnOpenCatalog,   // 40002
    &MainWindow::OnExit,          // 40003
    nullptr,                      // 40004
    &MainWindow::OnAbout,         // 40005
    &MainWindow::OnDeleteCd,      // 40006
    &MainWindow::OnScanCd,        // 40007
    &MainWindow::OnFind,          // 40008
    &MainWindow::OnOpenAll,       // 40009
    &MainWindow::OnFindBadDates,  // 40010
    nullptr,                      // 40011
    nullptr,                      // 40012
    &MainWindow::OnNewCatalog,    // 40013
    &MainWindow::OnCheckCatalog,  // 40014
    nullptr,                      // 40015
    &MainWindow::OnProgramInfo,   // 40016
    &MainWindow::OnCheckUpdates,  // 40017
};
static_assert(std::size(kCommandTable) == 16);

}  // namespace

void MainWindow::OnCommand(WPARAM wParam, LPARAM) {
  int index = static_cast<int>(LOWORD(wParam)) - kFirstCommandId;
  if (index < 0 || index >= static_cast<int>(std::size(kCommandTable))) return;
  if (Handler handler = kCommandTable[index]) (this->*handler)();
}

template <class Operation>
void MainWindow::RunCatalogCommand(Operation operation) {
  RunningCommand running(guard_, Handle());
  if (running.Refused()) return;
  operation();
}

void MainWindow::OnOpenCatalog() {
  RunCatalogCommand([this] { parts_.catalogCommands->OpenCatalog(); });
}

void MainWindow::OnOpenAll() {
  RunCatalogCommand([this] { parts_.catalogCommands->OpenAll(); });
}

void MainWindow::OnNewCatalog() {
  RunCatalogCommand([this] { parts_.catalogCommands->NewCatalog(); });
}

void MainWindow::OnScanCd() {
  RunCatalogCommand([this] { parts_.desktopCommands->ScanCd(); });
}

void MainWindow::OnDeleteCd() {
  RunCatalogCommand([this] { parts_.desktopCommands->DeleteCd(); });
}

void MainWindow::OnFind() {
  RunCatalogCommand([this] { parts_.desktopCommands->Find(); });
}

void MainWindow::OnFindBadDates() {
  RunCatalogCommand([this] { parts_.desktopCommands->FindBadDates(); });
}

void MainWindow::OnCheckCatalog() {
  RunCatalogCommand([this] { parts_.desktopCommands->CheckCatalog(); });
}

void MainWindow::OnExit() { OnClose(); }

void MainWindow::OnAbout() {
  ProgramAboutBox().Show(Handle(), kProgramAboutText, kMakerWebAddress, 0, IDI_VARDEK,
                         MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey,
                         MessageBoxWindow::kGrey);
}

void MainWindow::OnProgramInfo() { parts_.helpPage->Show(); }

void MainWindow::OnCheckUpdates() { addressOpener_(Handle(), kUpdatePageAddress); }

}  // namespace vardek
