#pragma once
// The display's scale. Layouts and fonts are designed in pixels at 96 dpi and
// scaled to the monitor a window is on; the functions of newer Windows are
// looked up at run time, so older systems (and Wine) get the system's figure.
#include <windows.h>

namespace winui {

inline constexpr int kDesignDpi = 96;

// The DPI new top-level windows start with.
int SystemDpi();
// The DPI a window is laid out for: its form's (Form.h), else its monitor's.
int WindowDpi(HWND window);
// The DPI of the monitor the window is on, as the system tells it.
int MonitorDpi(HWND window);

inline int ScaleForDpi(int designPixels, int dpi) { return MulDiv(designPixels, dpi, kDesignDpi); }
// A length of the 96-dpi design as it is drawn in `window`.
inline int Scaled(HWND window, int designPixels) { return ScaleForDpi(designPixels, WindowDpi(window)); }

// The outer rectangle around a client rectangle, with the frame's metrics at
// `dpi`: the monitor's (MonitorDpi), at which the system draws frames.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

}  // namespace winui
