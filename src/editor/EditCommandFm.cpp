#include "editor/EditCommandFm.h"

#include "editor/EditCommandIds.h"
#include "table/CellRegistration.h"
#include "table/CommandCode.h"
#include "winui/MessageBox.h"

using namespace panel;

using namespace edit_command;

void TEditCommandFm::OnCreate() {
  CreateControls();
  // FormCreate: the kinds, none selected.
  for (const CommandKindEntry& entry : CommandKinds) {
    SendMessageW(Command, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
  }
}

OptionGroup* TEditCommandFm::GroupOf(char kind) const {
  for (OptionGroup* group : groups_) {
    if (group->Kind() == kind) return group;
  }
  return nullptr;
}

void TEditCommandFm::LoadCell(CButtonInfo& cell) {
  cell_ = &cell;
  const CellCode code = cell.GetCode();
  currentKind_ = IsInfraredLead(code[0]) ? '#' : code[0];
  int selected = -1;
  for (size_t i = 0; i < CommandKinds.size() && selected < 0; ++i) {
    if (CommandKinds[i].kind == currentKind_) selected = static_cast<int>(i);
  }
  SendMessageW(Command, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  ShowKindGroup();
  if (OptionGroup* group = GroupOf(currentKind_)) group->Load(cell);
  filledKinds_.assign(1, currentKind_);
  loaded_ = Contents();
}

std::wstring TEditCommandFm::Contents() const {
  const OptionGroup* group = GroupOf(currentKind_);
  return std::wstring(1, static_cast<wchar_t>(static_cast<unsigned char>(currentKind_))) + L'\n' +
         (group ? group->Contents() : L"");
}

void TEditCommandFm::ShowKindGroup() {
  for (OptionGroup* group : groups_) ShowWindow(group->Box(), SW_HIDE);
  OptionGroup* picked = GroupOf(currentKind_);
  if (!picked) return;
  picked->BeforeShow();
  RECT place{};
  GetWindowRect(picked->Box(), &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(picked->Box(), nullptr, place.left, Scaled(8), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(picked->Box(), SW_SHOW);
}

HBRUSH TEditCommandFm::OnCtlColor(HDC dc, HWND control) {
  for (OptionGroup* group : groups_) {
    if (HBRUSH brush = group->AnswerColor(dc, control)) return brush;
  }
  return nullptr;
}

void TEditCommandFm::OnCommand(int id, int code, HWND /*control*/) {
  for (OptionGroup* group : groups_) {
    if (group->HoldsId(id)) {
      group->OnCommand(id, code);
      return;
    }
  }
  if (id == kCommand) {
    if (code == CBN_SELCHANGE) CommandChange();
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kTourokuButton: TourokuButtonClick(); break;
    case kTyuusiButton:
    case IDCANCEL:  // Esc asks like 中止
      TyuusiButtonClick();
      break;
    default: break;  // Enter and Esc do nothing: only 登録 and 中止 leave
  }
}

void TEditCommandFm::CommandChange() {
  const LRESULT selected = SendMessageW(Command, CB_GETCURSEL, 0, 0);
  if (selected < 0 || selected >= static_cast<LRESULT>(CommandKinds.size())) return;
  currentKind_ = CommandKinds[static_cast<size_t>(selected)].kind;
  // Passing through the list (its arrow keys choose at every step) must not
  // lose what the cell held or what was typed: a group starts afresh only once.
  if (filledKinds_.find(currentKind_) == std::string::npos) {
    if (OptionGroup* group = GroupOf(currentKind_)) group->Reset();
    filledKinds_ += currentKind_;
  }
  // Nothing to learn for a cell that could never store it; chosen, it is refused at once.
  if (currentKind_ == '#' && cell_ && GroupLearned.RefusesCell(*cell_)) {
    for (OptionGroup* group : groups_) ShowWindow(group->Box(), SW_HIDE);
    return;
  }
  ShowKindGroup();
}

void TEditCommandFm::TourokuButtonClick() {
  if (!cell_) return;
  const CButtonInfo before = *cell_;
  bool ok = true;
  if (OptionGroup* group = GroupOf(currentKind_)) {
    ok = group->Register(*cell_);
  } else if (currentKind_ == ' ') {
    cell_->ReplaceCode(NoneCode());
  } else if (currentKind_ == 'Q') {
    cell_->ReplaceCode(CloseCode());
  }
  if (!ok) return;
  // Registering what the cell already held changes nothing the panel would save.
  if (SameCommand(before, *cell_)) {
    *cell_ = before;
    SetModalResult(winui::ModalResult::Cancel);
    return;
  }
  SetModalResult(winui::ModalResult::Ok);
}

void TEditCommandFm::TyuusiButtonClick() {
  if (Contents() == loaded_ || winui::AskYesNo(Handle(), L"キャンセルしても良いですか？")) {
    SetModalResult(winui::ModalResult::Cancel);
  }
}
