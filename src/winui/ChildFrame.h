#pragma once
// A child window of our own on the shared window part: a frame that handles
// its own controls' commands, paints its background in one colour and can
// scroll. Tab navigation goes into it (WS_EX_CONTROLPARENT). In high contrast
// the colour gives way to the theme's face colour.
#include <windows.h>

#include <string>

#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/Window.h"

namespace winui {

class ChildFrame : public Window {
 public:
  // `className` is registered on first use; extra styles such as WS_VSCROLL go in `style`.
  bool CreateFrame(const std::wstring& className, HWND parent, const Rect& place, COLORREF background,
                   DWORD style = 0, int id = 0);
  HBRUSH BackgroundBrush() const;
  COLORREF BackgroundColor() const;

 protected:
  bool OnEraseBackground(HDC dc) override;

 private:
  Brush background_;
  COLORREF backgroundColor_ = 0;
};

}  // namespace winui
