#include "winui/Font.h"

#include <map>
#include <tuple>

#include "winui/Gdi.h"

namespace winui {

using FontObject = GdiObject<HFONT>;

HFONT SharedFont(const std::wstring& face, int pixels, bool bold) {
  static std::map<std::tuple<std::wstring, int, bool>, FontObject> cache;
  FontObject& font = cache[{face, pixels, bold}];
  if (!font) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    font.Reset(CreateFontIndirectW(&lf));
  }
  return font.Get();
}

}  // namespace winui
