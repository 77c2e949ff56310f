#include "editor/InputStringFm.h"

#include "winui/Controls.h"

bool TInputStringFm::CreateForm(HWND owner) {
  winui::FormSpec formSpec;
  formSpec.className = kClassName;
  formSpec.caption = L"文字列入力";
  formSpec.clientWidth = 235;
  formSpec.clientHeight = 196;
  formSpec.style = WS_OVERLAPPEDWINDOW;  // an ordinary sizeable border
  formSpec.placement = winui::FormPlacement::OwnerCenter;
  formSpec.owner = owner;
  return Create(formSpec);
}

void TInputStringFm::OnCreate() {
  font_ = winui::Font::Pixels(L"Tahoma", 11);
  HFONT font = font_.Handle();
  Label1 = winui::CreateLabel(Handle(), L"これはあくまでも簡易的なものです。", 59, 8, font);
  VString = winui::CreateEdit(Handle(), kVString, L"", {59, 56, 121, 21}, font, 0, winui::ImeMode::Hiragana);
  Button1 = winui::CreateButton(Handle(), kButton1, L"OK", {24, 136, 75, 25}, font);
  Button2 = winui::CreateButton(Handle(), kButton2, L"Cancel", {105, 136, 75, 25}, font);
  SendMessageW(Button1, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SetFocus(VString);
}

std::wstring TInputStringFm::Text() const { return winui::GetText(VString); }

void TInputStringFm::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return;
  // Enter and Esc arrive as IDOK and IDCANCEL.
  if (id == kButton1 || id == IDOK) SetModalResult(winui::ModalResult::Ok);
  if (id == kButton2 || id == IDCANCEL) SetModalResult(winui::ModalResult::Cancel);
}
