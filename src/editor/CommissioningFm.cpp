#include "editor/CommissioningFm.h"

#include <algorithm>

#include "winui/Controls.h"

namespace {

constexpr int kClientWidth = 420;
constexpr int kClientHeight = 196;

}  // namespace

bool TCommissioningFm::CreateForm(HWND owner) {
  if (!Form::Create(winui::DialogDescription(kClassName, L"動作確認", kClientWidth, kClientHeight, owner))) return false;
  PlaceBesideOwner(owner);
  return true;
}

void TCommissioningFm::OnCreate() {
  const HFONT font = FontHandle();
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  winui::CreateLabel(Handle(), question_.progress, 12, 10, font);
  winui::CreateControl(Handle(), L"STATIC", question_.words, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS |
                       SS_NOPREFIX, 0, {12, 30, 396, 24}, kWordsLabelId, winui::SharedFont(L"Tahoma", 16, true));
  winui::CreateControl(Handle(), L"STATIC", question_.finding, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                       {12, 60, 396, 30}, kFindingLabelId, font);
  winui::CreateLabel(Handle(), L"動きましたか？", 12, 98, font);
  // Creation order is the tab order: the answers first, the note, then 中止.
  winui::CreateButton(Handle(), kWorkedButtonId, L"動いた", {12, 120, 90, 28}, font);
  winui::CreateButton(Handle(), kNotWorkedButtonId, L"動かない", {108, 120, 90, 28}, font);
  winui::CreateButton(Handle(), kSkipButtonId, L"飛ばす", {204, 120, 90, 28}, font);
  winui::CreateLabel(Handle(), L"メモ", 12, 163, font);
  noteEdit_ = winui::CreateEdit(Handle(), kNoteEditId, L"", {48, 160, 246, 21}, font);
  winui::CreateButton(Handle(), kTyuusiButtonId, L"中止", {318, 158, 90, 28}, font);
  focus_ = GetDlgItem(Handle(), kWorkedButtonId);
}

bool TCommissioningFm::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  if (msg != WM_ACTIVATE) return false;
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focused = GetFocus();
    if (focused && IsChild(Handle(), focused)) focus_ = focused;
  } else if (focus_) {
    SetFocus(focus_);
  }
  result = 0;
  return true;
}

void TCommissioningFm::OnCommand(int id, int code, HWND) {
  if (id == IDOK) {
    // Enter: the focused answer button, or 動いた from the note.
    const int focused = GetDlgCtrlID(GetFocus());
    id = (focused == kNotWorkedButtonId || focused == kSkipButtonId || focused == kTyuusiButtonId) ? focused
                                                                                                   : kWorkedButtonId;
    code = BN_CLICKED;
  }
  if (id == IDCANCEL) return Close();
  if (code != BN_CLICKED) return;
  switch (id) {
    case kWorkedButtonId: return Answered(commissioning::Outcome::Worked);
    case kNotWorkedButtonId: return Answered(commissioning::Outcome::DidNotWork);
    case kSkipButtonId: return Answered(commissioning::Outcome::Skipped);
    case kTyuusiButtonId: return Close();
    default: return;
  }
}

void TCommissioningFm::Answered(commissioning::Outcome outcome) {
  answer_ = outcome;
  note_ = winui::GetText(noteEdit_);
  SetModalResult(winui::ModalResult::Ok);
}

void TCommissioningFm::PlaceBesideOwner(HWND owner) {
  RECT self{};
  GetWindowRect(Handle(), &self);
  const int width = self.right - self.left;
  const int height = self.bottom - self.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Right of the owner, else left of it, else in the work area's bottom-right corner.
  int left = work.right - width;
  int top = work.bottom - height;
  RECT o{};
  if (owner && GetWindowRect(owner, &o)) {
    const int ownerTop = std::max<int>(o.top, work.top);
    if (o.right + width <= work.right) {
      left = o.right;
      top = std::min<int>(ownerTop, work.bottom - height);
    } else if (o.left - width >= work.left) {
      left = o.left - width;
      top = std::min<int>(ownerTop, work.bottom - height);
    }
  }
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
