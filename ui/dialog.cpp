#include "ui/dialog.h"

#include "ui/missing_create.h"
#include "ui/module.h"

namespace vardek {

Dialog::Dialog() : handle_(nullptr), extendedStyle_(0) {}

bool Dialog::Create(HWND, int, const char*, int, int, int, int) { return ReportMissingCreate(); }
void Dialog::Reset() {}
INT_PTR Dialog::DefaultDialogMessage(UINT, WPARAM, LPARAM) { return 0; }
void Dialog::OnChar(WPARAM, LPARAM) {}
void Dialog::OnCommand(WPARAM, LPARAM) {}
void Dialog::OnContextMenu(WPARAM, LPARAM) {}
bool Dialog::OnCreate() { return false; }
HBRUSH Dialog::OnCtlColorListBox(WPARAM, LPARAM) { return nullptr; }
void Dialog::OnDestroy() {}
void Dialog::OnDrawItem(WPARAM, LPARAM) {}
void Dialog::OnDropFiles(WPARAM) {}
void Dialog::OnHScroll(WPARAM, LPARAM) {}
INT_PTR Dialog::OnInitDialog(WPARAM, LPARAM) { return 1; }
void Dialog::OnInitMenu() {}
void Dialog::OnKeyDown(WPARAM, LPARAM) {}
void Dialog::OnKeyUp(WPARAM, LPARAM) {}
void Dialog::OnKillFocus() {}
void Dialog::OnLButtonDown(WPARAM, LPARAM) {}
void Dialog::OnLButtonUp(WPARAM, LPARAM) {}
int Dialog::OnMenuSelect(WPARAM, LPARAM) { return 0; }
void Dialog::OnMouseMove(WPARAM, LPARAM) {}
void Dialog::OnNotify(WPARAM, LPARAM) {}

void Dialog::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(handle_, &paint);
  EndPaint(handle_, &paint);
}

LRESULT Dialog::OnQueryEndSession() { return 1; }
void Dialog::OnRButtonDown(WPARAM, LPARAM) {}
void Dialog::OnRButtonUp(WPARAM, LPARAM) {}
void Dialog::OnSetFocus() {}
void Dialog::OnSize(WPARAM, LPARAM) {}
void Dialog::OnSysColorChange() {}
void Dialog::OnSysKeyDown(WPARAM, LPARAM) {}
void Dialog::OnSysKeyUp(WPARAM, LPARAM) {}
void Dialog::OnTimer(WPARAM) {}
LRESULT Dialog::OnVKeyToItem(WPARAM) { return -1; }
void Dialog::OnVScroll(WPARAM, LPARAM) {}

INT_PTR Dialog::Run(int templateId, HWND owner) {
  INT_PTR result = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId), owner,
                                   DialogBindingProcedure, reinterpret_cast<LPARAM>(this));
  handle_ = nullptr;  // the dialog is gone once the run returns
  return result;
}

INT_PTR CALLBACK DialogBindingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* object = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    if (!object) return FALSE;
    object->handle_ = dialog;
    return object->DialogProc(message, wParam, lParam);
  }
  auto* object = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!object) return FALSE;
  INT_PTR result = object->DialogProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The dialog has ended: the next run binds afresh.
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    if (object->handle_ == dialog) object->handle_ = nullptr;
  }
  return result;
}

}  // namespace vardek
