#include "winui/Scaling.h"

#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "winui/Dpi.h"
#include "winui/Font.h"
#include "winui/Gdi.h"

namespace winui {

namespace {

// The design is kept in window properties, which go with the window, rather
// than in a subclass: under Wine every message to a subclassed window costs a
// round trip to the server, and nearly every control has a design.
// Place: left and top, 16 bits each; size: width and height, 15 bits each, and
// flags. Atoms made once, so that no window holds a reference to a name of its own.
struct DesignAtoms {
  ATOM place;
  ATOM size;
  ATOM font;
};

const DesignAtoms& Atoms() {
  static const DesignAtoms atoms{GlobalAddAtomW(L"WinUiDesignPlace"), GlobalAddAtomW(L"WinUiDesignSize"),
                                 GlobalAddAtomW(L"WinUiDesignFont")};
  return atoms;
}

constexpr uint32_t kFitsText = 0x8000u;
constexpr uint32_t kHasDesign = 0x80000000u;  // so that a design is never a zero property

struct Design {
  Rect place;
  HFONT font = nullptr;
  bool fitText = false;
};

bool FitsSigned16(int value) { return value >= -32768 && value <= 32767; }
bool Fits15(int value) { return value >= 0 && value <= 0x7FFF; }

HANDLE Packed(uint32_t value) { return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value)); }
uint32_t Unpacked(HANDLE value) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value)); }

std::optional<Design> DesignOf(HWND child) {
  const uint32_t size = Unpacked(GetPropW(child, MAKEINTATOM(Atoms().size)));
  if (!(size & kHasDesign)) return std::nullopt;
  const uint32_t place = Unpacked(GetPropW(child, MAKEINTATOM(Atoms().place)));
  Design design;
  design.place = Rect{static_cast<int16_t>(place & 0xFFFF), static_cast<int16_t>(place >> 16),
                      static_cast<int>(size & 0x7FFF), static_cast<int>((size >> 16) & 0x7FFF)};
  design.fitText = (size & kFitsText) != 0;
  design.font = reinterpret_cast<HFONT>(GetPropW(child, MAKEINTATOM(Atoms().font)));
  return design;
}

// A label's size with its font: what its text needs.
SIZE LabelTextSize(HWND label) {
  return TextSize(GetText(label), reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
}

void Apply(HWND child, const Design& design, int dpi) {
  if (design.font) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontForDpi(design.font, dpi)), FALSE);
  }
  Rect place = ScaleRect(design.place, dpi);
  if (design.fitText) {
    const SIZE size = LabelTextSize(child);
    place.width = size.cx;
    place.height = size.cy;
  }
  SetWindowPos(child, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

BOOL CALLBACK PlaceIfTabControl(HWND child, LPARAM) {
  if (IsOfClass(child, WC_TABCONTROLW)) PlaceTabPages(child);
  return TRUE;
}

}  // namespace

Rect ScaleRect(const Rect& design, int dpi) {
  // Edges scale, not lengths, so that neighbours stay neighbours.
  const int left = ScaleForDpi(design.left, dpi);
  const int top = ScaleForDpi(design.top, dpi);
  return Rect{left, top, ScaleForDpi(design.left + design.width, dpi) - left,
              ScaleForDpi(design.top + design.height, dpi) - top};
}

void RememberDesign(HWND child, const Rect& place, HFONT designFont, bool fitText) {
  // Dialog layouts are far inside these bounds; a place outside them is not
  // kept, and the child then stays where it is when the scale changes.
  if (!FitsSigned16(place.left) || !FitsSigned16(place.top) || !Fits15(place.width) || !Fits15(place.height)) return;
  const uint32_t packedPlace =
      static_cast<uint16_t>(place.left) | (static_cast<uint32_t>(static_cast<uint16_t>(place.top)) << 16);
  const uint32_t packedSize = static_cast<uint32_t>(place.width) | (static_cast<uint32_t>(place.height) << 16) |
                              (fitText ? kFitsText : 0) | kHasDesign;
  SetPropW(child, MAKEINTATOM(Atoms().place), Packed(packedPlace));
  SetPropW(child, MAKEINTATOM(Atoms().size), Packed(packedSize));
  // A design without a font keeps the one it had.
  if (designFont) SetPropW(child, MAKEINTATOM(Atoms().font), designFont);
}

void RescaleChildren(HWND window, int dpi) {
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  // Inner windows first: a container that places its children itself when it
  // is resized (a scrolling list) has the last word.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (const std::optional<Design> design = DesignOf(*it)) Apply(*it, *design, dpi);
  }
  // Tab pages fill their tab control's display area, whatever its size now.
  EnumChildWindows(window, PlaceIfTabControl, 0);
}

SIZE TextSize(const std::wstring& text, HFONT font) {
  RECT size{0, 0, 0, 0};
  WindowDc dc(nullptr);
  ScopedSelectObject select(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size, DT_CALCRECT | DT_NOPREFIX);
  return SIZE{size.right - size.left, size.bottom - size.top};
}

}  // namespace winui
