#include "editor/InputStringFm.h"

#include "winui/AccessibleName.h"
#include "winui/Controls.h"

bool TInputStringFm::CreateForm(HWND owner) {
  winui::FormDescription description = winui::DialogDescription(kClassName, L"文字列入力", 235, 196, owner);
  description.style = WS_OVERLAPPEDWINDOW;  // an ordinary sizeable border
  return Create(description);
}

void TInputStringFm::OnCreate() {
  HFONT font = FontHandle();
  Label1 = winui::CreateLabel(Handle(), L"これはあくまでも簡易的なものです。", 59, 8, font);
  VString = winui::CreateEdit(Handle(), kVString, L"", {59, 56, 121, 21}, font, 0, winui::ImeMode::Hiragana);
  winui::SetAccessibleName(VString, L"文字列入力");  // the note above it is no name
  Button1 = winui::CreateButton(Handle(), kButton1, L"OK", {24, 136, 75, 25}, font);
  Button2 = winui::CreateButton(Handle(), kButton2, L"Cancel", {105, 136, 75, 25}, font);
  SetDialogButtons(Button1, kButton2);
  SetFocus(VString);
}

std::wstring TInputStringFm::Text() const { return winui::GetText(VString); }

void TInputStringFm::OnCommand(int id, int code, HWND /*control*/) {
  const int button = ClickedButton(id, code);
  if (button == kButton1) SetModalResult(winui::ModalResult::Ok);
  if (button == kButton2) SetModalResult(winui::ModalResult::Cancel);
}
