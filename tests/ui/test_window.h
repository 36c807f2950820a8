#pragma once
// Minimal window classes for the framework tests: they count what the router
// calls, and note the handlers in the order they ran.
#include <string>
#include <vector>

#include "ui/window.h"

namespace vardek::testing {

// A top-level window of its own class ("VardekProbe") that may be created.
class ProbeWindow : public Window {
 public:
  ProbeWindow();
  ~ProbeWindow();
  bool RegisterWindowClass() override;
  bool OnCreate() override;
  bool SaveState() override;
  void OnClose() override;
  void OnSysCommand() override;
  void OnNotify(WPARAM wParam, LPARAM lParam) override;
  void OnEndSession(WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
  void OnFinalDestroy() override;
  void OnPaint() override;
  int OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Creates a plain visible popup at the given place.
  bool Open(int x = 100, int y = 100, int width = 400, int height = 300,
            DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE);

  bool createResult = true;
  bool closeDestroys = true;
  int appMessages = 0;  // WM_APP messages seen
  int creates = 0;
  int saveStates = 0;
  int closes = 0;
  int sysCommands = 0;
  int notifies = 0;
  int endSessions = 0;
  int destroys = 0;
  int finalDestroys = 0;
  HWND handleSeenInCreate = nullptr;
  std::vector<std::string> calls;  // handler names, in order

 private:
  static bool classRegistered_;
};

// A class that keeps the default OnCreate: it cannot be created.
class RefusingWindow : public Window {
 public:
  RefusingWindow();
  ~RefusingWindow();
  bool RegisterWindowClass() override;
  bool SaveState() override;
  int saveStates = 0;

 private:
  static bool classRegistered_;
};

}  // namespace vardek::testing
