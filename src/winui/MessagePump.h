#pragma once
// Running the user-interface thread's messages: the program's main loop and a
// bounded pump for code (mostly tests) that waits for something to happen.
#include <windows.h>

#include <functional>

namespace winui {

// Common controls (tabs, list views) and anything else the program needs once.
void InitApplication();

// Dispatches messages, with dialog keyboard handling (Tab, arrow keys) for every
// top-level window, until `mainWindow` is destroyed or WM_QUIT arrives.
// Returns WM_QUIT's exit code, or 0.
int RunMessageLoop(HWND mainWindow);

// Translates and dispatches one message, with dialog keyboard handling. A form
// sees each key first (kMsgPreviewKey); then Tab and Shift+Tab follow
// NextTabStop; the rest is the dialog manager's.
void DispatchWithDialogKeys(MSG& msg);

// The control that Tab (or Shift+Tab) moves to from `from` inside the top-level
// window `root`: the visible, enabled WS_TABSTOP windows in creation (Z) order,
// going into group boxes, panels and tab controls, a tab control's own tabs
// coming before its page. Null when there is none.
HWND NextTabStop(HWND root, HWND from, bool backward);

// Dispatches messages until `done` is true or `timeoutMs` has passed; true when
// `done` became true. A WM_QUIT seen on the way is posted again.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace winui
