#include "editor/RemoconFr.h"

#include "data/OptionMdl.h"
#include "devices/core/IrSend.h"
#include "editor/RemoconBaseFr.h"
#include "winui/Contrast.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

namespace {

enum ControlId : int { kMemoEdit = 100, kGakusyuu, kTestButton, kDelButton, kCommand };

}  // namespace

bool TRemoconFr::CreateRow(HWND parent, int top) {
  return CreateFrame(kClassName, parent, winui::Rect{0, top, kWidth, kHeight}, kColor);
}

void TRemoconFr::OnCreate() {
  using winui::Rect;
  HWND row = Handle();
  HFONT font = list_.ControlFont();
  Label2 = winui::CreateLabel(row, L"メモ", 16, 3, list_.LabelFont());
  MemoEdit = winui::CreateEdit(row, kMemoEdit, L"", Rect{48, 5, 74, 21}, font);
  Gakusyuu = winui::CreateButton(row, kGakusyuu, L"再学習", Rect{128, 3, 57, 17}, font);
  DelButton = winui::CreateButton(row, kDelButton, L"削除", Rect{254, 3, 57, 17}, font);
  TestButton = winui::CreateButton(row, kTestButton, L"テスト", Rect{191, 3, 57, 17}, font);
  // Fixed size: a long code shows as much as fits on one line.
  Command = winui::CreateControl(row, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, Rect{16, 28, 295, 9},
                                 kCommand, list_.CodeFont());
  // Buttons then tell when they get the focus, so that the list can bring the row into view.
  for (HWND button : {Gakusyuu, DelButton, TestButton}) {
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_NOTIFY);
  }
  colors_.Set(Label2, RGB(0, 0, 0));
  colors_.Set(Command, RGB(255, 0, 0));
  winui::SetTabOrder({Label2, MemoEdit, Gakusyuu, DelButton, TestButton, Command});
}

void TRemoconFr::SetCodeText(const std::string& codeSjis) {
  code_ = codeSjis;
  winui::SetText(Command, winui::SjisToWide(code_));
}

void TRemoconFr::OnCommand(int id, int code, HWND /*control*/) {
  if ((id == kMemoEdit && code == EN_SETFOCUS) || (id != kMemoEdit && code == BN_SETFOCUS)) {
    list_.ScrollIntoView(*this);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kGakusyuu: GakusyuuClick(); break;
    case kTestButton: TestButtonClick(); break;
    case kDelButton: DelButtonClick(); break;
    default: break;
  }
}

void TRemoconFr::OnPaint(HDC dc, const RECT& /*dirty*/) {
  // The separator under the row.
  RECT line{};
  GetClientRect(Handle(), &line);
  line.top = line.bottom - 1;
  FillRect(dc, &line, winui::HighContrastOn() ? GetSysColorBrush(COLOR_BTNTEXT)
                                              : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

HBRUSH TRemoconFr::OnCtlColor(HDC dc, HWND control) {
  return colors_.Answer(dc, control, BackgroundBrush(), kColor);
}

void TRemoconFr::GakusyuuClick() {
  // The learning dialog is owned by the window the row sits in: an owner must
  // be a top-level window, and that is the one to keep disabled meanwhile.
  const std::string code = list_.Options().LearnIrCode(GetAncestor(Handle(), GA_ROOT));
  if (!code.empty()) SetCodeText(code);
}

void TRemoconFr::TestButtonClick() {
  const devices::IrEmitStatus status = list_.Options().EmitIrCode(code_);
  if (status != devices::IrEmitStatus::kSent) {
    winui::ShowMessageSjis(Handle(), devices::EmitFailureMessage(status), "警告", winui::MsgButtons::Ok);
  }
}

void TRemoconFr::DelButtonClick() {
  if (!winui::AskYesNo(Handle(), L"このデータを削除しても良いですか？")) return;
  // This row's window is inside the call stack of its own button: the list
  // removes it once this click has been handled.
  list_.RequestRemoval(serial_);
}
