#pragma once
// Fonts are shared: one of each face, height and weight for the whole run,
// kept in one cache and deleted when the program ends. Windows and controls
// only borrow them.
#include <windows.h>

#include <string>

namespace winui {

// Character height in pixels (the cell minus internal leading). The layouts
// are in pixels and the program is DPI aware, so no height scales with the display.
HFONT SharedFont(const std::wstring& face, int pixels, bool bold = false);

// A point size as it counts here: at 96 dpi, whatever the display.
inline int PointsToPixels(int points) { return MulDiv(points, 96, 72); }

}  // namespace winui
