#pragma once
// AboutBox: the message box in its About form: an elliptic, captionless window
// with an icon, the text it is given (the program's version lines), a link
// that opens the address it is given, and one Ok button.
#include "ui/button_control.h"
#include "ui/font_record.h"
#include "ui/message_box.h"

namespace vardek {

// Opens an address with the shell's "open" verb.
void OpenAddress(HWND owner, const char* address);

class AboutBox : public MessageBoxWindow {
 public:
  using LinkOpener = void (*)(HWND owner, const char* address);
  static constexpr COLORREF kFrameColour = RGB(255, 0, 0);
  static constexpr COLORREF kLinkColour = RGB(0, 0, 128);
  static constexpr int kFrameWidth = 3;
  static constexpr int kLinkPoints = 12;
  static constexpr const char* kLinkFace = "MS Sans Serif";

  AboutBox();

  void OnDrawItem(WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnOtherCommand(int commandId, HWND control) override;
  void CreateButtons() override;
  void CreateBoxWindow() override;

  // Replaces how the link is opened (the shell by default).
  void SetLinkOpener(LinkOpener opener) { opener_ = opener; }
  HWND LinkHandle() const { return linkCreated_ ? link_.Handle() : nullptr; }
  const RECT& LinkRectangle() const { return linkRectangle_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // At process exit: the link font goes.
  void ReleaseLinkFont() { linkFont_.Release(); }

 private:
  int TextTop() const { return 2 * lineHeight_ + 32; }
  void CreateLink(HDC context);
  int LinkWidth();  // the link text's width in the link font, 0 without a link

  bool linkCreated_;
  int width_;
  int height_;
  RECT linkRectangle_;
  FontRecord linkFont_;
  ButtonControl link_;
  LinkOpener opener_;
};

}  // namespace vardek
