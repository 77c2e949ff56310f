#include "winui/ControlExtras.h"

#include "winui/ExceptionBox.h"

namespace winui {

namespace {

struct Extended {
  ControlExtras extras;
  WNDPROC original = nullptr;
};

LRESULT CALLBACK ExtrasProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

Extended* ExtendedOf(HWND control) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)) != ExtrasProc) return nullptr;
  return reinterpret_cast<Extended*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

// True when `extras` answered the message (in `result`); may change the key of a WM_CHAR.
bool AnswerBeforeControl(HWND hwnd, const ControlExtras& extras, UINT msg, WPARAM& wParam, LPARAM lParam,
                         LRESULT& result) {
  if (extras.passesChildNotifications && IsForwardedToParent(msg) && lParam != 0) {
    HWND parent = GetParent(hwnd);
    result = parent ? SendMessageW(parent, msg, wParam, lParam) : 0;
    return true;
  }
  if (msg == WM_CHAR && extras.keyPress) {
    auto key = static_cast<wchar_t>(wParam);
    extras.keyPress(hwnd, key);
    result = 0;
    if (key == 0) return true;
    wParam = key;
  }
  if (msg == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT && extras.clientObject) {
    result = extras.clientObject(hwnd, wParam);
    return result != 0;
  }
  return false;
}

LRESULT CALLBACK ExtrasProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* extended = reinterpret_cast<Extended*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  const WNDPROC original = extended->original;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete extended;
    return CallWindowProcW(original, hwnd, msg, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if (AnswerBeforeControl(hwnd, extended->extras, msg, wParam, lParam, result)) return result;
  } catch (...) {
    ShowCurrentException(GetAncestor(hwnd, GA_ROOT));
    return 0;
  }
  const LRESULT result = CallWindowProcW(original, hwnd, msg, wParam, lParam);
  if (msg == WM_SETFOCUS) {
    if (Extended* still = ExtendedOf(hwnd); still && still->extras.afterFocus) still->extras.afterFocus(hwnd);
  }
  return result;
}

}  // namespace

bool IsForwardedToParent(UINT msg) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return true;
    default:
      return false;
  }
}

ControlExtras* ExtrasOf(HWND control) {
  if (!control) return nullptr;
  if (Extended* extended = ExtendedOf(control)) return &extended->extras;
  if (GetWindowLongPtrW(control, GWLP_USERDATA) != 0) return nullptr;
  auto* extended = new Extended;
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(extended));
  extended->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ExtrasProc)));
  if (!extended->original) {
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    delete extended;
    return nullptr;
  }
  return &extended->extras;
}

}  // namespace winui
