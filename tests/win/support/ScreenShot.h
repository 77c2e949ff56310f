// Pictures of windows as the screen shows them, for the screenshot programs.
#pragma once

#include <windows.h>

#include <string>

// Handles the messages a change of `window` caused, then saves what the screen
// shows of it as a bitmap file at `file`. False if the picture or the file
// could not be made.
bool SaveScreenShot(HWND window, const std::wstring& file);
