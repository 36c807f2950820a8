#include "automation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace vardek::testing {

namespace {

Autopilot* g_active = nullptr;

std::string ClassNameOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

HWND FindChildWithText(HWND parent, const char* text) {
  const std::string wanted = text;
  return FirstChild(parent, [&wanted](HWND child) { return WindowText(child) == wanted; });
}

// The focused window when it is inside `window`, else the window itself.
HWND KeyTarget(HWND window) {
  HWND focus = GetFocus();
  if (focus && (focus == window || IsChild(window, focus))) return focus;
  return window;
}

void PostKey(HWND target, UINT virtualKey, bool alt) {
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
  LPARAM altBit = alt ? (1L << 29) : 0;
  UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  PostMessageA(target, down, virtualKey, 1 | scan | altBit);
  PostMessageA(target, up, virtualKey, static_cast<LPARAM>(0xC0000001UL) | scan | altBit);
}

// Last resort against a hang the time-outs did not catch: end the run.
struct Watchdog {
  static constexpr int kSeconds = 240;
  Watchdog() {
    std::thread([] {
      std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
      std::fprintf(stderr, "ui tests: watchdog fired after %d s, a wait hung\n", kSeconds);
      std::fflush(stderr);
      std::_Exit(3);
    }).detach();
  }
} g_watchdog;

}  // namespace

HWND FirstChild(HWND parent, const std::function<bool(HWND child)>& matches) {
  struct Search {
    const std::function<bool(HWND)>* matches;
    HWND found;
  } search{&matches, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!(*s->matches)(child)) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

Autopilot::Autopilot(DWORD timeoutMilliseconds) {
  deadline_ = GetTickCount() + timeoutMilliseconds;
  g_active = this;
  timer_ = SetTimer(nullptr, 0, kTickMilliseconds, Tick);
}

Autopilot::~Autopilot() {
  if (timer_) KillTimer(nullptr, timer_);
  if (g_active == this) g_active = nullptr;
}

Autopilot& Autopilot::WhenClass(const char* className) {
  Reaction reaction;
  reaction.className = className;
  reactions_.push_back(reaction);
  return *this;
}

Autopilot& Autopilot::WhenDialog(int templateId) {
  Reaction reaction;
  reaction.className = "#32770";
  reaction.dialogCaption = DialogTemplateCaption(templateId);
  reactions_.push_back(reaction);
  return *this;
}

Autopilot& Autopilot::AddStep(Step step) {
  if (!reactions_.empty()) reactions_.back().steps.push_back(std::move(step));
  return *this;
}

Autopilot& Autopilot::Record(SeenWindow* seen) {
  return AddStep([seen](HWND window) {
    seen->seen = true;
    seen->window = window;
    seen->className = ClassNameOf(window);
    seen->caption = WindowText(window);
    seen->childTexts.clear();
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      seen->childTexts.push_back(WindowText(child));
    }
    HWND focus = GetFocus();
    seen->focusedText = focus && IsChild(window, focus) ? WindowText(focus) : "";
    GetWindowRect(window, &seen->rectangle);
  });
}

Autopilot& Autopilot::Press(const char* label) {
  std::string text = label;
  return AddStep([text](HWND window) {
    HWND button = FindChildWithText(window, text.c_str());
    if (!button) {
      ADD_FAILURE() << "no button \"" << text << "\" in window \"" << WindowText(window) << "\"";
      PostMessageA(window, WM_CLOSE, 0, 0);
      return;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
  });
}

Autopilot& Autopilot::Key(UINT virtualKey) {
  return AddStep([virtualKey](HWND window) { PostKey(KeyTarget(window), virtualKey, false); });
}

Autopilot& Autopilot::AltKey(UINT virtualKey) {
  return AddStep([virtualKey](HWND window) { PostKey(KeyTarget(window), virtualKey, true); });
}

Autopilot& Autopilot::Type(int controlId, const char* text) {
  std::string typed = text;
  return AddStep([controlId, typed](HWND window) {
    HWND control = GetDlgItem(window, controlId);
    if (!control) {
      ADD_FAILURE() << "no control " << controlId << " to type into";
      return;
    }
    for (char c : typed) PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
  });
}

Autopilot& Autopilot::Close() {
  return AddStep([](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); });
}

Autopilot& Autopilot::Call(Step step) { return AddStep(std::move(step)); }

Autopilot& Autopilot::Pause(DWORD milliseconds) {
  return AddStep([this, milliseconds](HWND) {
    paused_ = true;
    resumeAt_ = GetTickCount() + milliseconds;
  });
}

Autopilot& Autopilot::WaitUntil(std::function<bool(HWND window)> ready) {
  return AddStep([this, ready](HWND) { awaited_ = ready; });
}

void CALLBACK Autopilot::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_active) g_active->OnTick();
}

bool Autopilot::Matches(const Reaction& reaction, HWND window) const {
  if (handled_.count(window) || !IsWindowVisible(window) || !IsWindowEnabled(window)) return false;
  if (ClassNameOf(window) != reaction.className) return false;
  return reaction.dialogCaption.empty() || WindowText(window) == reaction.dialogCaption;
}

HWND Autopilot::FindWindowFor(const Reaction& reaction) const {
  struct Search {
    const Autopilot* pilot;
    const Reaction* reaction;
    HWND found;
  } search{this, &reaction, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!s->pilot->Matches(*s->reaction, window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Autopilot::OnTick() {
  if (Finished()) return;
  if (static_cast<LONG>(GetTickCount() - deadline_) > 0) return GiveUp();
  if (paused_ && static_cast<LONG>(GetTickCount() - resumeAt_) < 0) return;
  paused_ = false;
  Reaction& reaction = reactions_[current_];
  if (!reaction.window) {
    reaction.window = FindWindowFor(reaction);
    if (!reaction.window) return;
    handled_.insert(reaction.window);
  }
  HWND window = reaction.window;
  if (!IsWindow(window)) {
    ADD_FAILURE() << "window of class " << reaction.className << " went before its steps ran";
    awaited_ = nullptr;
    ++current_;
    return;
  }
  if (awaited_) {
    if (!awaited_(window)) return;
    awaited_ = nullptr;
  }
  if (reaction.next >= reaction.steps.size()) {
    ++current_;
    return;
  }
  // Advance before acting: a step may open a nested modal loop that ticks again.
  Step step = reaction.steps[reaction.next++];
  if (reaction.next >= reaction.steps.size()) ++current_;
  step(window);
}

void Autopilot::GiveUp() {
  timedOut_ = true;
  awaited_ = nullptr;
  ADD_FAILURE() << "automation timed out waiting for a window of class "
                << reactions_[current_].className;
  for (std::size_t index = current_; index < reactions_.size(); ++index) {
    Reaction& reaction = reactions_[index];
    for (HWND window = FindWindowFor(reaction); window; window = FindWindowFor(reaction)) {
      handled_.insert(window);
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (reaction.window && IsWindow(reaction.window)) PostMessageA(reaction.window, WM_CLOSE, 0, 0);
  }
  current_ = reactions_.size();
}

std::string DialogTemplateCaption(int templateId) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
  if (!resource) return "";
  const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, resource)));
  if (!words) return "";
  bool extended = words[0] == 1 && words[1] == 0xFFFF;
  // DLGTEMPLATEEX header: 13 WORDs; DLGTEMPLATE: 9 WORDs.
  const WORD* cursor = words + (extended ? 13 : 9);
  for (int field = 0; field < 2; ++field) {  // menu, then class: 0, 0xFFFF + ordinal, or a string
    if (*cursor == 0xFFFF) {
      cursor += 2;
    } else {
      while (*cursor) ++cursor;
      ++cursor;
    }
  }
  std::string caption;
  for (; *cursor; ++cursor) caption += static_cast<char>(*cursor);
  return caption;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMilliseconds) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

Picture::Picture(int width, int height, COLORREF background) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  context_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(context_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<const std::uint32_t*>(bits);
  previous_ = SelectObject(context_, bitmap_);
  RECT all{0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(context_, &all, brush);
  DeleteObject(brush);
  SetBkColor(context_, background);
}

Picture::~Picture() {
  SelectObject(context_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(context_);
}

std::unique_ptr<Picture> Picture::OfClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  auto picture = std::make_unique<Picture>(client.right, client.bottom, RGB(0, 0, 0));
  HDC source = GetDC(window);
  BitBlt(picture->Context(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
  GdiFlush();
  return picture;
}

COLORREF Picture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t pixel = bits_[static_cast<std::size_t>(y) * width_ + x];  // 0x00RRGGBB
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

RECT Picture::InkBounds(const RECT& area, COLORREF background) const {
  const RECT inside{std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0), std::min<LONG>(area.right, width_),
                    std::min<LONG>(area.bottom, height_)};
  RECT ink{inside.right, inside.bottom, inside.left, inside.top};
  for (int y = inside.top; y < inside.bottom; ++y) {
    for (int x = inside.left; x < inside.right; ++x) {
      if (At(x, y) == background) continue;
      ink.left = std::min<LONG>(ink.left, x);
      ink.top = std::min<LONG>(ink.top, y);
      ink.right = std::max<LONG>(ink.right, x + 1);
      ink.bottom = std::max<LONG>(ink.bottom, y + 1);
    }
  }
  if (ink.left >= ink.right) return RECT{};
  return ink;
}

}  // namespace vardek::testing
