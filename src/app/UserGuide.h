#pragma once
// The full user guide, an HTML page installed beside the program, opened in the
// user's browser (F1).
#include <windows.h>

void OpenUserGuide(HWND owner);
