#pragma once
// Where the program finds the infrared device library: the device software's
// installation folder is added to the DLL search path on Windows XP and later.
#include <windows.h>

namespace dll_search {

inline constexpr wchar_t kDeviceSoftwareFolder[] = L"c:\\wexdir\\ソラミトセンター\\";

// Windows XP is 5.1.
bool IsXpOrLater(DWORD major, DWORD minor);

// Asks the system for its version and, on XP or later, adds the folder through
// SetDllDirectoryW (looked up at run time: older systems lack it). The result
// is ignored, as the library may be installed elsewhere on the search path.
void AddDeviceSoftwareFolder();

}  // namespace dll_search
