#pragma once
// Window: the base of every top-level window object. One binding procedure
// hands each message to the object's WindowProc; the base WindowProc routes
// messages to the handlers below, each with a harmless default, so a window
// class overrides only what it needs.
#include "ui/action_target.h"
#include "ui/win32.h"

namespace vardek {

class Window : public ActionTarget {
 public:
  Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Keep this order: derived classes and the message box append after it.
  virtual bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                      int height);
  virtual void AdjustClass(WNDCLASSA& windowClass);
  virtual void AdjustCreateParams(CREATESTRUCTA& params);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnFinalDestroy();
  virtual int OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual bool RegisterWindowClass() = 0;
  virtual bool SaveState();
  virtual void OnChar(WPARAM wParam, LPARAM lParam);
  virtual void OnClose();
  virtual void OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnContextMenu(WPARAM wParam, LPARAM lParam);
  virtual bool OnCreate();
  virtual HBRUSH OnCtlColorListBox(WPARAM wParam, LPARAM lParam);
  virtual void OnDestroy();
  virtual void OnDrawItem(WPARAM wParam, LPARAM lParam);
  virtual void OnDropFiles(WPARAM wParam);
  virtual void OnEndSession(WPARAM wParam, LPARAM lParam);
  virtual void OnHScroll(WPARAM wParam, LPARAM lParam);
  virtual void OnInitMenu(WPARAM wParam);
  virtual void OnKeyDown(WPARAM wParam, LPARAM lParam);
  virtual void OnKeyUp(WPARAM wParam, LPARAM lParam);
  virtual void OnKillFocus();
  virtual void OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam);
  virtual int OnMenuSelect(WPARAM wParam, LPARAM lParam);
  virtual void OnMouseMove(WPARAM wParam, LPARAM lParam);
  virtual void OnMouseWheel(WPARAM wParam, LPARAM lParam);
  virtual void OnNotify(WPARAM wParam, LPARAM lParam);
  virtual void OnPaint();
  virtual LRESULT OnQueryEndSession();
  virtual void OnRButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonUp(WPARAM wParam, LPARAM lParam);
  virtual void OnSetFocus();
  virtual void OnSize(WPARAM wParam, LPARAM lParam);
  virtual void OnSysColorChange();
  virtual void OnSysCommand();
  virtual void OnSysKeyDown(WPARAM wParam, LPARAM lParam);
  virtual void OnSysKeyUp(WPARAM wParam, LPARAM lParam);
  virtual void OnTimer(WPARAM timerId);
  virtual LRESULT OnVKeyToItem(WPARAM wParam);
  virtual void OnVScroll(WPARAM wParam, LPARAM lParam);

  // Creates the window unless the object already has one; true when it has one afterwards.
  bool CreateFromClass(const char* className, HWND parent, HMENU menu, const char* text, int x,
                       int y, int width, int height);
  // The main window's path: register, start from `defaults`, let AdjustCreateParams edit them.
  bool CreateFromParams(const CREATESTRUCTA& defaults);
  // DestroyWindow; the handle is forgotten only when that succeeded.
  bool Destroy();

  HWND Handle() const { return handle_; }
  DWORD Style() const { return style_; }
  void SetStyle(DWORD style) { style_ = style; }
  DWORD ExtendedStyle() const { return extendedStyle_; }
  void SetExtendedStyle(DWORD extendedStyle) { extendedStyle_ = extendedStyle; }

 protected:
  ~Window() = default;

  // The shared part of every RegisterWindowClass: once per class, through the
  // binding procedure, then AdjustClass. False when already registered or on failure.
  bool RegisterOnce(bool& classRegistered, WNDCLASSA windowClass);

 private:
  friend LRESULT CALLBACK BindingProcedure(HWND, UINT, WPARAM, LPARAM);

  HWND handle_;
  DWORD style_;
  DWORD extendedStyle_;
};

// The window procedure of every class the program registers.
LRESULT CALLBACK BindingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The object bound to a window, or nullptr.
Window* WindowObject(HWND window);

}  // namespace vardek
