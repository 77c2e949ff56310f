#pragma once
// High contrast: while Windows runs a high-contrast theme, the parts we colour
// ourselves take the theme's system colours instead, and repaint when it changes.
#include <windows.h>

namespace winui {

bool HighContrastOn();

// `designed`, or the system colour `sysColor` (COLOR_*) in high contrast.
COLORREF ContrastColor(COLORREF designed, int sysColor);

// Test seam: while alive, HighContrastOn() is true, as in a high-contrast
// theme (Wine cannot switch one on).
class ScopedHighContrast {
 public:
  ScopedHighContrast();
  ~ScopedHighContrast();
  ScopedHighContrast(const ScopedHighContrast&) = delete;
  ScopedHighContrast& operator=(const ScopedHighContrast&) = delete;
};

}  // namespace winui
