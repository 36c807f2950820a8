#include "ui/list_control.h"

namespace vardek {

ListControl::ListControl() : Control(kDefaultStyle, 0) {}

bool ListControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                         int height) {
  return CreateControl("SysListView32", parent, id, text, x, y, width, height);
}

}  // namespace vardek
