#include "devices/core/IrSend.h"

// <chrono> itself does not compile with a Shift-JIS execution character set
// (its "µs" suffix); <thread> brings the clocks and durations.
#include <thread>

#include "devices/core/DeviceMessages.h"
#include "devices/core/IrLibraryAbi.h"

namespace devices {

IrEmitStatus EmitCodeText(std::string_view codeText, const IrLibraryEmit& emit) {
  std::optional<IrCode> code = ParseIrCodeText(codeText);
  if (!code) return IrEmitStatus::kInvalidCode;
  if (emit(*code) == kEntryPointMissing) return IrEmitStatus::kLibraryMissing;
  return IrEmitStatus::kSent;
}

std::string EmitFailureMessage(IrEmitStatus status) {
  switch (status) {
    case IrEmitStatus::kInvalidCode:
      return msg::kInvalidIrCode;
    case IrEmitStatus::kLibraryMissing:
      return msg::kIrSendError;
    case IrEmitStatus::kSent:
      break;
  }
  return {};
}

IrEmitStatus RepeatEmit(const std::function<IrEmitStatus()>& emitOnce,
                        const std::atomic<bool>& stop) {
  for (;;) {
    IrEmitStatus status = emitOnce();
    if (status != IrEmitStatus::kSent || stop.load()) return status;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

std::string TestSendCodes(const std::vector<std::string>& codeTexts, bool stillStop,
                          bool nextButton, IrTestSendOps& ops) {
  if (codeTexts.empty()) return {};

  if (codeTexts.size() == 1 && stillStop) {
    // Checked first so that the user is not asked to stop a repeat that never sent.
    if (!ParseIrCodeText(codeTexts.front())) return msg::kInvalidIrCode;
    ops.StartRepeat(codeTexts.front());
    ops.ShowNotice(msg::kStopRepeat);
    return EmitFailureMessage(ops.StopRepeat());
  }

  for (std::size_t i = 0; i < codeTexts.size(); ++i) {
    if (i > 0) {
      if (nextButton)
        ops.ShowNotice(msg::kNextSend);
      else
        ops.PauseMs(kPauseBetweenSendsMs);
    }
    IrEmitStatus status = ops.Emit(codeTexts[i]);
    if (status != IrEmitStatus::kSent) return EmitFailureMessage(status);
  }
  return {};
}

}  // namespace devices
