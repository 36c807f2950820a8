#pragma once
// MessageBoxWindow: the program's own modal message box ("CMSGCLASS"). It takes
// the platform's MB_ style codes and gives the platform's IDOK/IDCANCEL/IDYES/IDNO
// results, but draws itself: grey surface, icon beside a sunken text panel,
// centred lines, buttons with keyboard letters.
#include "ui/window.h"

namespace vardek {

class MessageBoxWindow : public Window {
 public:
  static constexpr const char* kClassName = "CMSGCLASS";
  static constexpr COLORREF kBlack = RGB(0, 0, 0);
  static constexpr COLORREF kLightGrey = RGB(192, 192, 192);
  static constexpr COLORREF kGrey = RGB(128, 128, 128);
  static constexpr COLORREF kWhite = RGB(255, 255, 255);
  static constexpr int kButtonWidth = 60;
  static constexpr int kButtonHeight = 30;

  MessageBoxWindow();  // registers "CMSGCLASS" once

  // Shows the box modally and returns the result code; 0 when no box could be
  // shown, when another box is already open, or when it was closed without a button.
  int Show(HWND owner, const char* text, const char* caption, unsigned styleFlags,
           int iconResource, COLORREF textColour, COLORREF backgroundColour,
           COLORREF darkColour);

  bool RegisterWindowClass() override;
  void OnClose() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnCreate() override;
  void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnSetFocus() override;

  // Keep this order, after the 43 of Window.
  virtual void AfterCreate();
  virtual void OnOtherCommand(int commandId, HWND control);
  virtual void CreateButtons();
  virtual void CreateBoxWindow();

  // For callers and tests that need the box's measures.
  int LineHeight() const { return lineHeight_; }
  int WidestCharacter() const { return widestCharacter_; }
  int LineCount() const { return lineCount_; }
  int WidestLine() const { return widestLine_; }
  int BoxWidth() const { return boxWidth_; }
  const RECT& TextPanel() const { return textPanel_; }
  HICON Icon() const { return icon_; }
  const char* Text() const { return shownText_; }
  bool IsRunning() const { return running_ != 0; }

 protected:
  // Draws the lines centred between `left` and `right`, the first at `top`.
  void DrawLines(HDC context, int left, int right, int top) const;
  void FinishBox();  // enable the owner, destroy the window, free the text

  HWND owner_;
  unsigned styleFlags_;
  int running_;
  int result_;
  int buttonResults_[3];
  char* textCopy_;         // owned copy of the text, nullptr when none
  const char* shownText_;  // the copy, or "Out of memory"
  const char* caption_;
  HICON icon_;
  COLORREF textColour_;
  COLORREF backgroundColour_;
  COLORREF lightColour_;
  COLORREF darkColour_;
  int lineHeight_;
  int widestCharacter_;
  int lineCount_;
  int widestLine_;
  int boxWidth_;
  RECT textPanel_;

 private:
  bool CopyText(const char* text);
  bool Measure(const char* text, bool withIcon);
  void LoadBoxIcon(int iconResource);
  void Wait();

  static bool classRegistered_;
};

// True when the style flags or the icon resource give the box an icon.
bool BoxHasIcon(unsigned styleFlags, int iconResource);

}  // namespace vardek
