#include "app/UserGuide.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "winui/MessageBox.h"
#include "winui/PathNames.h"

namespace {

constexpr wchar_t kGuideFile[] = L"user-guide-ja.html";

std::wstring GuidePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1) + kGuideFile;
}

}  // namespace

void OpenUserGuide(HWND owner) {
  const std::wstring path = GuidePath();
  if (path.empty() || !winui::FileExists(path)) {
    winui::ShowWarning(owner, L"使い方ガイドが見つかりません。\n" + path);
    return;
  }
  // The shell may hand the page on through COM.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  HINSTANCE result = ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (SUCCEEDED(com)) CoUninitialize();
  // Above 32 is success; the browser reports its own troubles.
  if (reinterpret_cast<INT_PTR>(result) <= 32) winui::ShowWarning(owner, L"使い方ガイドを開けません。\n" + path);
}
