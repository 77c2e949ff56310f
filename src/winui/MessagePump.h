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

// Translates and dispatches one message, with dialog keyboard handling.
void DispatchWithDialogKeys(MSG& msg);

// Dispatches messages until `done` is true or `timeoutMs` has passed; true when
// `done` became true. A WM_QUIT seen on the way is posted again.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace winui
