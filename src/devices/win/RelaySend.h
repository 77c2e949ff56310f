#pragma once
// Relay commands over the configured COM port: one byte per command, the port
// opened and closed around each byte.
#include <windows.h>

#include <string_view>

namespace devices {

// 9600 baud, 8 data bits, no parity, one stop bit, no flow control. Shows
// "通信ポートが開けません" and returns false when the port cannot be opened;
// a failed write is not reported.
bool SendRelayCommand(HWND owner, int relayPort, unsigned char byte);

// The relay "test" button: relay number as typed, action as the selected item
// (-1 when none). Every refusal or failure has been shown when it returns.
void RelayTestClick(HWND owner, std::wstring_view relayNumberText, int action, int relayPort);

}  // namespace devices
