#pragma once
// The check run before a panel is published: what would leave the person who
// uses the panel stuck, or what the host program cannot read whole, found
// here instead of by that person.
#include <string>
#include <vector>

#include "table/PanelTable.h"
#include "table/TableChecks.h"

struct PanelFinding {
  int ordinal = -1;  // the cell, or -1 for the panel as a whole
  std::string text;  // Shift-JIS: which cell (number, row, column) and what to do
};

// Where the panel goes and what is there. Folder paths without a trailing
// separator.
struct IPublishTarget {
  virtual ~IPublishTarget() = default;
  virtual const std::string& WorkFolder() const = 0;
  virtual const std::string& HostFolder() const = 0;
  virtual bool FileExists(const std::string& pathSjis) const = 0;
};

// The host program's reader takes lines of fixed sizes.
inline constexpr int kHostMaxColumns = 24;
inline constexpr size_t kHostMaxBitmapName = 98;
inline constexpr size_t kHostMaxInfraredText = 3991;  // memo with its apostrophe, or row name, TAB and code
inline constexpr size_t kHostMaxCommandLine = 996;

// How the findings and the edit window name a cell: "ボタン3（1行目・3列目）："
// for ordinal 2 of a three-column panel.
std::string CellLabel(int ordinal, int columns);

// Findings for `table` published with a picture of `picture`'s size: those of
// the panel as a whole first, then the cells in order. Empty when the panel is
// fit to publish.
std::vector<PanelFinding> CheckPanelForPublishing(const CPanelTable& table, PictureSize picture,
                                                  const IPublishTarget& target);
