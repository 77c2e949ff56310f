#include "app/DuplicatePanelFm.h"

#include "winui/Controls.h"

bool TDuplicatePanelFm::CreateForm(HWND owner, std::wstring tableName) {
  tableName_ = std::move(tableName);
  winui::FormSpec formSpec;
  formSpec.className = kClassName;
  formSpec.caption = L"パネルの複製";
  formSpec.clientWidth = 300;
  formSpec.clientHeight = 116;
  formSpec.placement = winui::FormPlacement::OwnerCenter;
  formSpec.owner = owner;
  return Create(formSpec);
}

void TDuplicatePanelFm::OnCreate() {
  HFONT font = FontHandle();
  winui::CreateLabel(Handle(), L"「" + tableName_ + L"」を複製します。", 16, 14, font);
  winui::CreateLabel(Handle(), L"新しいテーブルファイル識別子", 16, 44, font);
  IdentifierEd = winui::CreateEdit(Handle(), kIdentifier, L"", {176, 41, 25, 21}, font, 1, winui::ImeMode::Off);
  const HWND ok = winui::CreateButton(Handle(), kOkButton, L"OK", {128, 78, 75, 25}, font);
  winui::CreateButton(Handle(), kCancelButton, L"キャンセル", {210, 78, 75, 25}, font);
  SendMessageW(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SetFocus(IdentifierEd);
}

std::wstring TDuplicatePanelFm::Identifier() const { return winui::GetText(IdentifierEd); }

void TDuplicatePanelFm::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return;
  // Enter and Esc arrive as IDOK and IDCANCEL.
  if (id == kOkButton || id == IDOK) SetModalResult(winui::ModalResult::Ok);
  if (id == kCancelButton || id == IDCANCEL) SetModalResult(winui::ModalResult::Cancel);
}
