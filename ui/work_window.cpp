#include "ui/work_window.h"

#include <cstring>

#include "ui/display_font.h"

namespace vardek {

bool WorkWindow::classRegistered_ = false;

WorkWindow::WorkWindow()
    : disableOwner_(0),
      owner_(nullptr),
      characterWidth_(0),
      lineHeight_(0),
      text_(""),
      textColour_(0),
      backgroundColour_(0xC0C0C0),
      textRectangle_() {
  SetStyle(kStyle);
  SetExtendedStyle(kExtendedStyle);
  RegisterWindowClass();
}

bool WorkWindow::RegisterWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.style = CS_GLOBALCLASS | CS_BYTEALIGNWINDOW;
  windowClass.lpszClassName = kClassName;
  return RegisterOnce(classRegistered_, windowClass);
}

namespace {

// The owner's window rectangle, or the screen when there is no owner to centre on.
RECT ReferenceRectangle(HWND owner) {
  RECT reference{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &reference);
  return reference;
}

}  // namespace

int WorkWindow::Show(HWND owner, const char* text, int disableOwner) {
  disableOwner_ = disableOwner;
  owner_ = owner;
  text_ = text ? text : "";
  TEXTMETRICA metrics;
  if (!DisplayFontMetrics(metrics)) return 0;
  characterWidth_ = metrics.tmAveCharWidth;
  lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
  if (Handle()) {
    InvalidateRect(Handle(), nullptr, TRUE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    return 1;
  }
  int width = (static_cast<int>(std::strlen(text_)) + kExtraCharacters) * characterWidth_;
  int height = kLines * lineHeight_;
  RECT reference = ReferenceRectangle(owner);
  int x = reference.left + (reference.right - reference.left) / 2 - width / 2;
  int y = reference.top + (reference.bottom - reference.top) / 2 - height / 2;
  if (CreateFromClass(kClassName, owner, nullptr, nullptr, x, y, width, height)) {
    if (disableOwner_ && owner_) EnableWindow(owner_, FALSE);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
  }
  return 1;
}

void WorkWindow::SetColours(COLORREF textColour, COLORREF backgroundColour) {
  textColour_ = textColour;
  backgroundColour_ = backgroundColour;
}

int WorkWindow::Destroy() { return Window::Destroy() ? 1 : 0; }

int WorkWindow::PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return 1;
    GetMessageA(&message, nullptr, 0, 0);
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

LRESULT WorkWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: OnWorkSize(); return 0;
    case WM_PAINT: OnWorkPaint(); return 0;
    case WM_DESTROY: OnWorkDestroy(); return 0;
    default: return DefWindowProcA(Handle(), message, wParam, lParam);
  }
}

void WorkWindow::OnWorkSize() {
  RECT client;
  GetClientRect(Handle(), &client);
  textRectangle_.left = 3 * characterWidth_;
  textRectangle_.right = client.right - 3 * characterWidth_;
  textRectangle_.top = lineHeight_;
  textRectangle_.bottom = client.bottom - lineHeight_;
}

void WorkWindow::OnWorkPaint() {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle(), &paint);
  HBRUSH background = CreateSolidBrush(backgroundColour_);
  FillRect(context, &paint.rcPaint, background);
  DeleteObject(background);
  SetBkColor(context, backgroundColour_);
  const RECT& frame = textRectangle_;
  HGDIOBJ previousPen = SelectObject(context, GetStockObject(BLACK_PEN));
  MoveToEx(context, frame.left, frame.bottom, nullptr);
  LineTo(context, frame.left, frame.top);
  LineTo(context, frame.right, frame.top);
  SelectObject(context, GetStockObject(WHITE_PEN));
  LineTo(context, frame.right, frame.bottom);
  LineTo(context, frame.left, frame.bottom);
  SelectObject(context, previousPen);
  SetTextColor(context, textColour_);
  RECT textArea = frame;
  DrawTextA(context, text_, -1, &textArea, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
  EndPaint(Handle(), &paint);
}

void WorkWindow::OnWorkDestroy() {
  if (!owner_) return;
  if (disableOwner_) EnableWindow(owner_, TRUE);
  BringWindowToTop(owner_);
}

}  // namespace vardek
