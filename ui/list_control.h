#pragma once
// ListControl: a list view ("SysListView32"), report view by default.
#include "ui/control.h"

namespace vardek {

class ListControl : public Control {
 public:
  static constexpr DWORD kDefaultStyle = 0x50800001;  // WS_CHILD|WS_VISIBLE|WS_BORDER|LVS_REPORT
  ListControl();
  bool Create(HWND parent, int id, const char* text, int x, int y, int width,
              int height) override;
};

}  // namespace vardek
