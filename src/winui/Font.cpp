#include "winui/Font.h"

namespace winui {

Font Font::Pixels(const std::wstring& face, int pixels, bool bold) {
  LOGFONTW lf{};
  lf.lfHeight = -pixels;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&lf));
}

Font Font::Points(const std::wstring& face, int points, bool bold) {
  // The layouts are in pixels and the program is DPI aware, so a font scaled
  // to the display would outgrow its control: points count at 96 dpi.
  return Pixels(face, MulDiv(points, 96, 72), bold);
}

void Font::Reset() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

}  // namespace winui
