#pragma once
// The three buttons every message box and the About box share, with the
// keyboard procedure that gives them Tab/arrow focus moves, Enter and letters.
#include "ui/button_control.h"

namespace vardek {

struct BoxButtons {
  static constexpr int kMaximum = 3;
  ButtonControl button[kMaximum];
  int count = 0;         // buttons in use by the open box
  int focused = 0;       // index of the button with the focus
  WNDPROC previous = nullptr;  // the buttons' window procedure before subclassing
};

BoxButtons& SharedBoxButtons();

// Subclasses the buttons in use with the keyboard procedure.
void SubclassBoxButtons();

// Gives the focus to button `index` and remembers it.
void FocusBoxButton(int index);

LRESULT CALLBACK BoxButtonKeyboardProcedure(HWND button, UINT message, WPARAM wParam,
                                            LPARAM lParam);

}  // namespace vardek
