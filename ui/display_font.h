#pragma once
// The metrics of the display's default font, which the boxes size themselves by.
#include "ui/win32.h"

namespace vardek {

// An information context for "DISPLAY" with the default font; 0 on failure.
// The caller frees it with DeleteDC.
HDC CreateDisplayContext();

// Text metrics of the display's default font; false when they cannot be had.
bool DisplayFontMetrics(TEXTMETRICA& metrics);

}  // namespace vardek
