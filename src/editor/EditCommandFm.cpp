#include "editor/EditCommandFm.h"

#include <stdexcept>
#include <vector>

#include "data/OptionMdl.h"
#include "devices/core/RelayCommand.h"
#include "devices/win/IrTestSend.h"
#include "devices/win/RelaySend.h"
#include "editor/EditCommandIds.h"
#include "table/CellRegistration.h"
#include "table/CommandCode.h"
#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace edit_command;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// A cell stores nine code texts; the list itself would take a tenth.
constexpr wchar_t kTooManyCodes[] = L"リモコン送信データは１つのボタンに９個まで登録できます。";

TOptionMdl& DataModule() {
  if (!OptionMdl) throw std::logic_error("OptionMdl is not created");
  return *OptionMdl;
}

// An auto-sized label keeps fitting its text.
void SetLabelText(HWND label, const std::wstring& text) {
  RECT size{0, 0, 0, 0};
  {
    winui::WindowDc dc(label);
    winui::ScopedSelectObject select(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size, DT_CALCRECT | DT_NOPREFIX);
  }
  // Its parent, a group box, paints no background where a shrinking label
  // was: the label clears its old text itself before it shrinks.
  winui::SetText(label, L"");
  UpdateWindow(label);
  SetWindowPos(label, nullptr, 0, 0, size.right, size.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  winui::SetText(label, text);
}

// The relay number as the relay test reads it: ASCII digits only, anything
// else ends the number.
std::string NumberText(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) {
    if (c >= 0x80) break;
    narrow.push_back(static_cast<char>(c));
  }
  return narrow;
}

std::wstring RowNumber(int row) { return std::to_wstring(row + 1) + L"番目のリモコン送信データ"; }

}  // namespace

TEditCommandFm::~TEditCommandFm() {
  // The list and its rows go with the dialog's window while every object is whole.
  Destroy();
}

void TEditCommandFm::OnCreate() {
  CreateControls();
  // FormCreate: the kinds, none selected.
  for (const CommandKindEntry& entry : CommandKinds) {
    SendMessageW(Command, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
  }
  UpdateSendOptions();
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
  switch (currentKind_) {
    case '#': {
      memo_.Set(MemoEdit, cell.GetMemo());
      for (int i = 0; i < cell.GetCount(); ++i) {
        TRemoconFr* row = RemoconBaseFrame.AddRow("");
        if (!row) break;
        const LearnedRow text = SplitLearnedText(cell.GetText(i));
        row->SetMemoText(text.memo);
        row->SetCodeText(text.code);
      }
      SendMessageW(Repeat, BM_SETCHECK, code[3] == '+' ? BST_CHECKED : BST_UNCHECKED, 0);
      SendMessageW(StillStop, BM_SETCHECK, code[3] == '-' ? BST_CHECKED : BST_UNCHECKED, 0);
      SendMessageW(NextButton, BM_SETCHECK, code[3] == 'N' ? BST_CHECKED : BST_UNCHECKED, 0);
      UpdateSendOptions();
      break;
    }
    case 'G':
      winui::SetText(PanelName, winui::SjisToWide(std::string(1, code[1])));
      UpdatePanelFileLabel();
      break;
    case 'R':
      gaibuCommand_.Set(GaibuCommand, cell.GetCommandText());
      break;
    case 'X': {
      // Shown in decimal: relay 10 is stored as 'A' and shows as 10. A
      // character that is no relay at all is shown as it is.
      const auto number = RelayCharToNumber(code[1]);
      winui::SetText(RelayNumber, number ? std::to_wstring(*number) : winui::SjisToWide(std::string(1, code[1])));
      switch (RelayActionFromChar(code[3])) {
        case ::RelayAction::Toggle: SelectRelayAction(1); break;
        case ::RelayAction::HoldUntilClick: SelectRelayAction(2); break;
        default: SelectRelayAction(0); break;
      }
      break;
    }
    default:
      break;
  }
}

void TEditCommandFm::ShowKindGroup() {
  for (HWND group : {GroupRelay, GroupBuffalo, GroupPanel, GroupGaibu}) ShowWindow(group, SW_HIDE);
  HWND picked = nullptr;
  switch (currentKind_) {
    case 'X': picked = GroupRelay; break;
    case '#':
      UpdateSendOptions();
      picked = GroupBuffalo;
      break;
    case 'G': picked = GroupPanel; break;
    case 'R': picked = GroupGaibu; break;
    default: return;
  }
  RECT place{};
  GetWindowRect(picked, &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(picked, nullptr, place.left, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(picked, SW_SHOW);
}

void TEditCommandFm::UpdatePanelFileLabel() {
  const std::wstring name = winui::GetText(PanelName);
  if (name.empty()) {
    colors_.Set(PanelFileName, kRed);
    SetLabelText(PanelFileName, L"パネル名の最後の１文字を入れてください");
  } else {
    colors_.Set(PanelFileName, kBlack);
    SetLabelText(PanelFileName, L"機器操作" + name + L".tbl　に切り替える");
  }
}

void TEditCommandFm::UpdateSendOptions() {
  const SendOptionsEnabled enabled = EnabledSendOptions(RemoconBaseFrame.RowCount(), Ticked(Repeat), Ticked(StillStop));
  EnableWindow(Repeat, enabled.repeat);
  EnableWindow(StillStop, enabled.stillStop);
  EnableWindow(NextButton, enabled.nextButton);
}

int TEditCommandFm::RelayActionIndex() const {
  for (size_t i = 0; i < RelayActionItems.size(); ++i) {
    if (SendMessageW(RelayActionItems[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
  }
  return -1;
}

void TEditCommandFm::SelectRelayAction(int index) {
  for (size_t i = 0; i < RelayActionItems.size(); ++i) {
    SendMessageW(RelayActionItems[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

bool TEditCommandFm::Ticked(HWND checkBox) const {
  return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HBRUSH TEditCommandFm::OnCtlColor(HDC dc, HWND control) { return colors_.Answer(dc, control); }

void TEditCommandFm::OnCommand(int id, int code, HWND /*control*/) {
  if (id == kCommand) {
    if (code == CBN_SELCHANGE) CommandChange();
    return;
  }
  if (id == kPanelName) {
    if (code == EN_CHANGE) UpdatePanelFileLabel();  // PanelNameChange
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kTourokuButton: TourokuButtonClick(); break;
    case kTyuusiButton:
    case IDCANCEL:  // Esc asks like 中止
      TyuusiButtonClick();
      break;
    case kRepeat:     // RepeatClick
    case kStillStop:  // StillStopClick
      UpdateSendOptions();
      break;
    case kAddRemokon: AddRemokonClick(); break;
    case kAllDelete: AllDeleteClick(); break;
    case kTestRemocon: TestRemoconClick(); break;
    case kRelayTestButton: RelayTestButtonClick(); break;
    default: break;  // Enter and Esc do nothing: only 登録 and 中止 leave
  }
}

void TEditCommandFm::CommandChange() {
  const LRESULT selected = SendMessageW(Command, CB_GETCURSEL, 0, 0);
  if (selected < 0 || selected >= static_cast<LRESULT>(CommandKinds.size())) return;
  currentKind_ = CommandKinds[static_cast<size_t>(selected)].kind;
  switch (currentKind_) {
    case 'X':
      SelectRelayAction(0);
      winui::SetText(RelayNumber, L"0");
      break;
    case 'G':
      winui::SetText(PanelName, L"");
      UpdatePanelFileLabel();
      break;
    case '#':
      memo_.Set(MemoEdit, "");
      break;
    case 'R':
      gaibuCommand_.Set(GaibuCommand, "");
      break;
    default:
      break;
  }
  ShowKindGroup();
}

void TEditCommandFm::TourokuButtonClick() {
  if (!cell_) return;
  bool ok = true;
  switch (currentKind_) {
    case ' ': cell_->ReplaceCode(NoneCode()); break;
    case 'Q': cell_->ReplaceCode(CloseCode()); break;
    case 'G': ok = RegisterPanelSwitch(); break;
    case 'R': ok = RegisterExternalProgram(); break;
    case 'X': ok = RegisterRelay(); break;
    case '#': ok = RegisterLearnedCodes(); break;
    default: break;
  }
  if (ok) SetModalResult(winui::ModalResult::Ok);
}

bool TEditCommandFm::RegisterPanelSwitch() {
  const std::wstring name = winui::GetText(PanelName);
  if (name.size() != 1 || name[0] >= 0x80) return false;
  const auto code = PanelSwitchCode(static_cast<char>(name[0]));
  if (!code) return false;
  cell_->ReplaceCode(*code);
  return true;
}

bool TEditCommandFm::RegisterExternalProgram() {
  if (winui::GetText(GaibuCommand).size() < 2) return false;
  const auto command = gaibuCommand_.Read(GaibuCommand);
  if (!command) {
    Warn(L"コマンドラインに使えない文字が含まれています。");
    return false;
  }
  // The cell would take it as a memo and hold no command line at all.
  if (command->front() == '\'') {
    Warn(L"コマンドラインの先頭に ' は使えません。");
    return false;
  }
  // The table file numbers external programs with one character each.
  if (table_ && !ExternalProgramFits(*table_, cell_->GetIndex())) {
    Warn(L"外部プログラムの実行は１つのパネルに６２個までしか登録できません。");
    return false;
  }
  cell_->ReplaceCode(ExternalProgramCode());
  cell_->ClearTexts();
  cell_->AddText(*command);
  return true;
}

bool TEditCommandFm::RegisterRelay() {
  const int number = devices::ParseRelayNumber(NumberText(winui::GetText(RelayNumber)));
  static constexpr ::RelayAction kActions[] = {::RelayAction::OneSecondOn, ::RelayAction::Toggle,
                                               ::RelayAction::HoldUntilClick};
  const int action = RelayActionIndex();
  const auto code = RelayCode(number, action < 0 ? ::RelayAction::Toggle : kActions[action]);
  if (!code) return false;
  cell_->ReplaceCode(*code);
  return true;
}

bool TEditCommandFm::RegisterLearnedCodes() {
  std::vector<LearnedRow> rows;
  for (int i = 0; i < RemoconBaseFrame.RowCount(); ++i) {
    TRemoconFr& row = RemoconBaseFrame.RowAt(i);
    const auto memo = row.MemoText();
    if (!memo) {
      Warn(RowNumber(i) + L"のメモに使えない文字が含まれています。");
      return false;
    }
    rows.push_back(LearnedRow{*memo, row.CodeText()});
  }
  const auto memo = memo_.Read(MemoEdit);
  if (!memo) {
    Warn(L"メモに使えない文字が含まれています。");
    return false;
  }
  const LearnedVerdict verdict = CheckLearnedRows(cell_->GetIndex(), rows);
  switch (verdict.refusal) {
    case LearnedRefusal::kNone: break;
    case LearnedRefusal::kNoInfraredKey:
      Warn(L"このボタンには学習リモコン送信を登録できません。学習リモコン送信はパネルの先頭から160個目までのボタンに登録できます。");
      return false;
    case LearnedRefusal::kNoRows:
      Warn(L"リモコン送信データがありません");
      return false;
    case LearnedRefusal::kUnlearned:
      Warn(L"送信データが学習されていないものがあります。");
      return false;
    case LearnedRefusal::kTooManyRows:
      Warn(kTooManyCodes);
      return false;
    case LearnedRefusal::kMemoApostrophe:
      Warn(RowNumber(verdict.row) + L"のメモが ' で始まっています。このままでは登録できません。");
      return false;
    case LearnedRefusal::kMemoTab:
      Warn(RowNumber(verdict.row) + L"のメモにタブ文字が含まれています。このままでは登録できません。");
      return false;
  }
  const InfraredSendFlag flag =
      ChooseSendFlag(Ticked(StillStop), Ticked(Repeat), IsWindowEnabled(NextButton) != FALSE, Ticked(NextButton));
  WriteLearnedCodes(*cell_, flag, *memo, rows);
  return true;
}

void TEditCommandFm::TyuusiButtonClick() {
  if (winui::AskYesNo(Handle(), L"キャンセルしても良いですか？")) SetModalResult(winui::ModalResult::Cancel);
}

void TEditCommandFm::AddRemokonClick() {
  // Refused before the device is used: a code learned now could not be stored.
  if (RemoconBaseFrame.RowCount() >= CButtonInfo::kMaxCodeTexts) {
    Warn(kTooManyCodes);
    return;
  }
  const std::string code = DataModule().LearnIrCode(Handle());
  if (code.empty()) return;
  RemoconBaseFrame.AddRow(code);
  UpdateSendOptions();
}

void TEditCommandFm::AllDeleteClick() {
  const int rows = RemoconBaseFrame.RowCount();
  if (rows == 0) return;
  if (!winui::AskYesNo(Handle(), rows == 1 ? L"このデータを削除しても良いですか？"
                                           : L"これら全てのデータを削除しても良いですか？")) {
    return;
  }
  RemoconBaseFrame.ClearRows();
  UpdateSendOptions();
}

void TEditCommandFm::TestRemoconClick() {
  std::vector<std::string> codes;
  for (int i = 0; i < RemoconBaseFrame.RowCount(); ++i) codes.push_back(RemoconBaseFrame.RowAt(i).CodeText());
  devices::RunIrTestSend(Handle(), DataModule().IrDevice(), codes, Ticked(StillStop), Ticked(NextButton));
}

void TEditCommandFm::RelayTestButtonClick() {
  devices::RelayTestClick(Handle(), winui::GetText(RelayNumber), RelayActionIndex(), DataModule().RelayPort);
}

void TEditCommandFm::Warn(const std::wstring& text) { winui::ShowWarning(Handle(), text); }
