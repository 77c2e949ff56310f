#pragma once
// A window's controls as data, one line each in Z (= tab) order, children
// indented under their parent: class, place, size (not for auto-sized labels,
// which are as large as their text), font height ("b" when bold) and caption.
// A layout test compares it with a short expected text.
#include <windows.h>

#include <climits>
#include <string>

namespace wintest {

// `depth` levels of children: 1 for the window's own controls only.
std::wstring LayoutDump(HWND window, int depth = INT_MAX);

// The font a control draws with (its face is not in the dump).
LOGFONTW FontOf(HWND control);

}  // namespace wintest
