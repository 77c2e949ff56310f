#pragma once
// The infrared "test" button of the command dialog: the dialog's learned codes
// in list order, with its two check boxes.
#include <windows.h>

#include <string>
#include <vector>

#include "devices/win/IrLibrary.h"

namespace devices {

// No codes: nothing. One code with stillStop: repeated behind a "止める" box.
// Otherwise each code once, with a "次の送信" box (nextButton) or a 50 ms pause
// that keeps the user interface alive between them. A failure ends the run and
// is shown in a "警告" box; returns false then.
bool RunIrTestSend(HWND owner, IrLibrary& library, const std::vector<std::string>& codeTexts, bool stillStop,
                   bool nextButton);

// Waits that long on the tick counter while dispatching this thread's messages.
// A quit request ends the wait and is left for the message loop.
void PumpMessagesFor(DWORD milliseconds);

}  // namespace devices
