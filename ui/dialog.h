#pragma once
// Dialog: the base of dialog objects bound to modal dialogs made from templates.
// The dialog binding procedure hands every message to DialogProc, whose base
// is the dialog router below; the program's dialogs replace DialogProc whole.
#include "ui/action_target.h"
#include "ui/win32.h"

namespace vardek {

class Dialog : public ActionTarget {
 public:
  Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Keep this order.
  virtual bool Create(HWND parent, int id, const char* text, int x, int y, int width,
                      int height);
  // Puts the derived dialog's own fields back to their start values; for the
  // derived dialog to call before a run (the framework itself never does).
  virtual void Reset();
  virtual INT_PTR DefaultDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnChar(WPARAM wParam, LPARAM lParam);
  virtual void OnCommand(WPARAM wParam, LPARAM lParam);
  virtual void OnContextMenu(WPARAM wParam, LPARAM lParam);
  virtual bool OnCreate();
  virtual HBRUSH OnCtlColorListBox(WPARAM wParam, LPARAM lParam);
  virtual void OnDestroy();
  virtual void OnDrawItem(WPARAM wParam, LPARAM lParam);
  virtual void OnDropFiles(WPARAM wParam);
  virtual void OnHScroll(WPARAM wParam, LPARAM lParam);
  virtual INT_PTR OnInitDialog(WPARAM wParam, LPARAM lParam);
  virtual void OnInitMenu();
  virtual void OnKeyDown(WPARAM wParam, LPARAM lParam);
  virtual void OnKeyUp(WPARAM wParam, LPARAM lParam);
  virtual void OnKillFocus();
  virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam);
  virtual int OnMenuSelect(WPARAM wParam, LPARAM lParam);
  virtual void OnMouseMove(WPARAM wParam, LPARAM lParam);
  virtual void OnNotify(WPARAM wParam, LPARAM lParam);
  virtual void OnPaint();
  virtual LRESULT OnQueryEndSession();
  virtual void OnRButtonDown(WPARAM wParam, LPARAM lParam);
  virtual void OnRButtonUp(WPARAM wParam, LPARAM lParam);
  virtual void OnSetFocus();
  virtual void OnSize(WPARAM wParam, LPARAM lParam);
  virtual void OnSysColorChange();
  virtual void OnSysKeyDown(WPARAM wParam, LPARAM lParam);
  virtual void OnSysKeyUp(WPARAM wParam, LPARAM lParam);
  virtual void OnTimer(WPARAM timerId);
  virtual LRESULT OnVKeyToItem(WPARAM wParam);
  virtual void OnVScroll(WPARAM wParam, LPARAM lParam);
  virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

  // DialogBoxParamA with this object; the value given to EndDialog (-1 on failure).
  INT_PTR Run(int templateId, HWND owner);

  HWND Handle() const { return handle_; }
  DWORD ExtendedStyle() const { return extendedStyle_; }

 protected:
  ~Dialog() = default;

 private:
  friend INT_PTR CALLBACK DialogBindingProcedure(HWND, UINT, WPARAM, LPARAM);

  HWND handle_;
  DWORD extendedStyle_;
};

INT_PTR CALLBACK DialogBindingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vardek
