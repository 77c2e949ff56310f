#pragma once
// A window's own scroll bars over content measured in pixels: setting the
// extent, and where an SB_* code asks the view to go.
#include <windows.h>

#include <optional>

namespace winui {

// Sets `bar` (SB_HORZ, SB_VERT) over `content` pixels of which `page` are in
// view, at `position` kept within them; returns the position kept.
int SetScrollExtent(HWND window, int bar, int content, int page, int position);

// The position an SB_* code of `bar` asks for: a line of `line` pixels, a
// page, the dragged thumb, an end; kept within the content less the page.
// Nothing for a code that moves nothing (SB_ENDSCROLL).
std::optional<int> ScrollTarget(HWND window, int bar, int code, int thumb, int line);

}  // namespace winui
