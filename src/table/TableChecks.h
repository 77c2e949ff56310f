#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "table/AskUser.h"
#include "table/PanelTable.h"

namespace panel {

// Texts of the opening checks, spelt as bytes like every fixed text of the core.
// "ＢＭＰファイルが読めません"
inline constexpr char kBitmapUnreadable[] =
    "\x82\x61\x82\x6c\x82\x6f\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xaa\x93\xc7\x82\xdf\x82\xdc\x82\xb9\x82\xf1";
// "画像のサイズと合いません"
inline constexpr char kBitmapSizeMismatch[] =
    "\x89\xe6\x91\x9c\x82\xcc\x83\x54\x83\x43\x83\x59\x82\xc6\x8d\x87\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
// "機器操作以外のコマンドがありました"
inline constexpr char kForeignCommandsRefused[] =
    "\x8b\x40\x8a\xed\x91\x80\x8d\xec\x88\xc8\x8a\x4f\x82\xcc\x83\x52\x83\x7d\x83\x93\x83\x68\x82\xaa\x82\xa0"
    "\x82\xe8\x82\xdc\x82\xb5\x82\xbd";
// "機器操作パネル以外の命令があります。無視して続けて良いですか？"
inline constexpr char kForeignCommandsQuestion[] =
    "\x8b\x40\x8a\xed\x91\x80\x8d\xec\x83\x70\x83\x6c\x83\x8b\x88\xc8\x8a\x4f\x82\xcc\x96\xbd\x97\xdf\x82\xaa"
    "\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81\x42\x96\xb3\x8e\x8b\x82\xb5\x82\xc4\x91\xb1\x82\xaf\x82\xc4\x97\xc7"
    "\x82\xa2\x82\xc5\x82\xb7\x82\xa9\x81\x48";

struct PictureSize {
  int width = 0;
  int height = 0;
};

// Loads the picture at a Shift-JIS path into an object of its own and gives
// its size; nothing when it cannot be read as a picture.
struct IPictureProbe {
  virtual ~IPictureProbe() = default;
  virtual std::optional<PictureSize> LoadPictureSize(const std::string& pathSjis) = 0;
};

// A bitmap name is relative to the table's folder and may name a file in a
// subfolder of it ("sub\panel.bmp"), but must stay inside: no drive or ':', no
// root, no empty part and no part made of dots and blanks only (Windows trims
// them at a part's end, so ".. " would be ".."). '/' is refused too: the host
// program separates with '\' only. A table naming "..\x.bmp" would otherwise
// make the save write, and publishing copy, outside the two data folders.
// A name that reaches a device (NamesDevice, "COM1.bmp") is no file inside
// either.
bool IsNameInsideFolder(std::string_view nameSjis);

// The bitmap name on the first line of a table's bytes, when a line end
// follows it and the name stays inside the folder; nothing otherwise.
std::optional<std::string> BitmapNameOfTableBytes(std::string_view tableBytes);

// The table's folder, '\' and its bitmap name; nothing when the name would
// leave the folder. Opening and the preview take the bitmap from here.
std::optional<std::string> TableBitmapPath(const CPanelTable& table);

// A picture may be one pixel off the grid's size each way, not more.
bool PictureFitsGrid(const PictureSize& size, int cellWidth, int cellHeight, int columns, int rows);

// Run right after the table is read: the bitmap must load and fit the grid
// within one pixel, and cells of unknown kinds become blanks once the user
// agrees. Returns "" or one of the three failure texts above; never throws.
std::string CheckTableBitmap(CPanelTable& table, IPictureProbe& pictures, IAskUser& ask);

}  // namespace panel
