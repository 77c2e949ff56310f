#pragma once
// The relays of the simulated unit and what one command byte does to them.

#include <bitset>
#include <cstdint>
#include <string>

namespace relaysim {

class RelayBoard {
 public:
  static constexpr int kRelayCount = 32;
  static constexpr std::int64_t kPulseMs = 1000;

  // Applies one command byte received at nowMs (a monotonic millisecond
  // clock) and returns its log line without the line settings:
  // "byte=37 kind=pulse relay=5 states=0000010...".
  std::string Apply(unsigned char byte, std::int64_t nowMs);

 private:
  void ExpirePulses(std::int64_t nowMs);

  std::bitset<kRelayCount> on_;
  std::bitset<kRelayCount> pulsing_;
  std::int64_t pulseEndMs_[kRelayCount] = {};
};

}  // namespace relaysim
