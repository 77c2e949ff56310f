#pragma once
// Fonts are shared: one of each face, height and weight for the whole run,
// kept in one cache and deleted when the program ends. Windows and controls
// only borrow them.
#include <windows.h>

#include <string>

namespace winui {

// Character height in pixels (the cell minus internal leading) of the 96-dpi
// design. Controls get it scaled to their window's display (FontForDpi) when
// they are created (Controls.h).
HFONT SharedFont(const std::wstring& face, int pixels, bool bold = false);

// The same font as `designFont` (one of SharedFont's) at `dpi`; a font that
// did not come from SharedFont is returned as it is.
HFONT FontForDpi(HFONT designFont, int dpi);

// A point size as the design counts it: at 96 dpi.
inline int PointsToPixels(int points) { return MulDiv(points, 96, 72); }

}  // namespace winui
