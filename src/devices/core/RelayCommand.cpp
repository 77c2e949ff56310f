#include "devices/core/RelayCommand.h"

#include <climits>

#include "devices/core/DeviceMessages.h"

namespace devices {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int ParseRelayNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (magnitude > INT_MAX) return negative ? INT_MIN : INT_MAX;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

bool IsValidRelayNumber(int number) { return number >= 0 && number <= kMaxRelayNumber; }

unsigned char RelayCommandByte(int number, RelayAction action) {
  return static_cast<unsigned char>(action == kRelayPulse ? number + 32 : number);
}

std::string RunRelayTest(std::string_view numberText, int action, RelayTestOps& ops) {
  int number = ParseRelayNumber(numberText);
  if (!IsValidRelayNumber(number)) return msg::kInvalidRelayNumber;
  switch (action) {
    case kRelayPulse:
    case kRelayToggle:
      ops.SendRelayByte(RelayCommandByte(number, static_cast<RelayAction>(action)));
      break;
    case kRelayUntilClick: {
      unsigned char byte = RelayCommandByte(number, kRelayUntilClick);
      if (ops.SendRelayByte(byte)) {
        ops.ShowNotice(msg::kClickToStop);
        ops.SendRelayByte(byte);
      }
      break;
    }
    default:
      break;
  }
  return {};
}

}  // namespace devices
