#pragma once
// The names of a panel's files, built in this one place: the host program
// finds a panel by the name of its table file.
#include <string>
#include <string_view>

namespace panel {

// "機器操作": a panel's table file is this, its identifier and ".tbl".
inline constexpr char kTableFilePrefix[] = "\x8b\x40\x8a\xed\x91\x80\x8d\xec";

// "機器操作A.tbl" for 'A'.
std::string TableFileName(char identifier);
// "機器操作A.bmp": the bitmap a new panel or a duplicate gets unless named otherwise.
std::string DefaultBitmapName(char identifier);
// The folder, '\' and the table file's name.
std::string TablePathIn(std::string_view folderSjis, char identifier);

}  // namespace panel
