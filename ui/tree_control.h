#pragma once
// TreeControl: a tree view ("SysTreeView32") with buttons and lines.
#include "ui/control.h"

namespace vardek {

class TreeControl : public Control {
 public:
  // WS_CHILD|WS_VISIBLE|WS_TABSTOP|TVS_HASBUTTONS|TVS_HASLINES|TVS_LINESATROOT
  static constexpr DWORD kDefaultStyle = 0x50010007;
  TreeControl();
  bool Create(HWND parent, int id, const char* text, int x, int y, int width,
              int height) override;
};

}  // namespace vardek
