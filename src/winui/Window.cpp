#include "winui/Window.h"

#include <windowsx.h>

#include <stdexcept>

#include "winui/Controls.h"
#include "winui/ExceptionBox.h"
#include "winui/Gdi.h"
#include "winui/WindowClass.h"

namespace winui {

Window::~Window() {
  // A child frame that was not Owned, its parent's window still there: the
  // window goes without a handler seeing the object's remains.
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void Window::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool Window::CreateBound(const std::wstring& className, DWORD exStyle, const std::wstring& caption, DWORD style,
                         int left, int top, int width, int height, HWND parent, int id) {
  if (!(style & WS_CHILD) && !owned_) throw std::logic_error("a window object is made as winui::Owned<T>");
  if (hwnd_ || !EnsureWindowClass(className.c_str(), &Window::WindowProc)) return false;
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  HWND created = CreateWindowExW(exStyle, className.c_str(), caption.c_str(), style, left, top, width, height, parent,
                                 menu, GetModuleHandleW(nullptr), static_cast<Window*>(this));
  return created != nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = nullptr;
  if (msg == WM_NCCREATE) {
    window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  } else {
    window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  try {
    return window->Dispatch(msg, wParam, lParam);
  } catch (...) {
    ShowCurrentException(GetAncestor(hwnd, GA_ROOT));
    return 0;
  }
}

LRESULT Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnMessage(msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == static_cast<UINT>(TCN_SELCHANGE)) ShowSelectedTabPage(header->hwndFrom);
      return OnNotify(*header);
    }
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_PAINT: {
      PaintDc dc(hwnd_);
      OnPaint(dc.Get(), dc.Dirty());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(hwnd_, &client);
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (lParam & PRF_ERASEBKGND) OnEraseBackground(dc);
      OnPaint(dc, client);
      return 0;
    }
    case WM_ERASEBKGND:
      if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (lParam == 0) {  // from a control's scroll bar lParam is the control
        const int bar = msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd_, bar, &info);
        if (bar == SB_VERT) OnVScroll(LOWORD(wParam), info.nTrackPos);
        else OnHScroll(LOWORD(wParam), info.nTrackPos);
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      if (OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam))) return 0;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      OnMouseDown(msg == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right, GET_X_LPARAM(lParam),
                  GET_Y_LPARAM(lParam));
      return 0;
    case WM_GETOBJECT:
      if (LRESULT answer = 0; OnGetObject(wParam, lParam, answer)) return answer;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    default:
      if (msg >= WM_APP && msg <= 0xBFFF) return OnAppMessage(msg, wParam, lParam);
      break;
  }
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace winui
