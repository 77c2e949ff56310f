#pragma once
#include <string>
#include <string_view>

namespace panel {

// Shift-JIS paths: 0x5C is also the trail byte of characters such as ソ, so a
// backslash is searched for character by character, never byte by byte.
bool IsSjisLeadByte(unsigned char c);
// Position of the first backslash that is a character of its own, or npos.
size_t FirstSjisBackslash(std::string_view pathSjis);
// Position of the last backslash that is a character of its own, or npos.
size_t LastSjisBackslash(std::string_view pathSjis);
std::string FolderOfSjisPath(std::string_view pathSjis);    // "" without a backslash
std::string FileNameOfSjisPath(std::string_view pathSjis);  // whole path without a backslash

}  // namespace panel
