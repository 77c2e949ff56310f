// The edit window's history: every edit recorded, undone and redone; the
// unsaved mark follows the history back to the state last saved. While there
// is unsaved work a recovery copy is kept current in the background, and made
// current at once when Windows ends the session.
#include "data/PanelRecovery.h"
#include "editor/PanelEditFm.h"
#include "editor/PicturePixels.h"
#include "faces/FaceFile.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

// Soon after a change, but once for a burst of them.
constexpr UINT kRecoveryDelayMs = 1000;

}  // namespace

void TPanelEditFm::ContinueRecovered(RecoveredWork& work) {
  recovery_ = std::make_unique<TRecoveryThread>(Handle(), work.copyFolder);
  // A copy without faces is kept as its picture rather than drawn again from
  // the faces last saved.
  if (work.faces) {
    faces_.Restore(std::move(*work.faces), std::move(work.background));
  } else {
    faces_.SetActive(false);
  }
  history_.ForgetSavedState();
  Modified = true;
  UpdateStatus();
}

void TPanelEditFm::RecordEdit(std::unique_ptr<IEdit> edit) {
  history_.Record(std::move(edit));
  AfterHistoryStep(L"");
}

void TPanelEditFm::UndoEdit() {
  PicturePixels pixels(panelImage_);
  EditTarget target{*table_, pixels};
  if (const std::string what = history_.Undo(target); !what.empty()) {
    AfterHistoryStep(L"元に戻しました：" + winui::SjisToWide(what));
  }
}

void TPanelEditFm::RedoEdit() {
  PicturePixels pixels(panelImage_);
  EditTarget target{*table_, pixels};
  if (const std::string what = history_.Redo(target); !what.empty()) {
    AfterHistoryStep(L"やり直しました：" + winui::SjisToWide(what));
  }
}

void TPanelEditFm::AfterHistoryStep(const std::wstring& note) {
  historyNote_ = note;
  Modified = !history_.AtSavedState();
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
  UpdateStatus();
  if (Modified) {
    if (!recovery_) recovery_ = std::make_unique<TRecoveryThread>(Handle(), NewRecoveryCopyFolderFor(table_->TablePath()));
    recoveryTimer_.Start(Handle(), kRecoveryTimer, kRecoveryDelayMs);
  } else if (recovery_) {
    // Back at the saved state: nothing is left to recover.
    recoveryTimer_.Stop();
    recovery_->Remove();
  }
}

void TPanelEditFm::AfterSave() {
  history_.MarkSaved();
  Modified = false;
  recoveryTimer_.Stop();
  if (recovery_) recovery_->Remove();
  // Copies this panel kept from earlier runs are superseded too.
  RemoveRecoveryCopies(table_->TablePath());
}

void TPanelEditFm::OnRecoveryTimer() {
  recoveryTimer_.Stop();
  if (recovery_ && Modified) recovery_->Submit(*table_, panelImage_.FileBytes(), FacesForRecovery());
}

bool TPanelEditFm::WriteRecoveryNow() {
  recoveryTimer_.Stop();
  return recovery_ && Modified && recovery_->WriteNow(*table_, panelImage_.FileBytes(), FacesForRecovery());
}

RecoveryFaces TPanelEditFm::FacesForRecovery() const {
  if (!faces_.HasFaces()) return {};
  return {faces::WriteFaceFile(faces_.Faces()), faces_.BackgroundPicture().FileBytes()};
}

std::wstring TPanelEditFm::HistoryStatus() const {
  std::wstring text;
  if (!historyNote_.empty()) text += L"\n" + historyNote_;
  if (recovery_ && Modified && recovery_->LastWriteFailed()) text += L"\n復元用の控えを書けません。早めに保存してください。";
  return text;
}

// Logoff or shutdown: the copy is made current whatever the answer, so that
// even a session ended by force leaves the work to restore.
LRESULT TPanelEditFm::QueryEndSession() {
  if (!Modified || !table_) return TRUE;
  WriteRecoveryNow();
  const winui::MsgAnswer answer = winui::ShowMessage(
      Handle(), L"保存していない変更があります。保存しますか？\n「いいえ」のときは、次に開くときに復元できます。", L"注意",
      winui::MsgButtons::YesNoCancel);
  if (answer == winui::MsgAnswer::Yes) SaveButtonClick();  // a failed save has said why, and blocks
  if (answer == winui::MsgAnswer::No || !Modified) {
    sessionEnding_ = true;
    return TRUE;
  }
  // The reason Windows shows while the session waits.
  ShutdownBlockReasonCreate(Handle(), L"パネル編集に保存していない変更があります。");
  return FALSE;
}

bool TPanelEditFm::OnMessage(UINT msg, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
  if (msg == WM_QUERYENDSESSION) {
    result = QueryEndSession();
    return true;
  }
  if (msg == WM_ENDSESSION && !wParam) {  // the session goes on after all
    sessionEnding_ = false;
    ShutdownBlockReasonDestroy(Handle());
  }
  return false;
}

void TPanelEditFm::OnDestroy() {
  // Closed after a save or with the changes given up: the copy has no use.
  // Only the end of the session keeps it.
  recoveryTimer_.Stop();
  if (recovery_ && !sessionEnding_) recovery_->Remove();
  recovery_.reset();
  accessible_.Reset();  // a screen reader still holding the surface finds it gone
}
