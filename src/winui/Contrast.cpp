#include "winui/Contrast.h"

namespace winui {

namespace {

int& HighContrastHolds() {
  static int holds = 0;
  return holds;
}

}  // namespace

bool HighContrastOn() {
  if (HighContrastHolds() > 0) return true;
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF ContrastColor(COLORREF designed, int sysColor) {
  return HighContrastOn() ? GetSysColor(sysColor) : designed;
}

ScopedHighContrast::ScopedHighContrast() { ++HighContrastHolds(); }
ScopedHighContrast::~ScopedHighContrast() { --HighContrastHolds(); }

}  // namespace winui
