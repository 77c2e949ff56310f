#include "app/DuplicatePanelFm.h"

#include "winui/Controls.h"

bool TDuplicatePanelFm::CreateForm(HWND owner, std::wstring tableName) {
  tableName_ = std::move(tableName);
  return Create(winui::DialogDescription(kClassName, L"パネルの複製", 300, 116, owner));
}

void TDuplicatePanelFm::OnCreate() {
  HFONT font = FontHandle();
  winui::CreateLabel(Handle(), L"「" + tableName_ + L"」を複製します。", 16, 14, font);
  winui::CreateLabel(Handle(), L"新しいテーブルファイル識別子", 16, 44, font);
  IdentifierEd = winui::CreateEdit(Handle(), kIdentifier, L"", {176, 41, 25, 21}, font, 1, winui::ImeMode::Off);
  const HWND ok = winui::CreateButton(Handle(), kOkButton, L"OK", {128, 78, 75, 25}, font);
  winui::CreateButton(Handle(), kCancelButton, L"キャンセル", {210, 78, 75, 25}, font);
  SetDialogButtons(ok, kCancelButton);
  SetFocus(IdentifierEd);
}

std::wstring TDuplicatePanelFm::Identifier() const { return winui::GetText(IdentifierEd); }

void TDuplicatePanelFm::OnCommand(int id, int code, HWND /*control*/) {
  const int button = ClickedButton(id, code);
  if (button == kOkButton) SetModalResult(winui::ModalResult::Ok);
  if (button == kCancelButton) SetModalResult(winui::ModalResult::Cancel);
}
