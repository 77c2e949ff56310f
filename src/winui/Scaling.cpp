#include "winui/Scaling.h"

#include <commctrl.h>

#include <vector>

#include "winui/Dpi.h"
#include "winui/Font.h"
#include "winui/Gdi.h"

namespace winui {

namespace {

constexpr UINT_PTR kDesignSubclassId = 4;

struct Design {
  Rect place;
  HFONT font = nullptr;
  bool fitText = false;
};

// Owns the child's design record and frees it with the window.
LRESULT CALLBACK DesignSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, DesignSubclassProc, kDesignSubclassId);
    delete reinterpret_cast<Design*>(data);
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

Design* DesignOf(HWND child) {
  DWORD_PTR data = 0;
  return GetWindowSubclass(child, DesignSubclassProc, kDesignSubclassId, &data) ? reinterpret_cast<Design*>(data)
                                                                                : nullptr;
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
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (lstrcmpiW(name, WC_TABCONTROLW) == 0) PlaceTabPages(child);
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
  Design* design = DesignOf(child);
  if (!design) {
    design = new Design;
    if (!SetWindowSubclass(child, DesignSubclassProc, kDesignSubclassId, reinterpret_cast<DWORD_PTR>(design))) {
      delete design;
      return;
    }
  }
  *design = Design{place, designFont ? designFont : design->font, fitText};
}

void PlaceAtDesign(HWND child, const Rect& place, HFONT designFont, bool fitText) {
  RememberDesign(child, place, designFont, fitText);
  if (const Design* design = DesignOf(child)) Apply(child, *design, WindowDpi(child));
}

void RescaleChildren(HWND window, int dpi) {
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  // Inner windows first: a container that places its children itself when it
  // is resized (a scrolling list) has the last word.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (const Design* design = DesignOf(*it)) Apply(*it, *design, dpi);
  }
  // Tab pages fill their tab control's display area, whatever its size now.
  EnumChildWindows(window, PlaceIfTabControl, 0);
}

SIZE LabelTextSize(HWND label) {
  return TextSize(GetText(label), reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
}

SIZE TextSize(const std::wstring& text, HFONT font) {
  RECT size{0, 0, 0, 0};
  WindowDc dc(nullptr);
  ScopedSelectObject select(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size, DT_CALCRECT | DT_NOPREFIX);
  return SIZE{size.right - size.left, size.bottom - size.top};
}

}  // namespace winui
