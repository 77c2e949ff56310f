#pragma once
// The names of the files that keep a panel's faces editable, derived from its
// table file's name: the face file beside the table and the panel's
// background in the pictures folder. The pictures the faces use are shared by
// name and belong to no one panel.
#include <string>
#include <string_view>

namespace panel {

// "ボタン画像", inside the work folder.
inline constexpr char kFacePicturesFolder[] = "\x83\x7b\x83\x5e\x83\x93\x89\xe6\x91\x9c";

// "機器操作A.faces.txt" for "機器操作A.tbl".
std::string FaceFileNameOf(std::string_view tableName);
// "ボタン画像\機器操作A-背景.bmp", relative to the work folder.
std::string FaceBackgroundNameOf(std::string_view tableName);

}  // namespace panel
