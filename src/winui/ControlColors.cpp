#include "winui/ControlColors.h"

#include "winui/Contrast.h"

namespace winui {

void ControlColors::Set(HWND control, COLORREF text, std::optional<COLORREF> background) {
  Entry entry{text, background, nullptr};
  if (background) {
    auto& brush = brushes_[*background];
    if (!brush) brush.Reset(CreateSolidBrush(*background));
    entry.brush = brush.Get();
  }
  entries_[control] = entry;
  InvalidateRect(control, nullptr, TRUE);
}

std::optional<COLORREF> ControlColors::TextColor(HWND control) const {
  auto it = entries_.find(control);
  if (it == entries_.end()) return std::nullopt;
  return it->second.text;
}

HBRUSH ControlColors::Answer(HDC dc, HWND control, HBRUSH parentBrush, COLORREF parentColor) const {
  auto it = entries_.find(control);
  if (it == entries_.end()) return nullptr;
  if (HighContrastOn()) {  // the theme's colours, not ours
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  SetTextColor(dc, it->second.text);
  if (it->second.brush) {
    SetBkColor(dc, *it->second.background);
    return it->second.brush;
  }
  if (!parentBrush) {
    parentBrush = GetSysColorBrush(COLOR_BTNFACE);
    parentColor = GetSysColor(COLOR_BTNFACE);
  }
  SetBkColor(dc, parentColor);
  return parentBrush;
}

}  // namespace winui
