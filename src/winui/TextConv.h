#pragma once
// Conversions between the table's Shift-JIS bytes and the UTF-16 of the Win32 W
// functions. Always code page 932, whatever the system's ANSI code page is.
#include <optional>
#include <string>
#include <string_view>

namespace winui {

std::wstring SjisToWide(std::string_view sjis);
// Empty optional when the bytes are not valid Shift-JIS.
std::optional<std::wstring> SjisToWideStrict(std::string_view sjis);

// Empty optional when some character has no code page 932 form: a path or text
// that would otherwise be silently mangled into '?'.
std::optional<std::string> WideToSjis(std::wstring_view wide);

}  // namespace winui
