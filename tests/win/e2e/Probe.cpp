// Finds a control of the program under test for the end-to-end scripts, so
// that they click controls by their id or caption, not by copied coordinates.
//   e2e_probe at <end of window caption> <control id or text>
//     prints the screen position of the middle of the visible control
//   e2e_probe wait <end of window caption> <control id or text> <seconds>
//     waits until that control is there and visible
// Exit 0 when found, 1 when not.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>

namespace {

struct Wanted {
  int id = 0;
  std::wstring text;
  HWND found = nullptr;
};

BOOL CALLBACK Check(HWND child, LPARAM data) {
  auto& wanted = *reinterpret_cast<Wanted*>(data);
  if (!IsWindowVisible(child)) return TRUE;
  if (wanted.id ? GetDlgCtrlID(child) == wanted.id : false) {
    wanted.found = child;
    return FALSE;
  }
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  if (!wanted.id && wanted.text == text) {
    wanted.found = child;
    return FALSE;
  }
  return TRUE;
}

struct TopLevel {
  std::wstring captionEnd;
  HWND found = nullptr;
};

// A visible window whose caption ends with the text given (the edit window's
// caption begins with the table's name).
BOOL CALLBACK CheckTop(HWND window, LPARAM data) {
  auto& wanted = *reinterpret_cast<TopLevel*>(data);
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  const std::wstring caption = text;
  if (!IsWindowVisible(window) || caption.size() < wanted.captionEnd.size() ||
      caption.compare(caption.size() - wanted.captionEnd.size(), std::wstring::npos, wanted.captionEnd) != 0) {
    return TRUE;
  }
  wanted.found = window;
  return FALSE;
}

HWND Find(const wchar_t* caption, const std::wstring& control) {
  TopLevel top{caption};
  EnumWindows(CheckTop, reinterpret_cast<LPARAM>(&top));
  HWND window = top.found;
  if (!window) return nullptr;
  Wanted wanted;
  if (!control.empty() && std::iswdigit(control[0])) {
    wanted.id = std::stoi(control);
  } else {
    wanted.text = control;
  }
  EnumChildWindows(window, Check, reinterpret_cast<LPARAM>(&wanted));
  return wanted.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  const std::wstring command = argv[1];
  if (command == L"at") {
    HWND control = Find(argv[2], argv[3]);
    if (!control) return 1;
    RECT r{};
    GetWindowRect(control, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
  }
  if (command == L"wait" && argc == 5) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(std::stoi(argv[4])) * 1000;
    while (!Find(argv[2], argv[3])) {
      if (static_cast<LONG>(GetTickCount() - until) > 0) return 1;
      Sleep(50);
    }
    return 0;
  }
  return 2;
}
