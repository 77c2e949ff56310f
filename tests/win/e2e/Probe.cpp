// Finds a control of the program under test for the end-to-end scripts, so
// that they click controls by their id or caption, not by copied coordinates.
//   e2e_probe at <end of window caption> <control id or text> [x y]
//     prints the screen position of the middle of the visible control, or of
//     the point x, y of its client area; control "" is the window itself
//   e2e_probe wait <end of window caption> <control id or text> <seconds>
//     waits until that control is there and visible
//   e2e_probe focus <end of window caption> <control id or text> <seconds>
//     waits until that window is in front with the keyboard focus on that
//     control ("": anywhere), where typed keys go
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

Wanted Parse(const std::wstring& control) {
  Wanted wanted;
  if (!control.empty() && std::iswdigit(control[0])) {
    wanted.id = std::stoi(control);
  } else {
    wanted.text = control;
  }
  return wanted;
}

bool Matches(HWND child, const Wanted& wanted) {
  if (wanted.id) return GetDlgCtrlID(child) == wanted.id;
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  return wanted.text == text;
}

BOOL CALLBACK Check(HWND child, LPARAM data) {
  auto& wanted = *reinterpret_cast<Wanted*>(data);
  if (!IsWindowVisible(child) || !Matches(child, wanted)) return TRUE;
  wanted.found = child;
  return FALSE;
}

bool EndsWith(HWND window, const std::wstring& end) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  const std::wstring caption = text;
  return caption.size() >= end.size() && caption.compare(caption.size() - end.size(), std::wstring::npos, end) == 0;
}

struct TopLevel {
  std::wstring captionEnd;
  HWND found = nullptr;
};

// A visible window whose caption ends with the text given (the edit window's
// caption begins with the table's name).
BOOL CALLBACK CheckTop(HWND window, LPARAM data) {
  auto& wanted = *reinterpret_cast<TopLevel*>(data);
  if (!IsWindowVisible(window) || !EndsWith(window, wanted.captionEnd)) return TRUE;
  wanted.found = window;
  return FALSE;
}

HWND Find(const wchar_t* caption, const std::wstring& control) {
  TopLevel top{caption};
  EnumWindows(CheckTop, reinterpret_cast<LPARAM>(&top));
  HWND window = top.found;
  if (!window || control.empty()) return window;
  Wanted wanted = Parse(control);
  EnumChildWindows(window, Check, reinterpret_cast<LPARAM>(&wanted));
  return wanted.found;
}

// The window in front, its caption ending as given, with the focus on that control.
bool HasFocus(const wchar_t* caption, const std::wstring& control) {
  HWND front = GetForegroundWindow();
  if (!front || !EndsWith(front, caption)) return false;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &thread) || !thread.hwndFocus) return false;
  return control.empty() || Matches(thread.hwndFocus, Parse(control));
}

bool WaitFor(const wchar_t* seconds, bool (*done)(const wchar_t*, const std::wstring&), const wchar_t* caption,
             const std::wstring& control) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(std::stoi(seconds)) * 1000;
  while (!done(caption, control)) {
    if (static_cast<LONG>(GetTickCount() - until) > 0) return false;
    Sleep(50);
  }
  return true;
}

bool Shown(const wchar_t* caption, const std::wstring& control) { return Find(caption, control) != nullptr; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  const std::wstring command = argv[1];
  if (command == L"at") {
    HWND control = Find(argv[2], argv[3]);
    if (!control) return 1;
    POINT at{};
    if (argc == 6) {
      at = POINT{std::stoi(argv[4]), std::stoi(argv[5])};
      ClientToScreen(control, &at);
    } else {
      RECT r{};
      GetWindowRect(control, &r);
      at = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::printf("%ld %ld\n", at.x, at.y);
    return 0;
  }
  if (argc == 5 && (command == L"wait" || command == L"focus")) {
    return WaitFor(argv[4], command == L"wait" ? Shown : HasFocus, argv[2], argv[3]) ? 0 : 1;
  }
  return 2;
}
