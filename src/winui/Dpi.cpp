#include "winui/Dpi.h"

#include "winui/AppMessages.h"
#include "winui/Gdi.h"

namespace winui {

namespace {

template <typename F>
F User32Function(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  const int dpi = getDpiForSystem ? static_cast<int>(getDpiForSystem()) : 0;
  return dpi > 0 ? dpi : ScreenDpi();
}

int WindowDpi(HWND window) {
  // A form's controls follow the DPI the form was laid out for.
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root && GetWindowThreadProcessId(root, nullptr) == GetCurrentThreadId()) {
    if (const auto dpi = static_cast<int>(SendMessageW(root, kMsgFormDpi, 0, 0)); dpi > 0) return dpi;
  }
  return MonitorDpi(window);
}

int MonitorDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
}

}  // namespace winui
