#include "winui/Controls.h"

#include <imm.h>

#include <vector>

#include "winui/AccessibleName.h"
#include "winui/ControlExtras.h"
#include "winui/Dpi.h"
#include "winui/Font.h"
#include "winui/Gdi.h"
#include "winui/Scaling.h"
#include "winui/WindowClass.h"

namespace winui {

namespace {

constexpr wchar_t kPanelClass[] = L"WinUiPanel";

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Scroll messages without a control are the panel's own scroll bars.
  if (IsForwardedToParent(msg) && !((msg == WM_HSCROLL || msg == WM_VSCROLL) && lParam == 0)) {
    HWND parent = GetParent(hwnd);
    return parent ? SendMessageW(parent, msg, wParam, lParam) : 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ApplyImeMode(HWND edit, ImeMode mode) {
  HIMC context = ImmGetContext(edit);
  if (!context) return;
  ImmSetOpenStatus(context, mode != ImeMode::Off);
  if (mode == ImeMode::Hiragana) {
    DWORD conversion = 0, sentence = 0;
    ImmGetConversionStatus(context, &conversion, &sentence);
    ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, sentence);
  }
  ImmReleaseContext(edit, context);
}

void ForwardChildNotifications(HWND container) {
  if (ControlExtras* extras = ExtrasOf(container)) extras->passesChildNotifications = true;
}

RECT TabPageArea(HWND tabControl) {
  RECT area{};
  GetClientRect(tabControl, &area);
  TabCtrl_AdjustRect(tabControl, FALSE, &area);
  return area;
}

}  // namespace

void PlaceTabPages(HWND tabControl) {
  const RECT area = TabPageArea(tabControl);
  const int count = TabCtrl_GetItemCount(tabControl);
  for (int i = 0; i < count; ++i) {
    HWND page = TabPage(tabControl, i);
    if (!page) continue;
    RECT now{};
    GetWindowRect(page, &now);
    MapWindowPoints(nullptr, tabControl, reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &area)) continue;  // moving it anyway would cost as much as making it
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

namespace {

// `scaled` is where the control goes at `dpi`; `design` what RescaleChildren scales again.
HWND CreateAt(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
              const Rect& scaled, const Rect& design, bool fitText, int id, HFONT font, int dpi) {
  HWND control = CreateWindowExW(exStyle, windowClass, text.c_str(), style | WS_CHILD, scaled.left,
                                 scaled.top, scaled.width, scaled.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
  if (!control) return nullptr;
  if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontForDpi(font, dpi)), FALSE);
  RememberDesign(control, design, font, fitText);
  return control;
}

}  // namespace

HWND CreateControl(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
                   const Rect& place, int id, HFONT font) {
  const int dpi = WindowDpi(parent);
  return CreateAt(parent, windowClass, text, style | WS_VISIBLE, exStyle, ScaleRect(place, dpi), place, false, id,
                  font, dpi);
}

HWND CreateButton(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font) {
  return CreateControl(parent, L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP, 0, place, id, font);
}

HWND CreateLabel(HWND parent, const std::wstring& text, int left, int top, HFONT font, int id) {
  // Measured before it is made, with the font it shows at the window's scale:
  // under Wine, moving a window costs about as much as making it.
  const int dpi = WindowDpi(parent);
  const Rect design{left, top, 0, 0};
  Rect scaled = ScaleRect(design, dpi);
  const SIZE size = TextSize(text, font ? FontForDpi(font, dpi) : nullptr);
  scaled.width = size.cx;
  scaled.height = size.cy;
  return CreateAt(parent, L"STATIC", text, SS_LEFT | SS_NOPREFIX | WS_VISIBLE, 0, scaled, design, true, id, font, dpi);
}

HWND CreateEdit(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font, int maxLength,
                ImeMode ime) {
  HWND edit = CreateControl(parent, L"EDIT", text, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, place,
                            id, font);
  if (!edit) return nullptr;
  NameAfterLabelBefore(edit);
  if (maxLength > 0) SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  if (ime != ImeMode::Default) {
    if (ControlExtras* extras = ExtrasOf(edit)) {
      extras->afterFocus = [ime](HWND control) { ApplyImeMode(control, ime); };
    }
  }
  return edit;
}

HWND CreateComboBox(HWND parent, int id, const Rect& place, HFONT font, bool editable, int listHeight) {
  const DWORD style = (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL | WS_TABSTOP;
  return CreateControl(parent, L"COMBOBOX", L"", style, 0,
                       Rect{place.left, place.top, place.width, place.height + listHeight}, id, font);
}

HWND CreateCheckBox(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font) {
  return CreateControl(parent, L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, 0, place, id, font);
}

HWND CreateRadioButton(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font,
                       bool firstOfGroup) {
  return CreateControl(parent, L"BUTTON", text, BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), 0,
                       place, id, font);
}

HWND CreateGroupBox(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font) {
  HWND group = CreateControl(parent, L"BUTTON", text, BS_GROUPBOX, WS_EX_CONTROLPARENT, place, id, font);
  if (group) ForwardChildNotifications(group);
  return group;
}

HWND CreateListBox(HWND parent, int id, const Rect& place, HFONT font, bool sorted) {
  const DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | (sorted ? LBS_SORT : 0);
  return CreateControl(parent, L"LISTBOX", L"", style, WS_EX_CLIENTEDGE, place, id, font);
}

HWND CreatePanel(HWND parent, const Rect& place, int id) {
  if (!EnsureWindowClass(kPanelClass, PanelProc)) return nullptr;
  return CreateControl(parent, kPanelClass, L"", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, place, id, nullptr);
}

HWND CreateTabControl(HWND parent, int id, const Rect& place, HFONT font) {
  // Not a control parent: the dialog manager would then skip the tabs themselves
  // (keyboard navigation goes into the pages through NextTabStop).
  HWND tab = CreateControl(parent, WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, place, id,
                           font);
  if (tab) ForwardChildNotifications(tab);
  return tab;
}

HWND AddTabPage(HWND tabControl, const std::wstring& text) {
  if (!EnsureWindowClass(kPanelClass, PanelProc)) return nullptr;
  std::wstring label = text;
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = label.data();
  const int index = TabCtrl_GetItemCount(tabControl);
  if (SendMessageW(tabControl, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item)) < 0) return nullptr;
  // Made where it stays, with its tab already there (the tab row takes its
  // room), and visible only as the selected page: under Wine, moving or hiding
  // a window costs about as much as making it.
  const RECT area = TabPageArea(tabControl);
  const DWORD shown = index == TabCtrl_GetCurSel(tabControl) ? WS_VISIBLE : 0;
  const Rect place{area.left, area.top, area.right - area.left, area.bottom - area.top};
  HWND page = CreateAt(tabControl, kPanelClass, L"", WS_CLIPCHILDREN | shown, WS_EX_CONTROLPARENT, place, Rect{}, false,
                       0, nullptr, WindowDpi(tabControl));
  item.mask = TCIF_PARAM;
  item.lParam = reinterpret_cast<LPARAM>(page);
  if (!page || !SendMessageW(tabControl, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item))) {
    TabCtrl_DeleteItem(tabControl, index);
    if (page) DestroyWindow(page);
    return nullptr;
  }
  PlaceTabPages(tabControl);
  ShowSelectedTabPage(tabControl);
  return page;
}

HWND TabPage(HWND tabControl, int index) {
  TCITEMW item{};
  item.mask = TCIF_PARAM;
  if (!SendMessageW(tabControl, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<HWND>(item.lParam);
}

void SelectTab(HWND tabControl, int index) {
  TabCtrl_SetCurSel(tabControl, index);
  ShowSelectedTabPage(tabControl);
}

void ShowSelectedTabPage(HWND tabControl) {
  const int selected = TabCtrl_GetCurSel(tabControl);
  const int count = TabCtrl_GetItemCount(tabControl);
  for (int i = 0; i < count; ++i) {
    HWND page = TabPage(tabControl, i);
    const bool shown = page && (GetWindowLongPtrW(page, GWL_STYLE) & WS_VISIBLE) != 0;
    if (page && shown != (i == selected)) ShowWindow(page, i == selected ? SW_SHOW : SW_HIDE);
  }
}

void SetTabOrder(std::initializer_list<HWND> controls) {
  HWND previous = HWND_TOP;
  for (HWND control : controls) {
    SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control;
  }
}

void SetKeyPressHandler(HWND control, KeyPressHandler handler) {
  if (ControlExtras* extras = ExtrasOf(control)) extras->keyPress = std::move(handler);
}

bool IsOfClass(HWND window, const wchar_t* className) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return lstrcmpiW(name, className) == 0;
}

std::wstring GetText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void SetText(HWND window, const std::wstring& text) { SetWindowTextW(window, text.c_str()); }

}  // namespace winui
