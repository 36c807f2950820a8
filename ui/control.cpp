#include "ui/control.h"

#include <algorithm>
#include <vector>

#include "ui/missing_create.h"
#include "ui/module.h"

namespace vardek {

namespace {

constexpr int kFirstAutomaticControlId = 900;
int g_nextControlId = kFirstAutomaticControlId;
WNDPROC g_subclassedPrevious = nullptr;

// Live control objects: GWLP_USERDATA of a child is trusted only when it names
// one of them, since other children may keep their own data there.
std::vector<Control*>& LiveControls() {
  static std::vector<Control*> controls;
  return controls;
}

}  // namespace

int TakeAutomaticControlId() { return g_nextControlId++; }
int PeekAutomaticControlId() { return g_nextControlId; }

Control::Control(DWORD style, DWORD extendedStyle)
    : handle_(nullptr),
      style_(style),
      extendedStyle_(extendedStyle),
      id_(0),
      target_(nullptr),
      operation_(nullptr) {
  LiveControls().push_back(this);
}

Control::~Control() {
  auto& controls = LiveControls();
  controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
}

bool Control::Create(HWND, int, const char*, int, int, int, int) { return ReportMissingCreate(); }
int Control::OnControlCommand(int, int) { return 0; }
void Control::OnControlDrawItem(DRAWITEMSTRUCT&) {}
LRESULT Control::OnControlNotify(NMHDR&) { return 0; }

void Control::SetAction(ActionTarget* target, ActionOperation operation) {
  target_ = target;
  operation_ = operation;
}

// Passes the message on, so a subclassed control that adds nothing still works.
LRESULT Control::SubclassProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!g_subclassedPrevious) return DefWindowProcA(handle_, message, wParam, lParam);
  return CallWindowProcA(g_subclassedPrevious, handle_, message, wParam, lParam);
}

bool Control::CreateControl(const char* windowClass, HWND parent, int id, const char* text, int x,
                            int y, int width, int height) {
  if (id == 0) id = TakeAutomaticControlId();
  id_ = id;
  handle_ = GetDlgItem(parent, id);
  if (!handle_) {
    handle_ = CreateWindowExA(extendedStyle_, windowClass, text, style_, x, y, width, height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ModuleInstance(), nullptr);
  }
  if (!handle_) return false;
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

Control* ControlObject(HWND window) {
  if (!window) return nullptr;
  auto* candidate = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!candidate) return nullptr;
  const auto& controls = LiveControls();
  if (std::find(controls.begin(), controls.end(), candidate) == controls.end()) return nullptr;
  return candidate->Handle() == window ? candidate : nullptr;
}

LRESULT CALLBACK ControlSubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  Control* control = ControlObject(window);
  if (control) return control->SubclassProc(message, wParam, lParam);
  if (g_subclassedPrevious) return CallWindowProcA(g_subclassedPrevious, window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

WNDPROC SubclassedPreviousProcedure() { return g_subclassedPrevious; }

void RememberSubclassedProcedure(WNDPROC previous) {
  if (!g_subclassedPrevious) g_subclassedPrevious = previous;
}

}  // namespace vardek
