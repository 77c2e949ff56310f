#include "devices/win/IrTestSend.h"

#include <memory>

#include "devices/core/IrSend.h"
#include "devices/win/IrEmit.h"
#include "devices/win/RenzokuSendThread.h"
#include "winui/MessageBox.h"
#include "winui/MessagePump.h"

namespace devices {
namespace {

class WinIrTestSendOps : public IrTestSendOps {
 public:
  WinIrTestSendOps(HWND owner, IrLibrary& library) : owner_(owner), library_(library) {}

  IrEmitStatus Emit(const std::string& codeText) override { return EmitIrCodeText(library_, codeText); }
  void ShowNotice(const std::string& textSjis) override {
    winui::ShowMessageSjis(owner_, textSjis, "", winui::MsgButtons::Ok);
  }
  // Nothing ends the wait early: it lasts its time on the tick counter, the user
  // interface handling its messages meanwhile.
  void PauseMs(int milliseconds) override {
    winui::PumpUntil([] { return false; }, static_cast<DWORD>(milliseconds));
  }
  void StartRepeat(const std::string& codeText) override {
    repeat_ = std::make_unique<TRenzokuSendThread>(library_, codeText);
    repeat_->Start();
  }
  IrEmitStatus StopRepeat() override {
    if (!repeat_) return IrEmitStatus::kSent;
    IrEmitStatus status = repeat_->Stop();
    repeat_.reset();
    return status;
  }

 private:
  HWND owner_;
  IrLibrary& library_;
  std::unique_ptr<TRenzokuSendThread> repeat_;
};

}  // namespace

bool RunIrTestSend(HWND owner, IrLibrary& library, const std::vector<std::string>& codeTexts, bool stillStop,
                   bool nextButton) {
  WinIrTestSendOps ops(owner, library);
  std::string warning = TestSendCodes(codeTexts, stillStop, nextButton, ops);
  if (warning.empty()) return true;
  winui::ShowMessageSjis(owner, warning, "警告", winui::MsgButtons::Ok);
  return false;
}

}  // namespace devices
