#include "editor/LearnedCodesGroup.h"

#include <vector>

#include "data/OptionMdl.h"
#include "devices/win/IrTestSend.h"
#include "table/CellRegistration.h"
#include "table/CommandCode.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace panel;

namespace edit_command {

namespace {

enum : int {
  kBox = kLearnedIds,
  kMemoEdit,
  kRemoconBaseFrame,
  kRepeat,
  kStillStop,
  kNextButton,
  kAddRemokon,
  kAllDelete,
  kTestRemocon,
};

// A cell stores nine code texts; the list itself would take a tenth.
constexpr wchar_t kTooManyCodes[] = L"リモコン送信データは１つのボタンに９個まで登録できます。";

std::wstring RowNumber(int row) { return std::to_wstring(row + 1) + L"番目のリモコン送信データ"; }

}  // namespace

void LearnedCodesGroup::Create(HWND form, HFONT font) {
  using winui::Rect;
  form_ = form;
  box_ = winui::CreateGroupBox(form, kBox, L"学習リモコンオプション", Rect{183, 35, 378, 249}, font);
  Label3 = winui::CreateLabel(box_, L"メモ", 16, 16, font);
  MemoEdit = winui::CreateEdit(box_, kMemoEdit, L"", Rect{51, 13, 308, 21}, font);
  RemoconBaseFrame.CreateList(box_, Rect{-1, 40, 358, 130}, font, kRemoconBaseFrame);
  Repeat = winui::CreateCheckBox(box_, kRepeat, L"繰り返せるように", Rect{3, 176, 97, 17}, font);
  StillStop = winui::CreateCheckBox(box_, kStillStop, L"停止まで押しっぱなし", Rect{113, 176, 130, 17}, font);
  NextButton = winui::CreateCheckBox(box_, kNextButton, L"次の送信を待つ", Rect{246, 176, 97, 17}, font);
  AddRemokon = winui::CreateButton(box_, kAddRemokon, L"リモコン学習追加", Rect{18, 221, 105, 25}, font);
  AllDelete = winui::CreateButton(box_, kAllDelete, L"全削除", Rect{129, 221, 75, 25}, font);
  TestRemocon = winui::CreateButton(box_, kTestRemocon, L"テスト", Rect{264, 221, 75, 25}, font);
  winui::SetTabOrder({Label3, RemoconBaseFrame.Handle(), AddRemokon, TestRemocon, AllDelete, MemoEdit, Repeat,
                      NextButton, StillStop});
  UpdateSendOptions();
}

void LearnedCodesGroup::Load(const CButtonInfo& cell) {
  const CellCode code = cell.GetCode();
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
}

// The list rows and the three check boxes keep what they hold.
void LearnedCodesGroup::Reset() { memo_.Set(MemoEdit, ""); }

std::wstring LearnedCodesGroup::Contents() const {
  std::wstring contents = winui::GetText(MemoEdit);
  for (HWND box : {Repeat, StillStop, NextButton}) contents += Ticked(box) ? L"\t1" : L"\t0";
  for (int i = 0; i < RemoconBaseFrame.RowCount(); ++i) {
    const TRemoconFr& row = RemoconBaseFrame.RowAt(i);
    contents += L'\n' + winui::GetText(row.MemoEdit) + L'\t' + winui::SjisToWide(row.CodeText());
  }
  return contents;
}

bool LearnedCodesGroup::RefusesCell(const CButtonInfo& cell) const {
  if (InfraredKeyForOrdinal(cell.GetIndex())) return false;
  Warn(L"このボタンには学習リモコン送信を登録できません。学習リモコン送信はパネルの先頭から160個目までのボタンに登録できます。");
  return true;
}

void LearnedCodesGroup::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kRepeat:     // RepeatClick
    case kStillStop:  // StillStopClick
      UpdateSendOptions();
      break;
    case kAddRemokon: AddRemokonClick(); break;
    case kAllDelete: AllDeleteClick(); break;
    case kTestRemocon: TestRemoconClick(); break;
    default: break;
  }
}

void LearnedCodesGroup::UpdateSendOptions() {
  const SendOptionsEnabled enabled = EnabledSendOptions(RemoconBaseFrame.RowCount(), Ticked(Repeat), Ticked(StillStop));
  EnableWindow(Repeat, enabled.repeat);
  EnableWindow(StillStop, enabled.stillStop);
  EnableWindow(NextButton, enabled.nextButton);
}

bool LearnedCodesGroup::Register(CButtonInfo& cell) {
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
  if (RefusesCell(cell)) return false;
  const LearnedVerdict verdict = CheckLearnedRows(cell.GetIndex(), rows);
  switch (verdict.refusal) {
    case LearnedRefusal::kNone: break;
    case LearnedRefusal::kNoInfraredKey:  // told by RefusesCell
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
  WriteLearnedCodes(cell, flag, *memo, rows);
  return true;
}

void LearnedCodesGroup::AddRemokonClick() {
  // Refused before the device is used: a code learned now could not be stored.
  if (RemoconBaseFrame.RowCount() >= CButtonInfo::kMaxCodeTexts) {
    Warn(kTooManyCodes);
    return;
  }
  const std::string code = options_.LearnIrCode(form_);
  if (code.empty()) return;
  RemoconBaseFrame.AddRow(code);
  UpdateSendOptions();
}

void LearnedCodesGroup::AllDeleteClick() {
  const int rows = RemoconBaseFrame.RowCount();
  if (rows == 0) return;
  if (!winui::AskYesNo(form_, rows == 1 ? L"このデータを削除しても良いですか？"
                                        : L"これら全てのデータを削除しても良いですか？")) {
    return;
  }
  RemoconBaseFrame.ClearRows();
  UpdateSendOptions();
}

void LearnedCodesGroup::TestRemoconClick() {
  std::vector<std::string> codes;
  for (int i = 0; i < RemoconBaseFrame.RowCount(); ++i) codes.push_back(RemoconBaseFrame.RowAt(i).CodeText());
  devices::RunIrTestSend(form_, options_.IrDevice(), codes, Ticked(StillStop), Ticked(NextButton));
}

void LearnedCodesGroup::Warn(const std::wstring& text) const { winui::ShowWarning(form_, text); }

}  // namespace edit_command
