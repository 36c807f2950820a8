#include "test_window.h"

namespace vardek::testing {

bool ProbeWindow::classRegistered_ = false;
bool RefusingWindow::classRegistered_ = false;

ProbeWindow::ProbeWindow() { RegisterWindowClass(); }

ProbeWindow::~ProbeWindow() {
  if (Handle()) Destroy();
}

bool ProbeWindow::RegisterWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VardekProbe";
  return RegisterOnce(classRegistered_, windowClass);
}

bool ProbeWindow::Open(int x, int y, int width, int height, DWORD style) {
  SetStyle(style);
  return CreateFromClass("VardekProbe", nullptr, nullptr, "Probe", x, y, width, height);
}

bool ProbeWindow::OnCreate() {
  ++creates;
  calls.push_back("OnCreate");
  handleSeenInCreate = Handle();
  return createResult;
}

bool ProbeWindow::SaveState() {
  ++saveStates;
  calls.push_back("SaveState");
  return true;
}

void ProbeWindow::OnClose() {
  ++closes;
  calls.push_back("OnClose");
  if (closeDestroys) Window::OnClose();
}

int ProbeWindow::OnOtherMessage(UINT message, WPARAM, LPARAM) {
  if (message != WM_APP) return 0;
  ++appMessages;
  return 1;
}

void ProbeWindow::OnSysCommand() {
  ++sysCommands;
  calls.push_back("OnSysCommand");
}
void ProbeWindow::OnNotify(WPARAM, LPARAM) { ++notifies; }
void ProbeWindow::OnEndSession(WPARAM, LPARAM) {
  ++endSessions;
  calls.push_back("OnEndSession");
}
void ProbeWindow::OnDestroy() {
  ++destroys;
  calls.push_back("OnDestroy");
}
void ProbeWindow::OnFinalDestroy() {
  ++finalDestroys;
  calls.push_back("OnFinalDestroy");
}

// The default paint only validates; let the class brush show.
void ProbeWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle(), &paint);
  FillRect(context, &paint.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  EndPaint(Handle(), &paint);
}

RefusingWindow::RefusingWindow() { RegisterWindowClass(); }

RefusingWindow::~RefusingWindow() {
  if (Handle()) Destroy();
}

bool RefusingWindow::RegisterWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.lpszClassName = "VardekRefusing";
  return RegisterOnce(classRegistered_, windowClass);
}

bool RefusingWindow::SaveState() {
  ++saveStates;
  return true;
}

}  // namespace vardek::testing
