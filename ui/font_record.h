#pragma once
// FontRecord: one font the record owns, described by a LOGFONTA, with a text colour.
#include "ui/win32.h"

namespace vardek {

class FontRecord {
 public:
  FontRecord();
  ~FontRecord();
  FontRecord(const FontRecord&) = delete;
  FontRecord& operator=(const FontRecord&) = delete;

  // Keeps the face unless `face` is empty; height from points at the DC's
  // vertical resolution. The previous font is released first.
  void SetFaceAndSize(HDC deviceContext, const char* face, int points);
  // Sets the text colour and selects the font; returns the object it replaced.
  HGDIOBJ SelectInto(HDC deviceContext) const;
  void Release();

  LOGFONTA& LogFont() { return logFont_; }
  HFONT Font() const { return font_; }
  COLORREF Colour() const { return colour_; }
  void SetColour(COLORREF colour) { colour_ = colour; }

 private:
  LOGFONTA logFont_;
  HFONT font_;
  COLORREF colour_;
};

}  // namespace vardek
