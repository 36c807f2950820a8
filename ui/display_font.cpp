#include "ui/display_font.h"

namespace vardek {

HDC CreateDisplayContext() { return CreateICA("DISPLAY", nullptr, nullptr, nullptr); }

bool DisplayFontMetrics(TEXTMETRICA& metrics) {
  HDC context = CreateDisplayContext();
  if (!context) return false;
  bool measured = GetTextMetricsA(context, &metrics) != 0;
  DeleteDC(context);
  return measured;
}

}  // namespace vardek
