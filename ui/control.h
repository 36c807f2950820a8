#pragma once
// Control: the base of the wrappers around one child control each. The object
// is found from the control's handle through GWLP_USERDATA, so a parent's
// router can hand WM_NOTIFY and WM_COMMAND straight to it.
#include "ui/action_target.h"
#include "ui/win32.h"

namespace vardek {

class Control {
 public:
  Control(DWORD style, DWORD extendedStyle);
  ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Keep this order.
  virtual bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                      int height);
  virtual int OnControlCommand(int notificationCode, int controlId);
  virtual void OnControlDrawItem(DRAWITEMSTRUCT& item);
  virtual LRESULT OnControlNotify(NMHDR& header);
  virtual void SetAction(ActionTarget* target, ActionOperation operation);
  virtual LRESULT SubclassProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND Handle() const { return handle_; }
  int Id() const { return id_; }
  DWORD Style() const { return style_; }
  void SetStyle(DWORD style) { style_ = style; }
  DWORD ExtendedStyle() const { return extendedStyle_; }
  void SetExtendedStyle(DWORD extendedStyle) { extendedStyle_ = extendedStyle; }

 protected:
  // The shared step of every Create: automatic id for 0, adopt a template
  // child with that id, or make a new window; then bind the object to it.
  bool CreateControl(const char* windowClass, HWND parent, int id, const char* text, int x, int y,
                     int width, int height);
  bool HasAction() const { return target_ && operation_; }
  void RunAction() { (target_->*operation_)(id_); }

 private:
  HWND handle_;
  DWORD style_;
  DWORD extendedStyle_;
  int id_;
  ActionTarget* target_;
  ActionOperation operation_;
};

// The control object bound to a window, or nullptr when the window has none.
Control* ControlObject(HWND window);

// The program-wide automatic control id: 900 first, one up per control made with id 0.
int TakeAutomaticControlId();
int PeekAutomaticControlId();

// Window procedure of subclassed controls: forwards every message to SubclassProc.
LRESULT CALLBACK ControlSubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);
// The first window procedure replaced by subclassing (0 before any).
WNDPROC SubclassedPreviousProcedure();
void RememberSubclassedProcedure(WNDPROC previous);

}  // namespace vardek
