#pragma once
// Duplicating and deleting panels of the work folder, decided apart from the
// files: which tables name a bitmap, which switch to a panel, and what a copy
// holds. The windows only read the folder, ask and carry the plan out.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/FileNames.h"

namespace panel {

// What the decisions need of one table of the work folder.
struct FolderTable {
  std::string fileName;           // "機器操作X.tbl"
  std::string bitmapName;         // its first line; "" when it has none
  std::vector<char> switchesTo;   // identifiers its panel-switch buttons name
};

// From the bytes of a table file. The switch buttons come from the grid as
// the reader takes it; a table the reader refuses has none.
FolderTable DescribeTable(std::string fileName, std::string_view bytes);

struct DuplicatePlan {
  std::string tableBytes;      // the new table file
  std::string bitmapFrom;      // relative to the work folder
  std::string bitmapTo;
  bool copyBitmap = true;      // false when both name the same file
};

// The copy of `sourceBytes` under `identifier`: the first line names the new
// bitmap, every other byte stays as it is (cells, texts, codes, and
// panel-switch buttons too). Nothing when the source has no bitmap line or
// names a bitmap outside the folder.
std::optional<DuplicatePlan> PlanDuplicate(std::string_view sourceBytes, char identifier, const IFileNames& names);

struct DeletePlan {
  std::string tableFile;
  std::string bitmapName;                 // "" when the table names none that could be removed
  bool removeBitmap = false;              // only when no other table names it
  std::vector<std::string> bitmapUsers;   // the other tables naming it
  std::vector<std::string> switchingHere; // tables whose buttons switch to this panel
};

// `tables` is the whole work folder, the deleted one among them; `names`
// compares names of that folder.
DeletePlan PlanDelete(const std::vector<FolderTable>& tables, const std::string& fileName, const IFileNames& names);

}  // namespace panel
