// The message router: the base WindowProc, one row per message it maps.
#include "ui/control.h"
#include "ui/window.h"

namespace vardek {

namespace {

LRESULT RouteNotify(Window& window, WPARAM wParam, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (Control* control = ControlObject(header->hwndFrom)) return control->OnControlNotify(*header);
  window.OnNotify(wParam, lParam);
  return 0;
}

}  // namespace

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      SaveState();
      OnFinalDestroy();
      return 0;
    case WM_SIZE: OnSize(wParam, lParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_QUERYENDSESSION: return OnQueryEndSession();
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_ENDSESSION:
      OnEndSession(wParam, lParam);
      if (wParam) SaveState();
      return 0;
    case WM_DRAWITEM: OnDrawItem(wParam, lParam); return 1;
    case WM_VKEYTOITEM: return OnVKeyToItem(wParam);
    case WM_NOTIFY: return RouteNotify(*this, wParam, lParam);
    case WM_CONTEXTMENU: OnContextMenu(wParam, lParam); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: OnKeyUp(wParam, lParam); return 0;
    case WM_CHAR: OnChar(wParam, lParam); return 0;
    // The system keys still get the system's processing afterwards: without it
    // Alt+F4, F10 and the Alt menu keys would be lost on a focused frame window.
    case WM_SYSKEYDOWN: OnSysKeyDown(wParam, lParam); break;
    case WM_SYSKEYUP: OnSysKeyUp(wParam, lParam); break;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_SYSCOMMAND: OnSysCommand(); break;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_HSCROLL: OnHScroll(wParam, lParam); return 0;
    case WM_VSCROLL: OnVScroll(wParam, lParam); return 0;
    case WM_INITMENU: OnInitMenu(wParam); return 0;
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); return 0;
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<LRESULT>(OnCtlColorListBox(wParam, lParam));
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 0;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(wParam, lParam); return 0;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
    default: break;
  }
  if (OnOtherMessage(message, wParam, lParam)) return 0;
  return DefWindowProcA(handle_, message, wParam, lParam);
}

}  // namespace vardek
