#pragma once
// Copy and paste of a cell's command between cells, also of different panels:
// the same television or light code is wanted on many buttons, and learning it
// again for each is slow and error-prone.
#include <optional>
#include <string>
#include <vector>

#include "table/ButtonInfo.h"
#include "table/PanelTable.h"

namespace panel {

// A command without its place: the code as copied and the texts it needs.
struct CopiedCommand {
  CellCode code{' ', ' ', ' ', ' '};
  std::string memo;                // learned remote
  std::vector<std::string> texts;  // learned remote: its code texts; external program: its command line
};

CopiedCommand CopyCommand(const CButtonInfo& cell);

// Writes the command into cell `ordinal` of `table`. A learned remote gets the
// target's own key (its texts, send flag and memo as copied); an external
// program gets a blank identifier, given at the next save. Returns "" when
// pasted, else why not (Shift-JIS, for a "警告" box) and the cell is unchanged.
std::string PasteCommand(const CopiedCommand& command, CPanelTable& table, int ordinal);

// One copied command kept for the whole run of the program, so that a command
// copied on one panel can be pasted on the next one opened.
class CommandClipboard {
 public:
  void Copy(const CButtonInfo& cell) { copied_ = CopyCommand(cell); }
  bool HasCommand() const { return copied_.has_value(); }
  // As PasteCommand; with nothing copied yet it says so.
  std::string Paste(CPanelTable& table, int ordinal) const;

 private:
  std::optional<CopiedCommand> copied_;
};

}  // namespace panel
