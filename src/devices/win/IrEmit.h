#pragma once
// Sends one code text once through the device library.
#include <string_view>

#include "devices/core/IrSend.h"
#include "devices/win/IrLibrary.h"

namespace devices {

// The whole code goes out, however long: the bytes live in a buffer sized to
// the code. A text that is not a code is not sent.
IrEmitStatus EmitIrCodeText(IrLibrary& library, std::string_view codeText);

}  // namespace devices
