#include "devices/win/GakusyuuFm.h"

#include <algorithm>
#include <utility>

#include "winui/AppMessages.h"
#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/MessageBox.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerIntervalMs = 500;
constexpr int kClientWidth = 282;
constexpr int kClientHeight = 162;

int WrappedTextHeight(HWND window, HFONT font, const wchar_t* text, int width) {
  winui::WindowDc dc(window);
  winui::ScopedSelectObject select(dc.Get(), font);
  RECT r{0, 0, width, 0};
  DrawTextW(dc.Get(), text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return r.bottom - r.top;
}

}  // namespace

bool TGakusyuuFm::Create(HWND owner) {
  return Form::Create(winui::DialogDescription(kClassName, L"リモコン学習中", kClientWidth, kClientHeight, owner));
}

void TGakusyuuFm::OnCreate() {
  result_.clear();
  const HFONT font = FontHandle();
  const HFONT labelFont = winui::SharedFont(L"Tahoma", 21);
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // At 21 pixels the prompt is wider than its 225-pixel label (and than the
  // dialog), so it wraps onto a second line instead of being cut off.
  static constexpr wchar_t kPrompt[] = L"リモコンに学習させてください";
  const int labelHeight = std::max(25, WrappedTextHeight(Handle(), labelFont, kPrompt, 225));
  label1_ = winui::CreateControl(Handle(), L"STATIC", kPrompt, WS_CHILD | WS_VISIBLE | SS_LEFT, 0,
                                 {32, 32, 225, labelHeight}, kLabel1Id, labelFont);
  winui::CreateButton(Handle(), kTyuusiButtonId, L"中止", {88, 98, 75, 25}, font);

  // Centred on the whole screen by the outer size.
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  timer_.Start(Handle(), kTimerId, kTimerIntervalMs);
}

void TGakusyuuFm::OnShow() {
  if (worker_) return;
  auto worker = std::make_unique<TGakusyuuThread>(library_, Handle());
  worker->Start();
  // Kept only once started: a worker that never ran has no outcome to complete.
  worker_ = std::move(worker);
}

void TGakusyuuFm::OnCommand(int id, int code, HWND) {
  if ((id == kTyuusiButtonId && code == BN_CLICKED) || id == IDCANCEL) TyuusiButtonClick();  // also Esc
}

void TGakusyuuFm::TyuusiButtonClick() {
  if (worker_) worker_->RequestStop();
}

void TGakusyuuFm::OnClose(bool& canClose) {
  // The dialog closes through the timer once the worker has handed back its end.
  if (worker_ && worker_->Running()) {
    worker_->RequestStop();
    canClose = false;
    return;
  }
  // The worker may have ended with its completion post still queued; once the
  // modal loop ends that post would never be handled, so complete it now.
  Complete();
}

void TGakusyuuFm::OnTimer(UINT_PTR id) {
  if (id == kTimerId && done_) Close();
}

LRESULT TGakusyuuFm::OnAppMessage(UINT msg, WPARAM, LPARAM) {
  if (msg == winui::kMsgWorkerDone) Complete();
  return 0;
}

void TGakusyuuFm::Complete() {
  if (done_ || !worker_ || worker_->Running()) return;
  if (worker_->Message().empty()) {
    result_ = worker_->Code();
    winui::SetText(label1_, L"学習成功");
  } else {
    result_.clear();
    winui::ShowWarning(Handle(), worker_->Message());
  }
  done_ = true;
}

void TGakusyuuFm::OnDestroy() {
  timer_.Stop();
  if (worker_) worker_->StopAndWait();
  worker_.reset();
}

namespace devices {

std::string LearnIrCodeWithDialog(HWND owner, IrLibrary& library) {
  winui::Owned<TGakusyuuFm> form(library);
  if (!form.Create(owner)) return {};
  winui::ShowModal(form, owner);
  return form.Result();
}

}  // namespace devices
