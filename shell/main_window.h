#pragma once
// MainWindow: the program's one top-level window. It owns the state the
// commands share (current catalog, flags, remembered drives, column table)
// and is a list of handlers: each menu command goes to the object that
// carries it out.
#include "shell/command_guard.h"
#include "shell/file_columns.h"
#include "shell/frame_window.h"
#include "shell/session_state.h"
#include "shell/settings.h"

namespace vardek {

class CatalogCommands;
class CatalogReader;
class DesktopCommands;
class CatalogTree;
class FileListView;
class HelpPage;
class Reporter;
class ResultList;
class StatusBar;
class WorkWindow;

// Everything the main window and its commands work with, wired once at start.
struct MainWindowParts {
  CatalogTree* tree = nullptr;
  FileListView* list = nullptr;
  StatusBar* status = nullptr;
  ResultList* results = nullptr;
  CatalogReader* reader = nullptr;  // the one catalog reader
  WorkWindow* work = nullptr;
  HelpPage* helpPage = nullptr;
  Reporter* reporter = nullptr;
  CatalogCommands* catalogCommands = nullptr;
  DesktopCommands* desktopCommands = nullptr;
};

class MainWindow : public FrameWindow {
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

  MainWindow();

  void Attach(const MainWindowParts& parts);
  // Stores the children (already attached) and creates the window; true on success.
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
  void OnTimer(WPARAM timerId) override;
  bool RestorePlacement() override;

  // The commands, one handler each (dispatched by id in command_dispatch.cpp).
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

  // The progress meter in status-bar part 0, for commands that read a catalog
  // while they pump messages.
  void StartProgress();
  void StopProgress();
  // Sounds the end of a catalog change when the window is minimised, so
  // that the user hears it.
  void BeepIfMinimised();

  // Shared state for the command objects.
  SessionState& State() { return state_; }
  ColumnTable& Columns() { return columns_; }
  const MainWindowParts& Parts() const { return parts_; }
  CatalogTree& TitleTree() const { return *parts_.tree; }
  FileListView& FileList() const { return *parts_.list; }
  StatusBar& StatusLine() const { return *parts_.status; }
  ResultList& Results() const { return *parts_.results; }
  CatalogReader& Reader() const { return *parts_.reader; }
  WorkWindow& Work() const { return *parts_.work; }
  Reporter& Report() const { return *parts_.reporter; }
  CommandGuard& Guard() { return guard_; }

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
  // Runs a command that works on the catalogs unless another command runs.
  template <class Operation>
  void RunCatalogCommand(Operation operation);

  HACCEL accelerators_;
  SessionState state_;
  ColumnTable columns_;
  MainWindowParts parts_;
  CommandGuard guard_;
  const char* settingsKey_;
  AddressOpener addressOpener_;
  Beeper beeper_;
  int settingsWrites_;
};

}  // namespace vardek
