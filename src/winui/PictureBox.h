#pragma once
// A child window that shows a picture unscaled from its top-left corner,
// clipped to the window. It borrows the picture; its owner keeps it alive.
#include <windows.h>

#include "winui/Controls.h"
#include "winui/Picture.h"

namespace winui {

HWND CreatePictureBox(HWND parent, const Rect& place, int id = 0);
// Shows `picture` (nothing when null) and repaints.
void SetPictureBoxPicture(HWND box, const Picture* picture);

}  // namespace winui
