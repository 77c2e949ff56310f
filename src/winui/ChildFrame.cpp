#include "winui/ChildFrame.h"

#include "winui/Contrast.h"
#include "winui/Dpi.h"
#include "winui/Scaling.h"

namespace winui {

bool ChildFrame::CreateFrame(const std::wstring& className, HWND parent, const Rect& place, COLORREF background,
                             DWORD style, int id) {
  background_.Reset(CreateSolidBrush(background));
  backgroundColor_ = background;
  const Rect scaled = ScaleRect(place, WindowDpi(parent));
  if (!CreateBound(className, WS_EX_CONTROLPARENT, L"", style | WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, scaled.left,
                   scaled.top, scaled.width, scaled.height, parent, id)) {
    return false;
  }
  RememberDesign(Handle(), place, nullptr);
  return true;
}

HBRUSH ChildFrame::BackgroundBrush() const {
  return HighContrastOn() ? GetSysColorBrush(COLOR_BTNFACE) : background_.Get();
}

COLORREF ChildFrame::BackgroundColor() const { return ContrastColor(backgroundColor_, COLOR_BTNFACE); }

bool ChildFrame::OnEraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, BackgroundBrush());
  return true;
}

}  // namespace winui
