#pragma once
// Relay command bytes and the relay test of the command dialog, with the port
// and the message boxes injected.

#include <string>
#include <string_view>

namespace devices {

inline constexpr int kMaxRelayNumber = 31;

enum RelayAction : int {
  kRelayPulse = 0,        // switch on for one second
  kRelayToggle = 1,       // switch on/off
  kRelayUntilClick = 2,   // send, wait for the user, send again
};

// Leading blanks, one sign, digits up to the first non-digit; no digits gives 0.
// Values beyond the int range saturate (and are then out of range anyway).
int ParseRelayNumber(std::string_view text);

bool IsValidRelayNumber(int number);

// The byte the unit expects for a valid number; the second byte of
// kRelayUntilClick is the same.
unsigned char RelayCommandByte(int number, RelayAction action);

class RelayTestOps {
 public:
  virtual ~RelayTestOps() = default;
  // Opens the port, writes the byte, closes it. False when the port could not
  // be opened (the send has already told the user).
  virtual bool SendRelayByte(unsigned char byte) = 0;
  // Modal box with an empty caption and an OK button.
  virtual void ShowNotice(const std::string& textSjis) = 0;
};

// action is the selected item, -1 when none. Returns the warning to show, or
// an empty text.
std::string RunRelayTest(std::string_view numberText, int action, RelayTestOps& ops);

}  // namespace devices
