#pragma once
// Standard controls created at pixel positions (client coordinates of their
// parent) of the 96-dpi design with a font of SharedFont, both scaled to the
// parent window's display (Scaling.h). Creation order is tab order unless SetTabOrder says
// otherwise. Containers (group boxes, panels, tab controls) pass their
// children's WM_COMMAND, WM_NOTIFY and colour messages up to their parent, so
// the form receives them all in OnCommand/OnNotify. Control ids start at 100 in
// our forms: IDOK (1) and IDCANCEL (2) come from Enter and Esc.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace winui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class ImeMode {
  Default,  // leave the input method as the user set it
  Off,      // closed each time the control gets the focus (direct input)
  On,       // opened each time the control gets the focus (kana-kanji input)
  Hiragana, // opened in full-width Hiragana each time the control gets the focus
};

HWND CreateControl(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
                   const Rect& place, int id, HFONT font);

HWND CreateButton(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font);
// A label sized to its text, like an auto-sized label.
HWND CreateLabel(HWND parent, const std::wstring& text, int left, int top, HFONT font, int id = 0);
// The field's accessible name is the label made just before it (AccessibleName.h).
HWND CreateEdit(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font, int maxLength = 0,
                ImeMode ime = ImeMode::Default);
// place.height is the closed height; the drop-down list gets `listHeight` more.
HWND CreateComboBox(HWND parent, int id, const Rect& place, HFONT font, bool editable = false, int listHeight = 200);
HWND CreateCheckBox(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font);
// `firstOfGroup` starts a new radio group (arrow keys move within a group).
HWND CreateRadioButton(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font,
                       bool firstOfGroup);
// A group box that holds controls: create them with the group box as parent.
HWND CreateGroupBox(HWND parent, int id, const std::wstring& text, const Rect& place, HFONT font);
HWND CreateListBox(HWND parent, int id, const Rect& place, HFONT font, bool sorted = false);
// A plain container child window (background of a dialog).
HWND CreatePanel(HWND parent, const Rect& place, int id = 0);

// A tab control whose pages are panels; the first page added is shown. The
// form switches pages on TCN_SELCHANGE by itself.
HWND CreateTabControl(HWND parent, int id, const Rect& place, HFONT font);
// Adds a tab and returns its page, a panel over the tab control's display area.
HWND AddTabPage(HWND tabControl, const std::wstring& text);
HWND TabPage(HWND tabControl, int index);
// Fits every page to the tab control's display area.
void PlaceTabPages(HWND tabControl);
// Selects a tab and shows its page (TabCtrl_SetCurSel alone sends no notification).
void SelectTab(HWND tabControl, int index);
// Shows the page of the selected tab and hides the others.
void ShowSelectedTabPage(HWND tabControl);

// Puts the controls (siblings) in this tab order.
void SetTabOrder(std::initializer_list<HWND> controls);

// Character filter for an edit or combo box, run before the control sees
// WM_CHAR: set the key to 0 to swallow it, or to another character.
using KeyPressHandler = std::function<void(HWND control, wchar_t& key)>;
void SetKeyPressHandler(HWND control, KeyPressHandler handler);

// Whether `window` is of the window class `className` (letter case aside).
bool IsOfClass(HWND window, const wchar_t* className);

std::wstring GetText(HWND window);
void SetText(HWND window, const std::wstring& text);

}  // namespace winui
