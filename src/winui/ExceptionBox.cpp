#include "winui/ExceptionBox.h"

#include <exception>

#include "winui/MessageBox.h"
#include "winui/TextConv.h"

namespace winui {

std::wstring ExceptionCaption() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return L"Error";
  std::wstring name(path, n);
  if (auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) name.erase(0, slash + 1);
  if (auto dot = name.rfind(L'.'); dot != std::wstring::npos && dot > 0) name.erase(dot);
  return name.empty() ? L"Error" : name;
}

void ShowCurrentException(HWND owner) noexcept {
  try {
    std::wstring text;
    try {
      throw;
    } catch (const std::exception& e) {
      text = SjisToWide(e.what());
    } catch (...) {
    }
    ShowMessage(owner, text, ExceptionCaption(), MsgButtons::Ok);
  } catch (...) {
    // Nothing more can be done without unwinding into the system.
  }
}

}  // namespace winui
