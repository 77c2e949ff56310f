#pragma once
// What happens to an exception that escapes an event handler, a window
// procedure or start-up: it is shown in a box and the program goes on. Call
// ShowCurrentException only inside a catch block.
#include <windows.h>

#include <string>

namespace winui {

// Caption of the box: the program's file name without extension, else "Error".
std::wstring ExceptionCaption();

// Text: the exception's message (narrow messages are Shift-JIS); empty when the
// exception is not a std::exception.
void ShowCurrentException(HWND owner) noexcept;

}  // namespace winui
