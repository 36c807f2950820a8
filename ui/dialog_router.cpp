// The dialog router: the base DialogProc. The program's dialogs replace it;
// it keeps the base class complete.
#include "ui/control.h"
#include "ui/dialog.h"

namespace vardek {

namespace {

void RouteDrawItem(Dialog& dialog, WPARAM wParam, LPARAM lParam) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (Control* control = ControlObject(item->hwndItem)) {
    control->OnControlDrawItem(*item);
  } else {
    dialog.OnDrawItem(wParam, lParam);
  }
}

void RouteNotify(Dialog& dialog, WPARAM wParam, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (Control* control = ControlObject(header->hwndFrom)) {
    control->OnControlNotify(*header);
  } else {
    dialog.OnNotify(wParam, lParam);
  }
}

void RouteCommand(Dialog& dialog, WPARAM wParam, LPARAM lParam) {
  Control* control = ControlObject(reinterpret_cast<HWND>(lParam));
  if (control && control->OnControlCommand(HIWORD(wParam), LOWORD(wParam))) return;
  dialog.OnCommand(wParam, lParam);
}

}  // namespace

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_INITDIALOG: return OnInitDialog(wParam, lParam);
    case WM_QUERYENDSESSION: return OnQueryEndSession();
    case WM_VKEYTOITEM: return OnVKeyToItem(wParam);
    case WM_CTLCOLORLISTBOX: return reinterpret_cast<INT_PTR>(OnCtlColorListBox(wParam, lParam));
    case WM_DRAWITEM: RouteDrawItem(*this, wParam, lParam); return 1;
    case WM_NOTIFY: RouteNotify(*this, wParam, lParam); return 1;
    case WM_COMMAND: RouteCommand(*this, wParam, lParam); return 0;
    case WM_INITMENU: OnInitMenu(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
    case WM_SIZE: OnSize(wParam, lParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_CONTEXTMENU: OnContextMenu(wParam, lParam); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: OnKeyUp(wParam, lParam); return 0;
    case WM_CHAR: OnChar(wParam, lParam); return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(wParam, lParam); return 0;
    case WM_SYSKEYUP: OnSysKeyUp(wParam, lParam); return 0;
    case WM_HSCROLL: OnHScroll(wParam, lParam); return 0;
    case WM_VSCROLL: OnVScroll(wParam, lParam); return 0;
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 0;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 0;
    default: return DefaultDialogMessage(message, wParam, lParam);
  }
}

}  // namespace vardek
