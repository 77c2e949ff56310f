#pragma once
// Text and background colours of single controls, answered from a parent's
// WM_CTLCOLOR* handler. The brushes are owned here and live as long as the map.
// In high contrast every control in the map shows the theme's colours.
#include <windows.h>

#include <map>
#include <optional>

#include "winui/Gdi.h"

namespace winui {

class ControlColors {
 public:
  // No background: the control is drawn on `parentBrush` given to Answer (or the system's).
  void Set(HWND control, COLORREF text, std::optional<COLORREF> background = std::nullopt);
  std::optional<COLORREF> TextColor(HWND control) const;
  // Sets up `dc` for `control` and returns the brush to paint its background
  // with: its own, else the parent's (the dialog face when none is given);
  // null for a control that is not in the map, which keeps the system's colours.
  HBRUSH Answer(HDC dc, HWND control, HBRUSH parentBrush = nullptr, COLORREF parentColor = 0) const;

 private:
  struct Entry {
    COLORREF text = 0;
    std::optional<COLORREF> background;
    HBRUSH brush = nullptr;  // owned by brushes_
  };
  std::map<HWND, Entry> entries_;
  std::map<COLORREF, Brush> brushes_;
};

}  // namespace winui
