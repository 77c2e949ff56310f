// The data module's device operations; the work itself lives in the device
// layer, which is handed the library this module owns.
#include "data/OptionMdl.h"
#include "devices/win/GakusyuuFm.h"
#include "devices/win/IrEmit.h"

std::string TOptionMdl::LearnIrCode(HWND owner) { return devices::LearnIrCodeWithDialog(owner, irLibrary_); }

devices::IrEmitStatus TOptionMdl::EmitIrCode(const std::string& codeText) {
  return devices::EmitIrCodeText(irLibrary_, codeText);
}
