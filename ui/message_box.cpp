#include "ui/message_box.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "ui/box_buttons.h"
#include "ui/centre_dialog.h"
#include "ui/display_font.h"
#include "ui/module.h"
#include "ui/text_lines.h"
#include "ui/work_window.h"

namespace vardek {

namespace {

constexpr char kOutOfMemory[] = "Out of memory";
constexpr int kIconPanelLeft = 64;
constexpr int kPlainPanelLeft = 8;

struct ButtonSpec {
  const char* label;
  int offset;  // left edge relative to the client's centre
  int result;
};

struct ButtonSet {
  int count;
  ButtonSpec buttons[BoxButtons::kMaximum];
  int minimumLineHeights;  // minimum box width, in line heights
};

constexpr ButtonSet kOk{1, {{"&Ok", -30, IDOK}, {}, {}}, 0};
constexpr ButtonSet kOkCancel{2, {{"&Ok", -70, IDOK}, {"&Cancel", 10, IDCANCEL}, {}}, 10};
constexpr ButtonSet kYesNo{2, {{"&Yes", -70, IDYES}, {"&No", 10, IDNO}, {}}, 10};
constexpr ButtonSet kYesNoCancel{
    3, {{"&Yes", -100, IDYES}, {"&No", -30, IDNO}, {"&Cancel", 40, IDCANCEL}}, 13};

const ButtonSet& ButtonSetOf(unsigned styleFlags) {
  switch (styleFlags & 0xF) {
    case MB_OKCANCEL: return kOkCancel;
    case MB_YESNO: return kYesNo;
    case MB_YESNOCANCEL: return kYesNoCancel;
    default: return kOk;
  }
}

// The standard icon the style names, or nullptr.
LPCSTR StandardIconOf(unsigned styleFlags) {
  switch (styleFlags & 0xF0) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return nullptr;
  }
}

int FirstFocusedButton(unsigned styleFlags, int count) {
  int index = 0;
  if ((styleFlags & 0xF00) == MB_DEFBUTTON2) index = 1;
  if ((styleFlags & 0xF00) == MB_DEFBUTTON3) index = 2;
  return index < count ? index : 0;  // as the platform box: a missing button means the first
}

int TextWidth(HDC context, const char* text, int length) {
  SIZE size{};
  GetTextExtentPoint32A(context, text, length, &size);
  return size.cx;
}

// Only one box at a time: the buttons and their focus index are shared.
bool g_boxOpen = false;

}  // namespace

bool BoxHasIcon(unsigned styleFlags, int iconResource) {
  return StandardIconOf(styleFlags) != nullptr || iconResource != 0;
}

bool MessageBoxWindow::classRegistered_ = false;

MessageBoxWindow::MessageBoxWindow()
    : owner_(nullptr),
      styleFlags_(0),
      running_(0),
      result_(0),
      buttonResults_{0, 0, 0},
      textCopy_(nullptr),
      shownText_(""),
      caption_(""),
      icon_(nullptr),
      textColour_(kBlack),
      backgroundColour_(kLightGrey),
      lightColour_(kWhite),
      darkColour_(kGrey),
      lineHeight_(0),
      widestCharacter_(0),
      lineCount_(0),
      widestLine_(0),
      boxWidth_(0),
      textPanel_() {
  MessageBoxWindow::RegisterWindowClass();
}

bool MessageBoxWindow::RegisterWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  return RegisterOnce(classRegistered_, windowClass);
}

int MessageBoxWindow::Show(HWND owner, const char* text, const char* caption,
                           unsigned styleFlags, int iconResource, COLORREF textColour,
                           COLORREF backgroundColour, COLORREF darkColour) {
  if (g_boxOpen) return 0;
  owner_ = owner;
  styleFlags_ = styleFlags;
  textColour_ = textColour;
  backgroundColour_ = backgroundColour;
  lightColour_ = kWhite;
  darkColour_ = darkColour;
  caption_ = caption ? caption : "";
  running_ = 1;
  result_ = 0;
  icon_ = nullptr;
  const char* source = text ? text : "";
  CopyText(source);
  if (!Measure(source, BoxHasIcon(styleFlags, iconResource))) {
    FinishBox();
    return 0;
  }
  g_boxOpen = true;
  CreateBoxWindow();
  AfterCreate();
  LoadBoxIcon(iconResource);
  if (Handle()) {
    if (owner_) EnableWindow(owner_, FALSE);
    Wait();
  }
  FinishBox();
  g_boxOpen = false;
  return result_;
}

bool MessageBoxWindow::CopyText(const char* text) {
  std::size_t length = std::strlen(text);
  textCopy_ = new (std::nothrow) char[length + 2];
  if (!textCopy_) {
    shownText_ = kOutOfMemory;
    return false;
  }
  std::memcpy(textCopy_, text, length + 1);
  shownText_ = textCopy_;
  return true;
}

bool MessageBoxWindow::Measure(const char* text, bool withIcon) {
  HDC context = CreateDisplayContext();
  if (!context) return false;
  TEXTMETRICA metrics;
  if (!GetTextMetricsA(context, &metrics)) {
    DeleteDC(context);
    return false;
  }
  lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
  widestCharacter_ = metrics.tmMaxCharWidth;
  lineCount_ = 0;
  widestLine_ = 0;
  ForEachLine(text, [&](const char* line, int length) {
    ++lineCount_;
    widestLine_ = std::max(widestLine_, TextWidth(context, line, length));
  });
  int panelLeft = withIcon ? kIconPanelLeft : kPlainPanelLeft;
  if (!withIcon) {
    widestLine_ = std::max(widestLine_,
                           TextWidth(context, caption_, static_cast<int>(std::strlen(caption_))));
  }
  DeleteDC(context);
  boxWidth_ = widestLine_ + 4 * widestCharacter_ + panelLeft;
  boxWidth_ = std::max(boxWidth_, ButtonSetOf(styleFlags_).minimumLineHeights * lineHeight_);
  textPanel_.left = panelLeft;
  return true;
}

void MessageBoxWindow::LoadBoxIcon(int iconResource) {
  if (LPCSTR standard = StandardIconOf(styleFlags_)) {
    icon_ = LoadIconA(nullptr, standard);
  } else if (iconResource) {
    icon_ = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(iconResource));
  }
}

void MessageBoxWindow::Wait() {
  while (running_) {
    // A waiting WM_QUIT means the program is ending: close rather than spin on it.
    if (WorkWindow::PumpMessages()) break;
    if (running_) WaitMessage();  // idle until something arrives instead of polling
  }
}

void MessageBoxWindow::FinishBox() {
  if (Handle()) {
    if (owner_) EnableWindow(owner_, TRUE);
    Destroy();
  }
  delete[] textCopy_;
  textCopy_ = nullptr;
  shownText_ = "";
  running_ = 0;
  SharedBoxButtons().count = 0;
}

void MessageBoxWindow::CreateBoxWindow() {
  SetStyle(WS_POPUP | WS_VISIBLE | WS_CAPTION);
  textPanel_.top = lineHeight_;
  textPanel_.right = boxWidth_;
  textPanel_.bottom = (lineCount_ + 1) * lineHeight_ + 8;
  CreateFromClass(kClassName, owner_, nullptr, caption_, 0, 0, boxWidth_ + 16,
                  (lineCount_ + 6) * lineHeight_);
}

void MessageBoxWindow::AfterCreate() {}

void MessageBoxWindow::OnOtherCommand(int, HWND) {}

void MessageBoxWindow::CreateButtons() {
  const ButtonSet& set = ButtonSetOf(styleFlags_);
  BoxButtons& shared = SharedBoxButtons();
  RECT client;
  GetClientRect(Handle(), &client);
  int centre = client.right / 2;
  int top = client.bottom - 2 * lineHeight_;
  shared.count = set.count;
  for (int index = 0; index < set.count; ++index) {
    const ButtonSpec& layout = set.buttons[index];
    ButtonControl& button = shared.button[index];
    button.Create(Handle(), button.Id(), layout.label, centre + layout.offset, top, kButtonWidth,
                  kButtonHeight);
    buttonResults_[index] = layout.result;
  }
}

bool MessageBoxWindow::OnCreate() {
  CreateButtons();
  FocusBoxButton(FirstFocusedButton(styleFlags_, SharedBoxButtons().count));
  SubclassBoxButtons();
  CentreDialog(Handle());
  return true;
}

void MessageBoxWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != 0) return;
  int id = LOWORD(wParam);
  BoxButtons& shared = SharedBoxButtons();
  bool fromButton = false;
  for (int index = 0; index < shared.count; ++index) {
    if (shared.button[index].Id() == id) {
      result_ = buttonResults_[index];
      fromButton = true;
    }
  }
  if (!fromButton) OnOtherCommand(id, reinterpret_cast<HWND>(lParam));
  // Show closes the box once the wait ends, so no close is left in the queue
  // to catch the next box.
  if (result_ != 0) running_ = 0;
}

void MessageBoxWindow::OnClose() { FinishBox(); }

void MessageBoxWindow::OnSetFocus() { FocusBoxButton(SharedBoxButtons().focused); }

void MessageBoxWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(Handle(), &point);
  SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void MessageBoxWindow::DrawLines(HDC context, int left, int right, int top) const {
  int y = top;
  ForEachLine(shownText_, [&](const char* line, int length) {
    RECT area{left, y, right, y + lineHeight_};
    DrawTextA(context, line, length, &area, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    y += lineHeight_;
  });
}

namespace {

void DrawSunkenFrame(HDC context, const RECT& panel, COLORREF dark, COLORREF light) {
  HPEN darkPen = CreatePen(PS_SOLID, 1, dark);
  HPEN lightPen = CreatePen(PS_SOLID, 1, light);
  HGDIOBJ previous = SelectObject(context, darkPen);
  MoveToEx(context, panel.left, panel.bottom, nullptr);
  LineTo(context, panel.left, panel.top);
  LineTo(context, panel.right, panel.top);
  SelectObject(context, lightPen);
  LineTo(context, panel.right, panel.bottom);
  LineTo(context, panel.left, panel.bottom);
  SelectObject(context, previous);
  DeleteObject(darkPen);
  DeleteObject(lightPen);
}

}  // namespace

void MessageBoxWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC context = BeginPaint(Handle(), &paint);
  HBRUSH background = CreateSolidBrush(backgroundColour_);
  FillRect(context, &paint.rcPaint, background);
  DeleteObject(background);
  if (icon_) {
    DrawIcon(context, 16, textPanel_.top + (textPanel_.bottom - textPanel_.top) / 2 - 16, icon_);
    DrawSunkenFrame(context, textPanel_, darkColour_, lightColour_);
  }
  SetTextColor(context, textColour_);
  SetBkColor(context, backgroundColour_);
  DrawLines(context, textPanel_.left, textPanel_.right, textPanel_.top + 3);
  EndPaint(Handle(), &paint);
}

}  // namespace vardek
