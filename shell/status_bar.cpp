#include "shell/status_bar.h"

#include <new>

#include <commctrl.h>

#include "ui/control.h"

namespace vardek {

void ComputeRightEdges(int barWidth, int characterWidth, const int* widths, int count,
                       int* rightEdges) {
  if (count <= 0) return;
  rightEdges[count - 1] = barWidth - count * characterWidth;
  for (int part = count - 1; part >= 1; --part) {
    rightEdges[part - 1] = rightEdges[part] - widths[part] * characterWidth;
  }
}

ProgressAreas MeterAreas(const RECT& part, int percent) {
  if (percent > 100) percent = 100;
  if (percent < 0) percent = 0;
  int doneEdge = (part.right - part.left) * percent / 100 + part.left;
  ProgressAreas areas{part, part};
  areas.done.right = percent != 0 ? doneEdge : part.left;
  areas.left.left = percent != 0 ? doneEdge + 1 : part.left;
  if (percent >= 100) areas.left.left = areas.left.right;
  return areas;
}

bool StatusBar::SetPartCount(int count) {
  widths_.reset(new (std::nothrow) int[count]());
  drawingTypes_.reset(new (std::nothrow) int[count]());
  rightEdges_.reset(new (std::nothrow) int[count]());
  if (!widths_ || !drawingTypes_ || !rightEdges_) {
    count_ = 0;
    return false;
  }
  count_ = count;
  added_ = 0;
  return true;
}

void StatusBar::AddPart(int width, int drawingType) {
  if (added_ >= count_) return;
  widths_[added_] = width;
  drawingTypes_[added_] = drawingType;
  ++added_;
}

bool StatusBar::Create(HWND parent) {
  parent_ = parent;
  id_ = TakeAutomaticControlId();
  handle_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, nullptr, parent, static_cast<UINT>(id_));
  if (!handle_) return false;
  SendMessageA(handle_, SB_SETPARTS, static_cast<WPARAM>(count_),
               reinterpret_cast<LPARAM>(rightEdges_.get()));
  for (int part = 0; part < count_; ++part) SetText(part, nullptr);
  return true;
}

int StatusBar::Height() const {
  if (!handle_ || !IsWindowVisible(handle_)) return 0;
  RECT place;
  GetWindowRect(handle_, &place);
  return place.bottom - place.top;
}

int StatusBar::AverageCharacterWidth() const {
  auto font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  HDC context = GetDC(parent_);
  HGDIOBJ previous = SelectObject(context, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(context, &metrics);
  SelectObject(context, previous);
  ReleaseDC(parent_, context);
  return metrics.tmAveCharWidth;
}

void StatusBar::Resize(WPARAM wParam, LPARAM lParam) {
  if (!handle_) return;
  SendMessageA(handle_, WM_SIZE, wParam, lParam);
  RECT place;
  GetWindowRect(handle_, &place);
  ComputeRightEdges(place.right - place.left, AverageCharacterWidth(), widths_.get(), count_,
                    rightEdges_.get());
  SendMessageA(handle_, SB_SETPARTS, static_cast<WPARAM>(count_),
               reinterpret_cast<LPARAM>(rightEdges_.get()));
}

void StatusBar::SetText(int part, const char* text) {
  if (!handle_ || part < 0 || part >= count_) return;
  SendMessageA(handle_, SB_SETTEXTA, static_cast<WPARAM>(part | drawingTypes_[part]),
               reinterpret_cast<LPARAM>(text));
}

RECT StatusBar::PartRectangle(int part) const {
  RECT area{};
  SendMessageA(handle_, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&area));
  InflateRect(&area, -1, -1);
  return area;
}

namespace {
void FillWith(HDC context, const RECT& area, COLORREF colour) {
  if (area.right <= area.left) return;
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(context, &area, brush);
  DeleteObject(brush);
}
}  // namespace

void StatusBar::DrawProgress(int percent) {
  if (!handle_ || count_ == 0) return;
  ProgressAreas areas = MeterAreas(PartRectangle(0), percent);
  HDC context = GetDC(handle_);
  FillWith(context, areas.done, kProgressDoneColour);
  FillWith(context, areas.left, kProgressLeftColour);
  ReleaseDC(handle_, context);
}

}  // namespace vardek
