#include "ui/tree_control.h"

namespace vardek {

TreeControl::TreeControl() : Control(kDefaultStyle, WS_EX_CLIENTEDGE) {}

bool TreeControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                         int height) {
  return CreateControl("SysTreeView32", parent, id, text, x, y, width, height);
}

}  // namespace vardek
