#pragma once
// The one place window classes of ours are registered: arrow cursor, dialog
// face background, the program's icon.
#include <windows.h>

namespace winui {

// Registers `name` with `proc` on first use; true when the class exists.
bool EnsureWindowClass(const wchar_t* name, WNDPROC proc);

}  // namespace winui
