#pragma once
// The check run before a panel is published: what would leave the person who
// uses the panel stuck, or what the host program cannot read whole, found
// here instead of by that person.
#include <string>
#include <vector>

#include "table/FileNames.h"
#include "table/PanelTable.h"
#include "table/TableChecks.h"

namespace panel {

struct PanelFinding {
  int ordinal = -1;  // the cell, or -1 for the panel as a whole
  std::string text;  // Shift-JIS: which cell (number, row, column) and what to do
};

// Where the panel goes and what is there. Folder paths without a trailing
// separator; names are compared as in the work folder.
struct IPublishTarget : IFileNames {
  virtual ~IPublishTarget() = default;
  virtual const std::string& WorkFolder() const = 0;
  virtual const std::string& HostFolder() const = 0;
  virtual bool FileExists(const std::string& pathSjis) const = 0;
};

// The host program's reader takes lines of fixed sizes: at most 3999 bytes of
// an infrared-section line and 999 of an external-command line at a time. A
// line whose line end is left over is still read whole: the line end then
// reads as an empty line, which changes nothing.
inline constexpr int kHostMaxColumns = 24;
inline constexpr size_t kHostMaxBitmapName = 98;
// 3999 - 7 for the four blanks, the two key bytes and "=" before the text.
inline constexpr size_t kHostMaxInfraredText = 3992;  // row name, TAB and code; or the memo's apostrophe and memo
inline constexpr size_t kHostMaxMemo = kHostMaxInfraredText - 1;
// 999 - 2 for the identifier and "=" before the command line.
inline constexpr size_t kHostMaxCommandLine = 997;

// How the findings and the edit window name a cell: "ボタン3（1行目・3列目）："
// for ordinal 2 of a three-column panel.
std::string CellLabel(int ordinal, int columns);

// Findings for `table` published with a picture of `picture`'s size: those of
// the panel as a whole first, then the cells in order. Empty when the panel is
// fit to publish.
std::vector<PanelFinding> CheckPanelForPublishing(const CPanelTable& table, PictureSize picture,
                                                  const IPublishTarget& target);

}  // namespace panel
