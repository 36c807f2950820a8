#include "ui/combo_control.h"

namespace vardek {

ComboControl::ComboControl() : Control(kDefaultStyle, 0), currentSelection_(CB_ERR), driveType_(0) {}

bool ComboControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                          int height) {
  return CreateControl("COMBOBOX", parent, id, text, x, y, width, height);
}

int ComboControl::OnControlCommand(int notificationCode, int) {
  if (notificationCode != CBN_SELCHANGE) return 0;
  currentSelection_ = Selection();
  if (!HasAction()) return 0;
  RunAction();
  return 1;
}

void ComboControl::ResetContent() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

int ComboControl::AddString(const char* text) {
  return static_cast<int>(SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int ComboControl::SelectString(const char* prefix) {
  return static_cast<int>(
      SendMessageA(Handle(), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix)));
}

int ComboControl::SetSelection(int position) {
  return static_cast<int>(SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(position), 0));
}

int ComboControl::Selection() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

bool ComboControl::EntryText(int position, char* text, int size) const {
  if (position == CB_ERR) return false;
  const auto length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length == CB_ERR || length >= size) return false;
  return SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text)) !=
         CB_ERR;
}

}  // namespace vardek
