#pragma once
// The text form of a learned infrared code: "%8.2f,%8.2f," followed by two
// upper-case hexadecimal digits per byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace devices {

struct IrCode {
  double param1 = 0;
  double param2 = 0;
  std::vector<unsigned char> bytes;
};

std::string FormatIrCodeText(double param1, double param2, const unsigned char* bytes,
                             std::size_t count);

// Strict: anything the formatter cannot have written, or a code without bytes,
// gives nothing, so that junk is never sent to the device.
std::optional<IrCode> ParseIrCodeText(std::string_view text);

}  // namespace devices
