#include "data/DllSearchPath.h"

namespace dll_search {

bool IsXpOrLater(DWORD major, DWORD minor) { return major > 5 || (major == 5 && minor >= 1); }

void AddDeviceSoftwareFolder() {
  // The extended structure of the W function (284 bytes); the 148-byte size
  // belongs to the narrow, non-extended structure, which GetVersionExW refuses.
  OSVERSIONINFOEXW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL known = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version));
#pragma GCC diagnostic pop
  if (!known || !IsXpOrLater(version.dwMajorVersion, version.dwMinorVersion)) return;
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return;
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
  auto setDllDirectory =
      reinterpret_cast<SetDllDirectoryFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryW")));
  if (setDllDirectory) setDllDirectory(kDeviceSoftwareFolder);
}

}  // namespace dll_search
