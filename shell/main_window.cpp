#include "shell/main_window.h"

#include <shellapi.h>

#include "catalog/reporter.h"
#include "resource_ids.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_loader.h"
#include "shell/catalog_tree.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/session.h"
#include "shell/status_bar.h"
#include "ui/module.h"

namespace vardek {

namespace {
void OpenWithShell(HWND owner, const char* address) {
  ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
}  // namespace

MainWindow::MainWindow()
    : accelerators_(nullptr),
      settingsKey_(kSettingsKey),
      addressOpener_(OpenWithShell),
      beeper_(Beep),
      settingsWrites_(0) {
  SetStyle(kStyle);
}

void MainWindow::Attach(CatalogTree& tree, FileListView& list, StatusBar& status, const MainWindowParts& parts) {
  parts_ = parts;
  SetChildren(&tree, &list, &status);
  tree.SetSelectionAction([this] { OnTitleSelected(); });
  tree.SetDeleteKeyAction([this] { OnTreeDeleteKey(); });
  list.SetColumnClickAction([this](int column) { OnHeaderClick(column); });
  list.SetDoubleClickAction([this] { OnRowDoubleClick(); });
  entry_.SetBringBack([this] { PostMessageA(Handle(), kRunHeldInputs, 0, 0); });
}

bool MainWindow::CreateMain() {
  CREATESTRUCTA params{};
  params.lpszClass = kMainClassName;
  params.style = static_cast<LONG>(Style());
  params.dwExStyle = ExtendedStyle();
  params.x = params.y = params.cx = params.cy = CW_USEDEFAULT;
  params.lpszName = kEmptyText;
  return CreateFromParams(params);
}

void MainWindow::AdjustClass(WNDCLASSA& windowClass) {
  windowClass.hIcon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(IDI_VARDEK));
  // The only client area the window shows itself is the splitter bar.
  windowClass.hCursor = LoadCursorA(nullptr, IDC_SIZEWE);
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
}

void MainWindow::AdjustCreateParams(CREATESTRUCTA& params) { params.lpszName = kProductName; }

bool MainWindow::OnCreate() {
  FrameWindow::OnCreate();
  if (!Tree()->Create(Handle(), 0, kEmptyText, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT)) {
    return false;
  }
  if (!List()->Create(Handle(), 0, kEmptyText, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT)) {
    return false;
  }
  StatusBar& status = *Status();
  if (status.SetPartCount(2)) {
    status.AddPart(kStatusPart0Width, 0);
    status.AddPart(kStatusPart1Width, 0);
    status.Create(Handle());  // without a status bar the window still works
  }
  parts_.session->Catalogs().Clear();
  return true;
}

void MainWindow::Show(int showCommand) {
  if (!RestorePlacement()) ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
}

bool MainWindow::RestorePlacement() {
  SavedPlacement saved = ReadPlacement(settingsKey_, Handle());
  if (saved.hasSplitter) MoveSplitter(saved.splitterPosition);
  if (!saved.restorable) return false;
  if (!SetWindowPlacement(Handle(), &saved.placement)) return false;
  // The placement may keep the size, and so send no size message to pull the bar back.
  MoveSplitter(SplitterPosition());
  return true;
}

bool MainWindow::SaveState() {
  ++settingsWrites_;
  SettingsSnapshot snapshot{};
  for (int column = 0; column < kFileColumnCount; ++column) {
    snapshot.columnWidths[column] = List()->ColumnWidth(column);
  }
  snapshot.splitterPosition = SplitterPosition();
  snapshot.state = &parts_.session->State();
  return WriteSettings(settingsKey_, snapshot, Handle());
}

void MainWindow::OnClose() {
  // A command that pumps messages is still using the window: close after it.
  entry_.Enter(kCloseInput, [this] { FrameWindow::OnClose(); });
}

int MainWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunHeldInputs) return FrameWindow::OnOtherMessage(message, wParam, lParam);
  entry_.RunHeld();
  return 1;
}

bool MainWindow::LoadAcceleratorTable(int resourceId) {
  accelerators_ = LoadAcceleratorsA(ModuleInstance(), MAKEINTRESOURCEA(resourceId));
  return accelerators_ != nullptr;
}

int MainWindow::RunMessageLoop() {
  MSG message{};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    if (accelerators_ && TranslateAcceleratorA(Handle(), accelerators_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 0;
}

void MainWindow::StartProgress() { SetTimer(Handle(), kProgressTimer, kProgressMilliseconds, nullptr); }

void MainWindow::StopProgress() { KillTimer(Handle(), kProgressTimer); }

void MainWindow::BeepIfMinimised() {
  if (IsIconic(Handle())) beeper_(kDoneBeepHertz, kDoneBeepMilliseconds);
}

void MainWindow::OnTimer(WPARAM timerId) {
  if (timerId != kProgressTimer) return;
  Status()->DrawProgress(parts_.session->Reader().PercentRead());
}

}  // namespace vardek
