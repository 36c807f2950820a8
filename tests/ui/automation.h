#pragma once
// In-process automation for window tests. Before an action that opens a modal
// window, queue what to do when it appears; a thread timer (which every modal
// loop dispatches) finds the window and plays the steps one per tick, through
// real messages. A reaction that does not happen before the deadline fails the
// test and closes the windows it waited for, so no test can hang.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/win32.h"

namespace vardek::testing {

// What a Record step saw.
struct SeenWindow {
  bool seen = false;
  HWND window = nullptr;
  std::string className;
  std::string caption;
  std::vector<std::string> childTexts;  // in child order
  std::string focusedText;              // text of the child with the focus
  RECT rectangle{};                     // window rectangle on screen
};

class Autopilot {
 public:
  using Step = std::function<void(HWND window)>;
  static constexpr UINT kTickMilliseconds = 20;

  explicit Autopilot(DWORD timeoutMilliseconds = 10000);
  ~Autopilot();
  Autopilot(const Autopilot&) = delete;
  Autopilot& operator=(const Autopilot&) = delete;

  // Start a reaction: the next new, visible, enabled top-level window of the
  // thread with this class / made from this dialog template (matched by caption).
  Autopilot& WhenClass(const char* className);
  Autopilot& WhenDialog(int templateId);

  // Steps of the latest reaction.
  Autopilot& Record(SeenWindow* seen);
  Autopilot& Press(const char* label);  // BM_CLICK on the child with this text
  Autopilot& Key(UINT virtualKey);      // key down and up at the focused window
  Autopilot& AltKey(UINT virtualKey);   // the same with Alt held (WM_SYSKEYDOWN)
  Autopilot& Type(int controlId, const char* text);  // WM_CHAR per character
  Autopilot& Close();                   // WM_CLOSE to the window
  Autopilot& Pause(DWORD milliseconds); // let the window idle before the next step
  // Holds the next steps until `ready` says the window is ready for them; it
  // is asked again each tick (it may act, e.g. ask again), up to the deadline.
  // A step of the same window must follow it.
  Autopilot& WaitUntil(std::function<bool(HWND window)> ready);
  Autopilot& Call(Step step);

  bool Finished() const { return current_ >= reactions_.size(); }
  bool TimedOut() const { return timedOut_; }

 private:
  struct Reaction {
    std::string className;
    std::string dialogCaption;
    std::vector<Step> steps;
    HWND window = nullptr;
    std::size_t next = 0;
  };

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();
  bool Matches(const Reaction& reaction, HWND window) const;
  HWND FindWindowFor(const Reaction& reaction) const;
  void GiveUp();
  Autopilot& AddStep(Step step);

  std::vector<Reaction> reactions_;
  std::size_t current_ = 0;
  std::set<HWND> handled_;
  UINT_PTR timer_ = 0;
  DWORD deadline_ = 0;
  DWORD resumeAt_ = 0;
  bool paused_ = false;
  std::function<bool(HWND)> awaited_;
  bool timedOut_ = false;
};

// The caption of a dialog template in the executable ("" when there is none).
std::string DialogTemplateCaption(int templateId);

// The first child (at any depth) of `parent` that `matches`; nullptr when none does.
HWND FirstChild(HWND parent, const std::function<bool(HWND child)>& matches);

// The text of a window (GetWindowTextA).
std::string WindowText(HWND window);

// A picture in memory, 32 bits a pixel: a copy of what a window painted, or a
// blank one to draw a reference into. Places of drawn things are found as the
// bounds of the pixels that differ from the background.
class Picture {
 public:
  Picture(int width, int height, COLORREF background);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  // The client area of `window` as it shows now.
  static std::unique_ptr<Picture> OfClient(HWND window);

  HDC Context() const { return context_; }
  COLORREF At(int x, int y) const;
  // The smallest rectangle inside `area` (right and bottom exclusive) that
  // holds every pixel not of `background`; an empty rectangle when there is none.
  RECT InkBounds(const RECT& area, COLORREF background) const;

 private:
  int width_;
  int height_;
  HDC context_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const std::uint32_t* bits_ = nullptr;
};

// Pumps messages until `done` holds; false when `timeoutMilliseconds` pass first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds = 5000);
// Pumps messages for a while (lets posted messages and paints happen).
void PumpFor(DWORD milliseconds);

}  // namespace vardek::testing
