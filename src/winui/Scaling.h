#pragma once
// Child windows keep the place and font of the 96-dpi design they were made
// with, so that they can be laid out again, exactly, for another DPI: the one
// place where layouts scale.
#include <windows.h>

#include <string>

#include "winui/Controls.h"

namespace winui {

Rect ScaleRect(const Rect& design, int dpi);

// Keeps `child`'s design place and font (it is already where they put it at
// its window's DPI). `fitText`: the child is a label sized to its text,
// measured again with each font.
void RememberDesign(HWND child, const Rect& design, HFONT designFont, bool fitText = false);

// Lays every descendant of `window` whose design was kept out for `dpi`.
void RescaleChildren(HWND window, int dpi);

// What `text` needs on the screen in `font` (the system's GUI font when null).
SIZE TextSize(const std::wstring& text, HFONT font);

}  // namespace winui
