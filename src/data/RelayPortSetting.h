#pragma once
// The one persistent setting, the relay unit's COM port number, kept in
// HKEY_CURRENT_USER\SoftWare\Zentorik\Env as the string value "RelayPort".
#include <string_view>

namespace relay_port {

inline constexpr int kDefault = 1;

// Reads the value; kDefault when it is missing or not an integer (a REG_DWORD
// counts as one only with its four bytes). Creates
// "SoftWare\Zentorik" when missing, never "Env".
int Read();
// Writes the value as decimal text, creating the keys when missing.
bool Write(int port);

// The stored text's number: optional leading blanks, an optional sign and
// decimal digits fitting in 32 bits, nothing after them; otherwise kDefault.
int ParseText(std::wstring_view text);

}  // namespace relay_port
