#pragma once
// A drop-down list of named colours, with "その他…" for any colour through the
// system's colour dialog and, where wanted, an item for no colour.
#include <windows.h>

#include <optional>

#include "faces/ButtonFace.h"
#include "winui/Controls.h"

class ColourChoice {
 public:
  // `noneText`: the item for no colour; null when a colour is always chosen.
  void Create(HWND parent, int id, const winui::Rect& place, HFONT font, const wchar_t* noneText);
  HWND Handle() const { return combo_; }
  void Set(std::optional<faces::Colour> colour);
  std::optional<faces::Colour> Get() const;
  // On the list's CBN_SELCHANGE: "その他…" asks for a colour (cancelled: the
  // choice before it comes back).
  void OnSelChange(HWND owner);

 private:
  int Add(const std::wstring& text, LPARAM data);
  HWND combo_ = nullptr;
  int previous_ = 0;
  COLORREF custom_[16] = {};  // the colour dialog's own row of colours
};
