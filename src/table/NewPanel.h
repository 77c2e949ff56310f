#pragma once
// The rules of a new panel, apart from its windows: the identifier, the
// completion of the bitmap name, the limits a panel must keep to be opened
// again and read by the host program, and the initial table file.
#include <string>
#include <string_view>

#include "table/PanelCheck.h"

namespace panel {

// One ASCII letter or digit, nothing else (a double-byte character fails).
bool IsTableIdentifier(std::string_view textSjis);

// Appends ".bmp" unless the fourth character from the end (the first one of a
// shorter text) is a dot. Counts Shift-JIS characters, not bytes.
std::string CompleteBitmapName(const std::string& nameSjis);

// The largest picture the program keeps in memory.
inline constexpr long long kMaxNewPanelPixels = 1LL << 26;

enum class NewPanelRefusal {
  None,
  BadSize,             // a number that is zero or negative
  TooManyColumns,      // more than the host reads (kHostMaxColumns)
  TooLarge,            // over the grid or picture limits
  BitmapNameTooLong,   // over kHostMaxBitmapName
  BitmapNameIsDevice,  // names a device such as COM1 (see NamesDevice)
  BitmapNameNotInside, // leaves the work folder, or is no file name at all
  BitmapNameIsTable,   // would overwrite a table file with bitmap data
};

// Ends in ".tbl" in any letter case, once the trailing dots and blanks the
// file system drops are gone.
bool IsTableFileName(std::string_view nameSjis);

// Checked in this order, before anything is written.
NewPanelRefusal CheckNewPanel(const std::string& bitmapNameSjis, int columns, int rows, int cellWidth,
                              int cellHeight);

// The table file of a panel with every cell empty, CR LF line ends.
std::string InitialTableFile(const std::string& bitmapNameSjis, int cellWidth, int cellHeight, int columns,
                             int rows);

}  // namespace panel
