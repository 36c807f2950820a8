#include "ui/font_record.h"

#include <cstring>

namespace vardek {

FontRecord::FontRecord() : logFont_(), font_(nullptr), colour_(RGB(0, 0, 0)) {}

FontRecord::~FontRecord() { Release(); }

void FontRecord::SetFaceAndSize(HDC deviceContext, const char* face, int points) {
  if (face && face[0]) {
    std::strncpy(logFont_.lfFaceName, face, LF_FACESIZE - 1);
    logFont_.lfFaceName[LF_FACESIZE - 1] = 0;
  }
  logFont_.lfHeight = -MulDiv(points, GetDeviceCaps(deviceContext, LOGPIXELSY), 72);
  Release();
  font_ = CreateFontIndirectA(&logFont_);
}

HGDIOBJ FontRecord::SelectInto(HDC deviceContext) const {
  SetTextColor(deviceContext, colour_);
  return SelectObject(deviceContext, font_);
}

void FontRecord::Release() {
  if (!font_) return;
  DeleteObject(font_);
  font_ = nullptr;
}

}  // namespace vardek
