#pragma once
// What our code adds to standard controls (a key filter, an input method mode,
// an accessible name, passing a container's notifications on) goes through one
// window procedure of ours in front of the control's own, with the additions
// in GWLP_USERDATA, which standard controls leave to the program. Not the
// system's subclass chain: under Wine every message that passes through it
// costs a round trip to the server, for every control so extended.
#include <windows.h>

#include <functional>

namespace winui {

struct ControlExtras {
  // The notifications of the control's children go on to its parent (a group box).
  bool passesChildNotifications = false;
  // Sees WM_CHAR before the control: a key set to 0 is swallowed.
  std::function<void(HWND control, wchar_t& key)> keyPress;
  // Runs after the control took the focus.
  std::function<void(HWND control)> afterFocus;
  // Answers WM_GETOBJECT for the control's client object; 0 leaves it to the control.
  std::function<LRESULT(HWND control, WPARAM wParam)> clientObject;
};

// The control's additions, put in front of it on first use. Null for a window
// whose GWLP_USERDATA is taken (a window class of our own).
ControlExtras* ExtrasOf(HWND control);

// Messages a container passes to its parent, so that the form sees its
// grandchildren's notifications.
bool IsForwardedToParent(UINT msg);

}  // namespace winui
