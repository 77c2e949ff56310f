#include "ScreenShot.h"

#include "winui/Gdi.h"
#include "winui/MessagePump.h"
#include "winui/Picture.h"
#include "winui/TextConv.h"

bool SaveScreenShot(HWND window, const std::wstring& file) {
  winui::PumpUntil([] { return false; }, 300);
  RECT r{};
  GetWindowRect(window, &r);
  winui::Picture picture;
  if (!picture.Create(r.right - r.left, r.bottom - r.top, RGB(255, 255, 255))) return false;
  {
    winui::WindowDc screen(nullptr);
    winui::MemoryDc memory(screen.Get());
    winui::ScopedSelectObject select(memory.Get(), picture.Handle());
    BitBlt(memory.Get(), 0, 0, picture.Width(), picture.Height(), screen.Get(), r.left, r.top, SRCCOPY);
  }
  const auto path = winui::WideToSjis(file);
  return path && picture.SaveToFile(*path).empty();
}
