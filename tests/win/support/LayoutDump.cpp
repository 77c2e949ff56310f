#include "LayoutDump.h"

#include <sstream>

#include "winui/Controls.h"

namespace wintest {

namespace {

void Dump(HWND parent, std::wostringstream& out, int indent, int depth) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const LOGFONTW font = FontOf(child);
    out << std::wstring(indent * 2, L' ') << cls << L' ' << r.left << L',' << r.top;
    const bool autoSized =
        lstrcmpW(cls, L"Static") == 0 && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
    if (!autoSized) out << L' ' << r.right - r.left << L'x' << r.bottom - r.top;
    out << L' ' << -font.lfHeight << (font.lfWeight >= FW_BOLD ? L"b" : L"") << L" \"" << winui::GetText(child)
        << L"\"\n";
    if (depth > 1 && lstrcmpW(cls, L"ComboBox") != 0) Dump(child, out, indent + 1, depth - 1);
  }
}

}  // namespace

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

std::wstring LayoutDump(HWND window, int depth) {
  std::wostringstream out;
  Dump(window, out, 0, depth);
  return out.str();
}

}  // namespace wintest
