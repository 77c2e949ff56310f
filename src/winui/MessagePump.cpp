#include "winui/MessagePump.h"

#include <commctrl.h>

#include <vector>

#include "winui/AppMessages.h"
#include "winui/Controls.h"

namespace winui {

void InitApplication() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                            ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
}

namespace {

bool IsUsable(HWND window) { return IsWindowVisible(window) && IsWindowEnabled(window); }

void CollectTabStops(HWND parent, std::vector<HWND>& stops) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUsable(child)) continue;
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(child, GWL_EXSTYLE);
    if (style & WS_TABSTOP) stops.push_back(child);
    // The dialog manager would skip a tab control that holds its pages; we
    // stop on its tabs and then go into the page.
    if ((exStyle & WS_EX_CONTROLPARENT) || IsOfClass(child, WC_TABCONTROLW)) CollectTabStops(child, stops);
  }
}

// Within a radio group the focus goes to the checked button, as in dialogs.
HWND CheckedInRadioGroup(HWND first) {
  for (HWND b = first; b; b = GetWindow(b, GW_HWNDNEXT)) {
    if (b != first && (GetWindowLongPtrW(b, GWL_STYLE) & WS_GROUP)) break;
    if (SendMessageW(b, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (SendMessageW(b, BM_GETCHECK, 0, 0) == BST_CHECKED && IsUsable(b)) return b;
    }
  }
  return first;
}

bool HandleTabKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if ((GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000)) return false;
  HWND focus = GetFocus();
  if (!focus) return false;
  const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
  HWND root = GetAncestor(focus, GA_ROOT);
  HWND next = NextTabStop(root, focus, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
  if (!next) return true;
  next = CheckedInRadioGroup(next);
  SetFocus(next);
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
  return true;
}

// Our forms are no dialogs, so the dialog manager would turn Enter into IDOK
// even with the focus on another button; in a dialog that button is pressed.
bool HandleEnterOnButton(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
  HWND focus = GetFocus();
  if (!focus || !(SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) return false;
  SendMessageW(focus, BM_CLICK, 0, 0);
  return true;
}

bool IsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

HWND FindTabControl(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsOfClass(child, WC_TABCONTROLW) && IsUsable(child)) return child;
    if (HWND inner = FindTabControl(child)) return inner;
  }
  return nullptr;
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the form's tab control, as in
// property sheets, and put the focus in the page shown.
bool HandleTabPageKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !IsDown(VK_CONTROL)) return false;
  HWND tabs = msg.hwnd ? FindTabControl(GetAncestor(msg.hwnd, GA_ROOT)) : nullptr;
  const int count = tabs ? TabCtrl_GetItemCount(tabs) : 0;
  if (count < 2) return false;
  const int next = (TabCtrl_GetCurSel(tabs) + (IsDown(VK_SHIFT) ? count - 1 : 1)) % count;
  SendMessageW(tabs, TCM_SETCURFOCUS, next, 0);  // notifies the form like a click on the tab
  std::vector<HWND> stops;
  CollectTabStops(TabPage(tabs, TabCtrl_GetCurSel(tabs)), stops);
  SetFocus(stops.empty() ? tabs : stops.front());
  return true;
}

bool IsOurs(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == GetModuleHandleW(nullptr);
}

// Only our own forms know the message; a window of the system might use the
// same number for something else.
bool PreviewedByForm(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (!root || !IsOurs(root)) return false;
  const LPARAM modifiers =
      (IsDown(VK_SHIFT) ? kKeyShift : 0) | (IsDown(VK_CONTROL) ? kKeyControl : 0) | (IsDown(VK_MENU) ? kKeyAlt : 0);
  return SendMessageW(root, kMsgPreviewKey, msg.wParam, modifiers) != 0;
}

// F1 means help in every window, modal or not; the owner chain leads from any
// dialog back to the window that knows where help is.
bool HandleHelpKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1) return false;
  if (IsDown(VK_SHIFT) || IsDown(VK_CONTROL) || IsDown(VK_MENU)) return false;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  for (HWND window = root; window && IsOurs(window); window = GetWindow(window, GW_OWNER)) {
    if (SendMessageW(window, kMsgHelp, reinterpret_cast<WPARAM>(root), 0) != 0) return true;
  }
  return false;
}

}  // namespace

HWND NextTabStop(HWND root, HWND from, bool backward) {
  std::vector<HWND> stops;
  CollectTabStops(root, stops);
  if (stops.empty()) return nullptr;
  // The stop holding the focus (an edit inside a combo box counts as the combo box).
  int at = -1;
  for (HWND w = from; w && w != root && at < 0; w = GetParent(w)) {
    for (size_t i = 0; i < stops.size(); ++i) {
      if (stops[i] == w) at = static_cast<int>(i);
    }
  }
  const int n = static_cast<int>(stops.size());
  if (at < 0) return backward ? stops.back() : stops.front();
  return stops[(at + (backward ? n - 1 : 1)) % n];
}

void DispatchWithDialogKeys(MSG& msg) {
  if (PreviewedByForm(msg) || HandleHelpKey(msg)) return;
  if (HandleTabKey(msg) || HandleTabPageKey(msg)) return;
  if (HandleEnterOnButton(msg)) return;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunMessageLoop(HWND mainWindow) {
  MSG msg;
  while (IsWindow(mainWindow)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) break;
    DispatchWithDialogKeys(msg);
  }
  return 0;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MSG msg;
    bool quit = false;
    int quitCode = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(msg.wParam);
        break;
      }
      DispatchWithDialogKeys(msg);
      if (done()) return true;
    }
    if (quit) {
      PostQuitMessage(quitCode);
      return done();
    }
    // Wake on the next message or after a short while, to re-test `done`.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace winui
