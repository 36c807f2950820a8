#pragma once
// WorkWindow: the small "WKWND" box that tells the user what a long operation
// is doing, and the message pump long operations call to stay alive.
#include "ui/window.h"

namespace vardek {

class WorkWindow : public Window {
 public:
  static constexpr const char* kClassName = "WKWND";
  static constexpr DWORD kStyle = 0x90400000;  // WS_POPUP|WS_VISIBLE|WS_DLGFRAME
  static constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME;
  static constexpr int kExtraCharacters = 12;  // width beyond the text, in character widths
  static constexpr int kLines = 5;             // height in line heights

  WorkWindow();  // registers "WKWND"

  // Shows `text` over `owner` (the text must stay alive while the window is
  // shown); 0 when the display font cannot be measured. A second Show while
  // the window exists only replaces the text and repaints.
  int Show(HWND owner, const char* text, int disableOwner);
  void SetColours(COLORREF textColour, COLORREF backgroundColour);
  // 1 when the window was destroyed, 0 when there was none.
  int Destroy();

  // Dispatches every waiting message; 1 when WM_QUIT is next (left in the
  // queue for the main loop), 0 when the queue is empty.
  static int PumpMessages();

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool RegisterWindowClass() override;

  int CharacterWidth() const { return characterWidth_; }
  int LineHeight() const { return lineHeight_; }
  const RECT& TextRectangle() const { return textRectangle_; }

 private:
  void OnWorkSize();
  void OnWorkPaint();
  void OnWorkDestroy();

  static bool classRegistered_;

  int disableOwner_;
  HWND owner_;
  int characterWidth_;
  int lineHeight_;
  const char* text_;
  COLORREF textColour_;
  COLORREF backgroundColour_;
  RECT textRectangle_;
};

}  // namespace vardek
