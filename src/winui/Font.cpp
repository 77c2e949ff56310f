#include "winui/Font.h"

#include <map>
#include <tuple>

#include "winui/Dpi.h"
#include "winui/Gdi.h"

namespace winui {

namespace {

using FontObject = GdiObject<HFONT>;
using FontKey = std::tuple<std::wstring, int, bool>;

struct FontCache {
  std::map<FontKey, FontObject> fonts;
  std::map<HFONT, FontKey> keys;  // which design a font was made for
};

FontCache& Cache() {
  static FontCache cache;
  return cache;
}

}  // namespace

HFONT SharedFont(const std::wstring& face, int pixels, bool bold) {
  FontCache& cache = Cache();
  const FontKey key{face, pixels, bold};
  FontObject& font = cache.fonts[key];
  if (!font) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    font.Reset(CreateFontIndirectW(&lf));
    if (font) cache.keys[font.Get()] = key;
  }
  return font.Get();
}

HFONT FontForDpi(HFONT designFont, int dpi) {
  const FontCache& cache = Cache();
  const auto it = cache.keys.find(designFont);
  if (it == cache.keys.end() || dpi == kDesignDpi) return designFont;
  const auto& [face, pixels, bold] = it->second;
  return SharedFont(face, ScaleForDpi(pixels, dpi), bold);
}

}  // namespace winui
