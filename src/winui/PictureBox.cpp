#include "winui/PictureBox.h"

#include "winui/Gdi.h"
#include "winui/WindowClass.h"

namespace winui {

namespace {

constexpr wchar_t kClass[] = L"WinUiPictureBox";

void Paint(HWND hwnd, HDC dc) {
  RECT client{};
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const auto* picture = reinterpret_cast<const Picture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!picture || picture->Empty()) return;
  MemoryDc source(dc);
  ScopedSelectObject select(source.Get(), picture->Handle());
  BitBlt(dc, 0, 0, picture->Width(), picture->Height(), source.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PaintDc dc(hwnd);
      Paint(hwnd, dc.Get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(hwnd, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

HWND CreatePictureBox(HWND parent, const Rect& place, int id) {
  if (!EnsureWindowClass(kClass, PictureBoxProc)) return nullptr;
  return CreateControl(parent, kClass, L"", 0, 0, place, id, nullptr);
}

void SetPictureBoxPicture(HWND box, const Picture* picture) {
  SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
  InvalidateRect(box, nullptr, TRUE);
}

}  // namespace winui
