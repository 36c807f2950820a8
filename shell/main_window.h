#pragma once
// MainWindow: the program's one top-level window, a list of handlers. Every
// input (a menu command, an accelerator, the panes' notifications, the
// start-up reopen, the close) goes through its one command entry to the
// object that carries the command out.
#include "shell/command_entry.h"
#include "shell/command_window.h"
#include "shell/file_columns.h"
#include "shell/frame_window.h"
#include "shell/settings.h"

namespace vardek {

class CatalogCommands;
class CatalogLoader;
class CatalogTree;
class DesktopCommands;
class FileListView;
class HelpPage;
class Session;
class StatusBar;

// What the main window hands its inputs to, wired once at start.
struct MainWindowParts {
  Session* session = nullptr;
  HelpPage* helpPage = nullptr;
  CatalogLoader* catalogs = nullptr;
  CatalogCommands* catalogCommands = nullptr;
  DesktopCommands* desktopCommands = nullptr;
};

class MainWindow : public FrameWindow, public CommandWindow {
 public:
  using AddressOpener = void (*)(HWND owner, const char* address);
  using Beeper = BOOL(WINAPI*)(DWORD hertz, DWORD milliseconds);
  static constexpr DWORD kDoneBeepHertz = 440;
  static constexpr DWORD kDoneBeepMilliseconds = 150;
  static constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
  static constexpr UINT_PTR kProgressTimer = 7;
  static constexpr UINT kProgressMilliseconds = 300;
  static constexpr int kStatusPart0Width = 80;  // in average character widths
  static constexpr int kStatusPart1Width = 22;
  // Posted when inputs held while a command ran may run now.
  static constexpr UINT kRunHeldInputs = WM_APP + 1;

  MainWindow();

  // Takes the three children (kept by the frame), stores the parts and
  // routes the panes' inputs through the command entry.
  void Attach(CatalogTree& tree, FileListView& list, StatusBar& status, const MainWindowParts& parts);
  // Creates the window with its children; true on success.
  bool CreateMain();
  void Show(int showCommand);
  bool LoadAcceleratorTable(int resourceId);
  int RunMessageLoop();

  // Window and FrameWindow overrides.
  void AdjustClass(WNDCLASSA& windowClass) override;
  void AdjustCreateParams(CREATESTRUCTA& params) override;
  bool SaveState() override;
  void OnClose() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnCreate() override;
  int OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(WPARAM timerId) override;
  bool RestorePlacement() override;

  // The inputs that do not come as menu commands.
  void OnTitleSelected();
  void OnTreeDeleteKey();
  void OnHeaderClick(int column);
  void OnRowDoubleClick();
  void OnStartUp();

  // CommandWindow.
  HWND Owner() const override { return Handle(); }
  void StartProgress() override;
  void StopProgress() override;
  void BeepIfMinimised() override;

  ColumnTable& Columns() { return columns_; }
  CommandEntry& Entry() { return entry_; }

  // The registry key of the settings (tests use a key of their own).
  const char* SettingsKeyPath() const { return settingsKey_; }
  void SetSettingsKeyPath(const char* path) { settingsKey_ = path; }
  // How the update page is opened (the shell by default).
  void SetAddressOpener(AddressOpener opener) { addressOpener_ = opener; }
  // How the end of a change is sounded (Beep by default).
  void SetBeeper(Beeper beeper) { beeper_ = beeper; }
  // How often the settings were written in this run.
  int SettingsWrites() const { return settingsWrites_; }

 private:
  // The menu's commands, one handler each (dispatched by id in command_dispatch.cpp).
  void OnOpenCatalog();
  void OnExit();
  void OnAbout();
  void OnDeleteCd();
  void OnScanCd();
  void OnFind();
  void OnOpenAll();
  void OnFindBadDates();
  void OnNewCatalog();
  void OnCheckCatalog();
  void OnProgramInfo();
  void OnCheckUpdates();

  HACCEL accelerators_;
  ColumnTable columns_;
  MainWindowParts parts_;
  CommandEntry entry_;
  const char* settingsKey_;
  AddressOpener addressOpener_;
  Beeper beeper_;
  int settingsWrites_;
};

}  // namespace vardek
