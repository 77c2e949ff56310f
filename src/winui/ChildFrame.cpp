#include "winui/ChildFrame.h"

namespace winui {

bool ChildFrame::CreateFrame(const std::wstring& className, HWND parent, const Rect& place, COLORREF background,
                             DWORD style, int id) {
  background_.Reset(CreateSolidBrush(background));
  return CreateBound(className, WS_EX_CONTROLPARENT, L"", style | WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left,
                     place.top, place.width, place.height, parent, id);
}

bool ChildFrame::OnEraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, background_.Get());
  return true;
}

}  // namespace winui
