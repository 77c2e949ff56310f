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
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return Pixels(face, MulDiv(points, dpi, 72), bold);
}

void Font::Reset() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

}  // namespace winui
