#include "ui/box_buttons.h"

#include <cctype>

namespace vardek {

BoxButtons& SharedBoxButtons() {
  static BoxButtons buttons;
  return buttons;
}

void SubclassBoxButtons() {
  BoxButtons& shared = SharedBoxButtons();
  for (int index = 0; index < shared.count; ++index) {
    HWND button = shared.button[index].Handle();
    if (!button) continue;
    LONG_PTR previous = SetWindowLongPtrA(button, GWLP_WNDPROC,
                                          reinterpret_cast<LONG_PTR>(BoxButtonKeyboardProcedure));
    auto procedure = reinterpret_cast<WNDPROC>(previous);
    if (procedure == BoxButtonKeyboardProcedure) continue;  // already ours: never chain to itself
    if (index == 0 || !shared.previous) shared.previous = procedure;
  }
}

void FocusBoxButton(int index) {
  BoxButtons& shared = SharedBoxButtons();
  if (index < 0 || index >= shared.count) return;
  shared.focused = index;
  SetFocus(shared.button[index].Handle());
}

namespace {

void NoteFocusedButton(BoxButtons& shared) {
  HWND focus = GetFocus();
  for (int index = 0; index < shared.count; ++index) {
    if (shared.button[index].Handle() == focus) shared.focused = index;
  }
}

void SendButtonCommand(HWND box, const ButtonControl& button) {
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(button.Id(), BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Handle()));
}

void HandleKey(BoxButtons& shared, HWND box, WPARAM key) {
  if (shared.count == 0) return;
  if (key == VK_TAB || key == VK_RIGHT) {
    FocusBoxButton((shared.focused + 1) % shared.count);
  } else if (key == VK_LEFT) {
    FocusBoxButton((shared.focused + shared.count - 1) % shared.count);
  } else if (key == VK_RETURN) {
    SendButtonCommand(box, shared.button[shared.focused]);
  } else {
    for (int index = 0; index < shared.count; ++index) {
      char letter = shared.button[index].Mnemonic();
      if (letter && static_cast<WPARAM>(std::toupper(static_cast<unsigned char>(letter))) == key) {
        SendButtonCommand(box, shared.button[index]);
        return;
      }
    }
  }
}

}  // namespace

LRESULT CALLBACK BoxButtonKeyboardProcedure(HWND button, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  BoxButtons& shared = SharedBoxButtons();
  WNDPROC previous = shared.previous;
  NoteFocusedButton(shared);
  if (message == WM_KEYDOWN) HandleKey(shared, GetParent(button), wParam);
  if (!previous) return DefWindowProcA(button, message, wParam, lParam);
  return CallWindowProcA(previous, button, message, wParam, lParam);
}

}  // namespace vardek
