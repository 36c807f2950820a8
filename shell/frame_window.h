#pragma once
// FrameWindow: the main window's base. It holds the title tree (left), the
// file list (right) and the status bar (bottom), and lets the user drag the
// 3-pixel splitter bar between tree and list.
#include "ui/list_control.h"
#include "ui/tree_control.h"
#include "ui/window.h"

namespace vardek {

class StatusBar;

inline constexpr char kMainClassName[] = "MainClass";

class FrameWindow : public Window {
 public:
  static constexpr int kBarWidth = 3;
  static constexpr int kLeftLimit = 10;   // the bar's left edge stays at 10 or more ...
  static constexpr int kRightMargin = 10;  // ... and below W - 10 while dragging
  static constexpr UINT kClassStyle = CS_BYTEALIGNCLIENT;

  FrameWindow();

  bool RegisterWindowClass() override;
  void OnFinalDestroy() override;
  void OnClose() override;
  bool OnCreate() override;
  void OnDestroy() override;
  void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  void OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
  void OnMouseMove(WPARAM wParam, LPARAM lParam) override;
  // WM_CAPTURECHANGED: a drag whose capture went elsewhere ends where it is.
  int OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  LRESULT OnQueryEndSession() override;
  void OnSize(WPARAM wParam, LPARAM lParam) override;

  // Appended after the 43 of Window.
  virtual bool CanClose();
  virtual bool RestorePlacement();

  // Places the three children in one deferred positioning.
  void Layout();
  // Puts the bar at x (a saved position) under the resize rules: an unset or
  // negative x becomes W / 4, one beyond W - 10 comes back to W - 10.
  void MoveSplitter(int x);

  void SetChildren(TreeControl* tree, ListControl* list, StatusBar* status);
  TreeControl* Tree() const { return tree_; }
  ListControl* List() const { return list_; }
  StatusBar* Status() const { return status_; }

  int SplitterPosition() const { return splitter_; }
  void SetSplitterPosition(int x) { splitter_ = x; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  bool Dragging() const { return dragging_ != 0; }
  const RECT& BarRectangle() const { return bar_; }

 protected:
  // A new run of the window: every layout value as at construction.
  void ResetLayout();

 private:
  void SetBar(int x);
  // Takes the inverted strip away, gives the drag's context back and lays
  // the panes out at the bar's place.
  void EndDrag();
  void KeepSplitterInside();

  static bool classRegistered_;

  int clientWidth_;
  int clientHeight_;
  int dragging_;
  int statusHeight_;
  int splitter_;
  HDC dragContext_;
  HBRUSH barBrush_;
  TreeControl* tree_;
  ListControl* list_;
  StatusBar* status_;
  RECT bar_;
};

}  // namespace vardek
