#include "devices/core/IrCodeText.h"

#include <charconv>
#include <cmath>

namespace devices {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::size_t kParamWidth = 8;

// "%8.2f" without the C library, so that the text does not depend on the
// locale or on the platform's printf.
void AppendParam(std::string& out, double value) {
  char buf[400];  // the widest double in fixed notation needs 309 digits + sign + ".00"
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
  std::size_t len = ec == std::errc() ? static_cast<std::size_t>(end - buf) : 0;
  if (len < kParamWidth) out.append(kParamWidth - len, ' ');
  out.append(buf, len);
  out.push_back(',');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case is not what the formatter writes
}

// Blanks, then a fixed-point number: an optional '-', digits and at most one
// '.'. from_chars alone also takes "inf" and "nan", which the formatter never
// writes and which must not reach the device library.
std::optional<double> ParseParam(std::string_view field) {
  std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  const std::string_view number = field.substr(start);
  const std::size_t digitsAt = number.front() == '-' ? 1 : 0;
  if (number.find_first_not_of("0123456789.", digitsAt) != std::string_view::npos) return std::nullopt;
  const char* first = field.data() + start;
  const char* last = field.data() + field.size();
  double value = 0;
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
  if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatIrCodeText(double param1, double param2, const unsigned char* bytes,
                             std::size_t count) {
  std::string text;
  text.reserve(2 * kParamWidth + 2 + 2 * count);
  AppendParam(text, param1);
  AppendParam(text, param2);
  for (std::size_t i = 0; i < count; ++i) {
    text.push_back(kHexDigits[bytes[i] >> 4]);
    text.push_back(kHexDigits[bytes[i] & 0x0F]);
  }
  return text;
}

std::optional<IrCode> ParseIrCodeText(std::string_view text) {
  std::size_t comma1 = text.find(',');
  if (comma1 == std::string_view::npos) return std::nullopt;
  std::size_t comma2 = text.find(',', comma1 + 1);
  if (comma2 == std::string_view::npos) return std::nullopt;

  IrCode code;
  auto p1 = ParseParam(text.substr(0, comma1));
  auto p2 = ParseParam(text.substr(comma1 + 1, comma2 - comma1 - 1));
  if (!p1 || !p2) return std::nullopt;
  code.param1 = *p1;
  code.param2 = *p2;

  std::string_view digits = text.substr(comma2 + 1);
  if (digits.empty() || digits.size() % 2 != 0) return std::nullopt;
  code.bytes.reserve(digits.size() / 2);
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    int high = HexValue(digits[i]);
    int low = HexValue(digits[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    code.bytes.push_back(static_cast<unsigned char>(high << 4 | low));
  }
  return code;
}

}  // namespace devices
