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
// that keeps the user interface alive between them. A failure (a text that is
// not a code, no library or entry point) ends the run and is shown in a "警告"
// box; returns false then.
bool RunIrTestSend(HWND owner, IrLibrary& library, const std::vector<std::string>& codeTexts, bool stillStop,
                   bool nextButton);

}  // namespace devices
