#include "app/RestoreVersionFm.h"

#include "winui/Controls.h"

bool TRestoreVersionFm::CreateForm(HWND owner) {
  return Create(winui::DialogDescription(kClassName, L"以前の版に戻す", 460, 250, owner));
}

void TRestoreVersionFm::OnCreate() {
  HFONT font = FontHandle();
  winui::CreateLabel(Handle(), L"クロヴァンに戻す版を選んでください（新しい順、公開で置き換えられた日時）", 12, 10, font);
  VersionList = winui::CreateListBox(Handle(), kVersionList, {12, 30, 436, 170}, font);
  for (const Version& version : versions_) {
    SendMessageW(VersionList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(version.line.c_str()));
  }
  SendMessageW(VersionList, LB_SETCURSEL, 0, 0);
  const HWND restore = winui::CreateButton(Handle(), kRestoreButton, L"戻す", {292, 212, 75, 25}, font);
  winui::CreateButton(Handle(), kCancelButton, L"キャンセル", {373, 212, 75, 25}, font);
  SetDialogButtons(restore, kCancelButton);
  SetFocus(VersionList);
}

std::string TRestoreVersionFm::Chosen() const {
  const LRESULT at = SendMessageW(VersionList, LB_GETCURSEL, 0, 0);
  if (at == LB_ERR || static_cast<size_t>(at) >= versions_.size()) return {};
  return versions_[static_cast<size_t>(at)].entryName;
}

void TRestoreVersionFm::OnCommand(int id, int code, HWND /*control*/) {
  const int button = ClickedButton(id, code);
  const bool chosen = (id == kVersionList && code == LBN_DBLCLK) || button == kRestoreButton;
  if (chosen && !Chosen().empty()) SetModalResult(winui::ModalResult::Ok);
  if (button == kCancelButton) SetModalResult(winui::ModalResult::Cancel);
}
