#include "ui/window.h"

#include "ui/missing_create.h"
#include "ui/module.h"

namespace vardek {

namespace {
// Extra window bytes every class reserves; the object itself lives in GWLP_USERDATA.
constexpr int kExtraWindowBytes = 4;
}  // namespace

Window::Window() : handle_(nullptr), style_(0), extendedStyle_(0) {}

bool Window::Create(HWND, int, const char*, int, int, int, int) { return ReportMissingCreate(); }
void Window::AdjustClass(WNDCLASSA&) {}
void Window::AdjustCreateParams(CREATESTRUCTA&) {}
void Window::OnFinalDestroy() {}
int Window::OnOtherMessage(UINT, WPARAM, LPARAM) { return 0; }
bool Window::SaveState() { return false; }
void Window::OnChar(WPARAM, LPARAM) {}
void Window::OnClose() { Destroy(); }
void Window::OnCommand(WPARAM, LPARAM) {}
void Window::OnContextMenu(WPARAM, LPARAM) {}
bool Window::OnCreate() { return false; }
HBRUSH Window::OnCtlColorListBox(WPARAM, LPARAM) { return nullptr; }
void Window::OnDestroy() {}
void Window::OnDrawItem(WPARAM, LPARAM) {}
void Window::OnDropFiles(WPARAM) {}
void Window::OnEndSession(WPARAM, LPARAM) {}
void Window::OnHScroll(WPARAM, LPARAM) {}
void Window::OnInitMenu(WPARAM) {}
void Window::OnKeyDown(WPARAM, LPARAM) {}
void Window::OnKeyUp(WPARAM, LPARAM) {}
void Window::OnKillFocus() {}
void Window::OnLButtonDblClk(WPARAM, LPARAM) {}
void Window::OnLButtonDown(WPARAM, LPARAM) {}
void Window::OnLButtonUp(WPARAM, LPARAM) {}
int Window::OnMenuSelect(WPARAM, LPARAM) { return 0; }
void Window::OnMouseMove(WPARAM, LPARAM) {}
void Window::OnMouseWheel(WPARAM, LPARAM) {}
void Window::OnNotify(WPARAM, LPARAM) {}

void Window::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(handle_, &paint);
  EndPaint(handle_, &paint);
}

LRESULT Window::OnQueryEndSession() { return 1; }
void Window::OnRButtonDown(WPARAM, LPARAM) {}
void Window::OnRButtonUp(WPARAM, LPARAM) {}
void Window::OnSetFocus() {}
void Window::OnSize(WPARAM, LPARAM) {}
void Window::OnSysColorChange() {}
void Window::OnSysCommand() {}
void Window::OnSysKeyDown(WPARAM, LPARAM) {}
void Window::OnSysKeyUp(WPARAM, LPARAM) {}
void Window::OnTimer(WPARAM) {}
LRESULT Window::OnVKeyToItem(WPARAM) { return -1; }
void Window::OnVScroll(WPARAM, LPARAM) {}

bool Window::CreateFromClass(const char* className, HWND parent, HMENU menu, const char* text,
                             int x, int y, int width, int height) {
  if (handle_) return true;
  HWND created = CreateWindowExA(extendedStyle_, className, text, style_, x, y, width, height,
                                 parent, menu, ModuleInstance(), static_cast<Window*>(this));
  if (!created) handle_ = nullptr;
  return handle_ != nullptr;
}

bool Window::CreateFromParams(const CREATESTRUCTA& defaults) {
  RegisterWindowClass();
  if (handle_) return true;
  CREATESTRUCTA params = defaults;
  params.lpCreateParams = static_cast<Window*>(this);
  if (!params.hInstance) params.hInstance = ModuleInstance();
  AdjustCreateParams(params);
  handle_ = CreateWindowExA(params.dwExStyle, params.lpszClass, params.lpszName, params.style,
                            params.x, params.y, params.cx, params.cy, params.hwndParent,
                            params.hMenu, params.hInstance, params.lpCreateParams);
  return handle_ != nullptr;
}

bool Window::Destroy() {
  if (!DestroyWindow(handle_)) return false;
  handle_ = nullptr;
  return true;
}

bool Window::RegisterOnce(bool& classRegistered, WNDCLASSA windowClass) {
  if (classRegistered) return false;
  windowClass.lpfnWndProc = BindingProcedure;
  windowClass.cbWndExtra = kExtraWindowBytes;
  windowClass.hInstance = ModuleInstance();
  AdjustClass(windowClass);
  if (!RegisterClassA(&windowClass)) return false;
  classRegistered = true;
  return true;
}

Window* WindowObject(HWND window) {
  return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK BindingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* params = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* bound = static_cast<Window*>(params->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bound));
    if (bound) bound->handle_ = window;
  }
  Window* object = WindowObject(window);
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = object->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // A window can go without Destroy (its owner went, or its creation was
    // refused); forget it so the object's next create makes a new one.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (object->handle_ == window) object->handle_ = nullptr;
  }
  return result;
}

}  // namespace vardek
