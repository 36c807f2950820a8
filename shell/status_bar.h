#pragma once
// StatusBar: the status window along the bottom of the main window, with its
// parts, and the progress meter long operations paint over part 0.
#include <memory>

#include "ui/win32.h"

namespace vardek {

inline constexpr COLORREF kProgressDoneColour = RGB(0, 255, 0);
inline constexpr COLORREF kProgressLeftColour = RGB(192, 192, 192);

// Right edges of `count` parts for a status bar `barWidth` pixels wide: the
// last part ends `count` character widths before the right edge, and each part
// before it ends where the next one begins.
void ComputeRightEdges(int barWidth, int characterWidth, const int* widths, int count,
                       int* rightEdges);

// The two areas of the meter inside `part` for a percent: done (left) and not
// done (right), with one unpainted column between them. An area may be empty.
struct ProgressAreas {
  RECT done;
  RECT left;
};
ProgressAreas MeterAreas(const RECT& part, int percent);

class StatusBar {
 public:
  StatusBar() = default;
  StatusBar(const StatusBar&) = delete;
  StatusBar& operator=(const StatusBar&) = delete;

  // Allocates room for `count` parts; false when that fails.
  bool SetPartCount(int count);
  // Defines the next part (width in average character widths, SBT_ drawing type).
  void AddPart(int width, int drawingType);
  bool Create(HWND parent);
  // Height in pixels while visible, else 0.
  int Height() const;
  // Follows a size message of the parent and sets the parts' right edges anew.
  void Resize(WPARAM wParam, LPARAM lParam);
  void SetText(int part, const char* text);
  // The part's rectangle, moved in by one pixel on each side.
  RECT PartRectangle(int part) const;
  // Paints the progress meter over part 0 (percent above 100 counts as 100).
  void DrawProgress(int percent);

  HWND Handle() const { return handle_; }
  int Id() const { return id_; }
  int PartCount() const { return count_; }
  int RightEdge(int part) const { return rightEdges_[part]; }

 private:
  int AverageCharacterWidth() const;

  HWND handle_ = nullptr;
  HWND parent_ = nullptr;
  int id_ = 0;
  int count_ = 0;
  int added_ = 0;
  std::unique_ptr<int[]> widths_;
  std::unique_ptr<int[]> drawingTypes_;
  std::unique_ptr<int[]> rightEdges_;
};

}  // namespace vardek
