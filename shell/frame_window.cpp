#include "shell/frame_window.h"

#include <commctrl.h>

#include "shell/status_bar.h"

namespace vardek {

bool FrameWindow::classRegistered_ = false;

FrameWindow::FrameWindow() : tree_(nullptr), list_(nullptr), status_(nullptr) { ResetLayout(); }

void FrameWindow::ResetLayout() {
  clientWidth_ = 0;
  clientHeight_ = 0;
  dragging_ = 0;
  statusHeight_ = 0;
  splitter_ = 0;
  dragContext_ = nullptr;
  barBrush_ = nullptr;
  bar_ = RECT{};
}

void FrameWindow::SetChildren(TreeControl* tree, ListControl* list, StatusBar* status) {
  tree_ = tree;
  list_ = list;
  status_ = status;
}

bool FrameWindow::RegisterWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.style = kClassStyle;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // The children cover the client area except the bar, which OnPaint fills.
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = kMainClassName;
  return RegisterOnce(classRegistered_, windowClass);
}

void FrameWindow::OnFinalDestroy() { PostQuitMessage(0); }

void FrameWindow::OnClose() {
  if (CanClose()) Destroy();
}

bool FrameWindow::CanClose() { return true; }
bool FrameWindow::RestorePlacement() { return false; }

LRESULT FrameWindow::OnQueryEndSession() { return CanClose() ? 1 : 0; }

bool FrameWindow::OnCreate() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0xFF};
  InitCommonControlsEx(&controls);
  GetClientRect(Handle(), &bar_);
  barBrush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  return true;
}

void FrameWindow::OnDestroy() {
  if (barBrush_) DeleteObject(barBrush_);
  barBrush_ = nullptr;
}

void FrameWindow::OnSize(WPARAM wParam, LPARAM lParam) {
  if (wParam == SIZE_MINIMIZED) return;
  clientWidth_ = LOWORD(lParam);
  clientHeight_ = HIWORD(lParam);
  statusHeight_ = status_ ? status_->Height() : 0;
  if (status_) status_->Resize(wParam, lParam);
  KeepSplitterInside();
  Layout();
}

void FrameWindow::KeepSplitterInside() {
  if (splitter_ <= 0) splitter_ = clientWidth_ / 4;
  if (splitter_ > clientWidth_ - kRightMargin) splitter_ = clientWidth_ - kRightMargin;
}

void FrameWindow::MoveSplitter(int x) {
  splitter_ = x;
  if (clientWidth_ == 0) return;  // not sized yet: the first size message places it
  KeepSplitterInside();
  Layout();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void FrameWindow::Layout() {
  int paneHeight = clientHeight_ - statusHeight_;
  HDWP positions = BeginDeferWindowPos(3);
  if (tree_ && tree_->Handle() && positions) {
    positions = DeferWindowPos(positions, tree_->Handle(), HWND_TOP, 0, 0, splitter_, paneHeight,
                               SWP_FRAMECHANGED);
  }
  if (list_ && list_->Handle() && positions) {
    positions = DeferWindowPos(positions, list_->Handle(), HWND_TOP, splitter_ + kBarWidth, 0,
                               clientWidth_ - splitter_ - kBarWidth, paneHeight,
                               SWP_FRAMECHANGED);
  }
  if (status_ && status_->Handle() && positions) {
    positions = DeferWindowPos(positions, status_->Handle(), HWND_TOP, 0, paneHeight,
                               clientWidth_, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  if (positions) EndDeferWindowPos(positions);
}

void FrameWindow::SetBar(int x) { bar_ = RECT{x, 0, x + kBarWidth, clientHeight_ - statusHeight_}; }

void FrameWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle(), &paint);
  SetBar(splitter_);
  if (barBrush_) FillRect(context, &bar_, barBrush_);
  EndPaint(Handle(), &paint);
}

void FrameWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
  if (dragging_) EndDrag();
  SetCapture(Handle());
  splitter_ = LOWORD(lParam);
  SetBar(splitter_);
  dragging_ = 1;
  dragContext_ = GetDC(Handle());
  InvertRect(dragContext_, &bar_);
}

void FrameWindow::OnMouseMove(WPARAM, LPARAM lParam) {
  // Unsigned: a pointer left of the client reads as a large x and is ignored.
  unsigned x = LOWORD(lParam);
  if (!dragging_ || x < static_cast<unsigned>(kLeftLimit) ||
      static_cast<int>(x) >= clientWidth_ - kRightMargin) {
    return;
  }
  InvertRect(dragContext_, &bar_);
  splitter_ = static_cast<int>(x);
  bar_.left = splitter_;
  bar_.right = splitter_ + kBarWidth;
  InvertRect(dragContext_, &bar_);
}

void FrameWindow::OnLButtonUp(WPARAM, LPARAM) {
  // Ended before the capture goes, so the capture's loss finds no drag.
  if (dragging_) EndDrag();
  ReleaseCapture();
}

int FrameWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CAPTURECHANGED) return Window::OnOtherMessage(message, wParam, lParam);
  if (dragging_) EndDrag();
  return 0;  // the default handling still runs
}

void FrameWindow::EndDrag() {
  InvertRect(dragContext_, &bar_);
  ReleaseDC(Handle(), dragContext_);
  dragContext_ = nullptr;
  dragging_ = 0;
  Layout();
}

}  // namespace vardek
