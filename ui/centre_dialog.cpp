#include "ui/centre_dialog.h"

#include <algorithm>

namespace vardek {

int CentredPosition(int referenceStart, int referenceEnd, int dialogSize) {
  int referenceSize = referenceEnd - referenceStart + 1;
  int centred = referenceStart + (referenceSize / 2 - dialogSize / 2);
  int limit = referenceEnd - dialogSize;
  int position = std::min(centred, limit);
  return position <= 0 ? 0 : position;
}

void CentreDialog(HWND dialog) {
  RECT reference{0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
  if (HWND owner = GetWindow(dialog, GW_OWNER)) GetWindowRect(owner, &reference);
  RECT box;
  GetWindowRect(dialog, &box);
  int width = box.right - box.left + 1;
  int height = box.bottom - box.top + 1;
  int x = CentredPosition(reference.left, reference.right, width);
  int y = CentredPosition(reference.top, reference.bottom, height);
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace vardek
