#include "devices/win/IrEmit.h"

#include <limits>
#include <vector>

namespace devices {

IrEmitStatus EmitIrCodeText(IrLibrary& library, std::string_view codeText) {
  return EmitCodeText(codeText, [&library](const IrCode& code) {
    if (code.bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
      return 0;  // cannot be described to the library; a code text that long is not learned
    // The library takes a non-const pointer; it gets its own copy.
    std::vector<unsigned char> bytes = code.bytes;
    return library.EmitData(code.param1, code.param2, bytes.data(), static_cast<std::int32_t>(bytes.size()));
  });
}

}  // namespace devices
