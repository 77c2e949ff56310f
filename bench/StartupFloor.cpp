// The floor of start-up: a minimal program that does the start-up work the
// editor cannot skip (visual styles through the same manifest, a tab control,
// the documents-folder query, the registry read, loading and initialising the
// device library) up to its first paint. Started and timed by startup_floor_bench.exe.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"StartupFloor";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"StartupFloor", L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                640, 500, nullptr, nullptr, instance, nullptr);
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 32, 8, 558, 337, window, nullptr,
                              instance, nullptr);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"新規作成");
  SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

  wchar_t documents[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
  HKEY key = nullptr;
  DWORD port = 0, size = sizeof(port);
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"SoftWare\\Zentorik\\Env", 0, KEY_READ, &key) == ERROR_SUCCESS) {
    RegQueryValueExW(key, L"RelayPort", nullptr, nullptr, reinterpret_cast<BYTE*>(&port), &size);
    RegCloseKey(key);
  }
  SetDllDirectoryW(L"c:\\wexdir\\ソラミトセンター\\");
  HMODULE library = LoadLibraryW(L"USBIr.DLL");
  using InitFn = int(__stdcall*)();
  if (auto init = library ? reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(library, "USBIrInit")))
                          : nullptr) {
    init();
  }

  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (library) FreeLibrary(library);
  return 0;
}
