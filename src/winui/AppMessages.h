#pragma once
// Every private window message of the program, in one place: WM_APP + n, never
// WM_USER (which standard controls use for their own messages). Forms receive
// them in Form::OnAppMessage.
#include <windows.h>

namespace winui {

// A worker thread has finished; the receiving window reads the worker's result
// from the worker object it owns. wParam, lParam: 0.
inline constexpr UINT kMsgWorkerDone = WM_APP + 1;

// A learned-code row asks its list to remove it, once the click on its own
// delete button has been handled. wParam: the row's serial number; lParam: 0.
inline constexpr UINT kMsgRemoveRow = WM_APP + 2;

// A window has just been shown: put the focus in its first field. wParam, lParam: 0.
inline constexpr UINT kMsgFocusFirstField = WM_APP + 3;

// A key is about to reach a window of this top-level form, before the dialog
// keys (Tab, arrows, Enter, Esc) act on it. wParam: the virtual key; lParam:
// kKeyShift | kKeyControl | kKeyAlt as held. Nonzero when the form used the key.
inline constexpr UINT kMsgPreviewKey = WM_APP + 4;
inline constexpr LPARAM kKeyShift = 1;
inline constexpr LPARAM kKeyControl = 2;
inline constexpr LPARAM kKeyAlt = 4;

// F1 was pressed in a window of this program. Sent to that top-level window,
// then to its owner, its owner's owner..., until one answers nonzero; so the
// window at the root of the chain (the main window) says what F1 does for all.
// wParam: the top-level window where F1 was pressed (the owner of any message
// to show); lParam: 0.
inline constexpr UINT kMsgHelp = WM_APP + 5;

// Asks a top-level form for the DPI it is laid out for; its controls are
// scaled to it. wParam, lParam: 0. The DPI, or 0 from a window that is no form.
inline constexpr UINT kMsgFormDpi = WM_APP + 6;

// Posted by a form to itself when it is shown, for work that can wait until
// its first paint is over (start-up forces that paint before the message loop,
// and a posted message is only taken from the loop). wParam, lParam: 0.
inline constexpr UINT kMsgAfterFirstPaint = WM_APP + 7;

// Later messages: WM_APP + 8 onwards, each with the meaning of wParam/lParam.

}  // namespace winui
