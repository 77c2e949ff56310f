#include "editor/ColourChoice.h"

#include <commdlg.h>

#include <cstdio>

namespace {

constexpr LPARAM kNone = 0x7F000000;
constexpr LPARAM kOther = 0x7E000000;

struct NamedColour {
  const wchar_t* name;
  COLORREF colour;
};
constexpr NamedColour kPalette[] = {
    {L"黒", RGB(0, 0, 0)},         {L"白", RGB(255, 255, 255)},     {L"赤", RGB(220, 0, 0)},
    {L"橙", RGB(255, 140, 0)},     {L"黄", RGB(255, 224, 0)},       {L"黄緑", RGB(154, 205, 50)},
    {L"緑", RGB(0, 128, 0)},       {L"水色", RGB(0, 191, 255)},     {L"青", RGB(0, 64, 224)},
    {L"紺", RGB(0, 0, 128)},       {L"紫", RGB(128, 0, 128)},       {L"桃色", RGB(255, 128, 192)},
    {L"茶", RGB(139, 69, 19)},     {L"灰色", RGB(128, 128, 128)},   {L"薄い灰色", RGB(211, 211, 211)},
};

COLORREF ToRef(faces::Colour c) { return RGB(c.r, c.g, c.b); }

std::wstring HexName(COLORREF c) {
  wchar_t text[16];
  std::swprintf(text, 16, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

}  // namespace

int ColourChoice::Add(const std::wstring& text, LPARAM data) {
  const int at = static_cast<int>(SendMessageW(combo_, CB_INSERTSTRING,
                                               static_cast<WPARAM>(SendMessageW(combo_, CB_GETCOUNT, 0, 0) - 1),
                                               reinterpret_cast<LPARAM>(text.c_str())));
  SendMessageW(combo_, CB_SETITEMDATA, at, data);
  return at;
}

void ColourChoice::Create(HWND parent, int id, const winui::Rect& place, HFONT font, const wchar_t* noneText) {
  combo_ = winui::CreateComboBox(parent, id, place, font, false, 300);
  SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"その他…"));
  SendMessageW(combo_, CB_SETITEMDATA, 0, kOther);
  if (noneText) Add(noneText, kNone);
  for (const NamedColour& c : kPalette) Add(c.name, static_cast<LPARAM>(c.colour));
  SendMessageW(combo_, CB_SETCURSEL, 0, 0);
  previous_ = 0;
}

void ColourChoice::Set(std::optional<faces::Colour> colour) {
  const LPARAM wanted = colour ? static_cast<LPARAM>(ToRef(*colour)) : kNone;
  const int count = static_cast<int>(SendMessageW(combo_, CB_GETCOUNT, 0, 0));
  int found = -1;
  for (int i = 0; i < count && found < 0; ++i) {
    if (SendMessageW(combo_, CB_GETITEMDATA, i, 0) == wanted) found = i;
  }
  if (found < 0) found = colour ? Add(HexName(ToRef(*colour)), wanted) : 0;
  SendMessageW(combo_, CB_SETCURSEL, found, 0);
  previous_ = found;
}

std::optional<faces::Colour> ColourChoice::Get() const {
  const int at = static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
  const LPARAM data = at < 0 ? kNone : SendMessageW(combo_, CB_GETITEMDATA, at, 0);
  if (data == kNone || data == kOther) return std::nullopt;
  const COLORREF c = static_cast<COLORREF>(data);
  return faces::Colour{GetRValue(c), GetGValue(c), GetBValue(c)};
}

void ColourChoice::OnSelChange(HWND owner) {
  const int at = static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
  if (at < 0 || SendMessageW(combo_, CB_GETITEMDATA, at, 0) != kOther) {
    previous_ = at;
    return;
  }
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = owner;
  choose.lpCustColors = custom_;
  choose.Flags = CC_FULLOPEN | CC_RGBINIT;
  const LPARAM before = SendMessageW(combo_, CB_GETITEMDATA, previous_, 0);
  choose.rgbResult = before == kNone || before == kOther ? RGB(0, 0, 0) : static_cast<COLORREF>(before);
  if (!ChooseColorW(&choose)) {
    SendMessageW(combo_, CB_SETCURSEL, previous_, 0);
    return;
  }
  Set(faces::Colour{GetRValue(choose.rgbResult), GetGValue(choose.rgbResult), GetBValue(choose.rgbResult)});
}
