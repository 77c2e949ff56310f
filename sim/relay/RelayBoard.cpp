#include "RelayBoard.h"

namespace relaysim {

void RelayBoard::ExpirePulses(std::int64_t nowMs) {
  for (int i = 0; i < kRelayCount; ++i) {
    if (pulsing_[i] && nowMs >= pulseEndMs_[i]) {
      pulsing_[i] = false;
      on_[i] = false;
    }
  }
}

std::string RelayBoard::Apply(unsigned char byte, std::int64_t nowMs) {
  ExpirePulses(nowMs);
  std::string kind = "unknown";
  int relay = -1;
  if (byte < 32) {
    relay = byte;
    kind = "toggle";
    on_.flip(relay);
    pulsing_[relay] = false;  // a toggle takes over from a running pulse
  } else if (byte < 64) {
    relay = byte - 32;
    kind = "pulse";
    on_[relay] = true;
    pulsing_[relay] = true;
    pulseEndMs_[relay] = nowMs + kPulseMs;
  }
  std::string states;
  for (int i = 0; i < kRelayCount; ++i) states.push_back(on_[i] ? '1' : '0');
  return "byte=" + std::to_string(byte) + " kind=" + kind +
         " relay=" + (relay < 0 ? std::string("-") : std::to_string(relay)) + " states=" + states;
}

}  // namespace relaysim
