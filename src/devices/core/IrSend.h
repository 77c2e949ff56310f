#pragma once
// Sending learned codes: one code text through the library, the repeat loop of
// the repeat worker, and the test send of the command dialog. The library, the
// message boxes, the pause and the worker are injected so that the order of
// events can be checked without a device.

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "devices/core/IrCodeText.h"

namespace devices {

enum class IrEmitStatus {
  kSent,            // handed to the library; its own result is not interpreted
  kInvalidCode,     // the text is not a code text; nothing was sent
  kLibraryMissing,  // no library or no entry point
};

// Calls the library's emit entry point; returns its result, or
// kEntryPointMissing.
using IrLibraryEmit = std::function<int(const IrCode&)>;

IrEmitStatus EmitCodeText(std::string_view codeText, const IrLibraryEmit& emit);

// The warning for a failed send, empty for kSent.
std::string EmitFailureMessage(IrEmitStatus status);

// Sends at least once, then again every millisecond until stop is set; the
// first failed send ends the loop, and its status is returned.
IrEmitStatus RepeatEmit(const std::function<IrEmitStatus()>& emitOnce,
                        const std::atomic<bool>& stop);

class IrTestSendOps {
 public:
  virtual ~IrTestSendOps() = default;
  virtual IrEmitStatus Emit(const std::string& codeText) = 0;
  // Modal box with an empty caption and an OK button.
  virtual void ShowNotice(const std::string& textSjis) = 0;
  // Waits while the user interface keeps processing its messages.
  virtual void PauseMs(int milliseconds) = 0;
  virtual void StartRepeat(const std::string& codeText) = 0;
  // Asks the repeat to stop, waits for its end and returns how it ended.
  virtual IrEmitStatus StopRepeat() = 0;
};

inline constexpr int kPauseBetweenSendsMs = 50;

// The "test" button of the command dialog. Returns the warning to show, or an
// empty text. A failure ends the sequence: the codes after it are not sent.
std::string TestSendCodes(const std::vector<std::string>& codeTexts, bool stillStop,
                          bool nextButton, IrTestSendOps& ops);

}  // namespace devices
