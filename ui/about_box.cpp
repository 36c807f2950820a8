#include "ui/about_box.h"

#include <algorithm>
#include <cstring>

#include "ui/box_buttons.h"
#include "ui/display_font.h"
#include "ui/win32.h"

#include <shellapi.h>

namespace vardek {

void OpenAddress(HWND owner, const char* address) {
  ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

AboutBox::AboutBox()
    : linkCreated_(false), width_(0), height_(0), linkRectangle_(), opener_(OpenAddress) {}

int AboutBox::LinkWidth() {
  if (!caption_[0]) return 0;
  HDC context = CreateDisplayContext();
  if (!context) return 0;
  linkFont_.LogFont().lfUnderline = TRUE;
  linkFont_.SetFaceAndSize(context, kLinkFace, kLinkPoints);
  HGDIOBJ previous = SelectObject(context, linkFont_.Font());
  SIZE size{};
  GetTextExtentPoint32A(context, caption_, static_cast<int>(std::strlen(caption_)), &size);
  SelectObject(context, previous);
  DeleteDC(context);
  return size.cx;
}

void AboutBox::CreateBoxWindow() {
  linkCreated_ = false;  // every showing makes its own link button
  int lines = lineCount_ + 10 - (caption_[0] ? 0 : 2);
  // Wide enough for the link too: a longer address would be cut by the ellipse.
  int widest = std::max(widestLine_, LinkWidth());
  SetStyle(WS_POPUP | WS_VISIBLE);
  CreateFromClass(kClassName, owner_, nullptr, caption_, 0, 0, widest + 4 * widestCharacter_,
                  lines * lineHeight_);
}

void AboutBox::CreateButtons() {
  RECT client;
  GetClientRect(Handle(), &client);
  width_ = client.right + 1;
  height_ = client.bottom + 1;
  SetWindowRgn(Handle(), CreateEllipticRgn(0, 0, width_, height_), TRUE);
  SetWindowPos(Handle(), nullptr, 0, 0, width_, height_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  BoxButtons& shared = SharedBoxButtons();
  shared.count = 1;
  shared.button[0].Create(Handle(), shared.button[0].Id(), "&Ok", client.right / 2 - 30,
                          client.bottom - 3 * lineHeight_, kButtonWidth, kButtonHeight);
  buttonResults_[0] = IDOK;
}

void AboutBox::OnPaint() {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle(), &paint);
  HBRUSH background = CreateSolidBrush(backgroundColour_);
  // The region's rim lies just outside the ellipse; fill it too so no stale pixels show.
  FillRect(context, &paint.rcPaint, background);
  HPEN frame = CreatePen(PS_SOLID, kFrameWidth, kFrameColour);
  HGDIOBJ previousBrush = SelectObject(context, background);
  HGDIOBJ previousPen = SelectObject(context, frame);
  Ellipse(context, 1, 1, width_ - 2, height_ - 2);
  SelectObject(context, previousPen);
  SelectObject(context, previousBrush);
  DeleteObject(frame);
  DeleteObject(background);
  if (icon_) DrawIcon(context, width_ / 2 - 16, 18, icon_);
  SetTextColor(context, textColour_);
  SetBkColor(context, backgroundColour_);
  DrawLines(context, 0, width_, TextTop());
  bool makeLink = !linkCreated_ && caption_[0];
  if (makeLink) CreateLink(context);
  EndPaint(Handle(), &paint);
}

void AboutBox::CreateLink(HDC context) {
  linkFont_.LogFont().lfUnderline = TRUE;
  linkFont_.SetColour(kLinkColour);
  linkFont_.SetFaceAndSize(context, kLinkFace, kLinkPoints);
  HGDIOBJ previous = linkFont_.SelectInto(context);
  SIZE size{};
  GetTextExtentPoint32A(context, caption_, static_cast<int>(std::strlen(caption_)), &size);
  SelectObject(context, previous);
  int lastLineTop = TextTop() + (lineCount_ - 1) * lineHeight_;
  linkRectangle_.left = (width_ - size.cx) / 2;
  linkRectangle_.top = lastLineTop + 2 * lineHeight_;
  linkRectangle_.right = linkRectangle_.left + size.cx;
  linkRectangle_.bottom = linkRectangle_.top + size.cy;
  link_.SetStyle(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  linkCreated_ = link_.Create(Handle(), link_.Id(), "", linkRectangle_.left, linkRectangle_.top,
                              size.cx, size.cy);
}

void AboutBox::OnDrawItem(WPARAM, LPARAM lParam) {
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (!linkCreated_ || item->hwndItem != link_.Handle()) return;
  HBRUSH background = CreateSolidBrush(backgroundColour_);
  FillRect(item->hDC, &item->rcItem, background);
  DeleteObject(background);
  SetBkColor(item->hDC, backgroundColour_);
  HGDIOBJ previous = linkFont_.SelectInto(item->hDC);
  TextOutA(item->hDC, 0, 0, caption_, static_cast<int>(std::strlen(caption_)));
  SelectObject(item->hDC, previous);
}

void AboutBox::OnOtherCommand(int, HWND control) {
  if (!linkCreated_ || !control || control != link_.Handle()) return;
  if (opener_) opener_(owner_, caption_);
  const ButtonControl& ok = SharedBoxButtons().button[0];
  SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(ok.Id(), BN_CLICKED),
               reinterpret_cast<LPARAM>(ok.Handle()));
}

}  // namespace vardek
