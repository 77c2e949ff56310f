#pragma once
// The bar under the panel in its own colour. The edit window puts its buttons
// and status line in it and handles their clicks: the bar passes them on.
#include <windows.h>

#include "winui/ChildFrame.h"
#include "winui/Contrast.h"

class TPanelEditBar : public winui::ChildFrame {
 public:
  static constexpr wchar_t kClassName[] = L"TPanelEditBar";
  static constexpr COLORREF kColor = RGB(200, 253, 253);

  bool CreateBar(HWND parent, const winui::Rect& place, int id) {
    return CreateFrame(kClassName, parent, place, kColor, 0, id);
  }

 protected:
  void OnCommand(int id, int code, HWND control) override {
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  }
  // Buttons and labels stand on the bar's colour; in high contrast on the theme's.
  HBRUSH OnCtlColor(HDC dc, HWND /*control*/) override {
    if (winui::HighContrastOn()) {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    }
    return BackgroundBrush();
  }
};
