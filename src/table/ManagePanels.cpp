#include "table/ManagePanels.h"

#include <algorithm>

#include "table/AskUser.h"
#include "table/CommandCode.h"
#include "table/PanelNames.h"
#include "table/PanelTable.h"
#include "table/TableChecks.h"
#include "table/TableFileReader.h"

namespace panel {

namespace {

std::string_view FirstLine(std::string_view bytes) { return bytes.substr(0, bytes.find_first_of("\r\n")); }

}  // namespace

FolderTable DescribeTable(std::string fileName, std::string_view bytes) {
  FolderTable described{std::move(fileName), std::string(FirstLine(bytes)), {}};
  CPanelTable table;
  GoOnAsker goOn;
  if (!ReadTableBytes(table, bytes, described.fileName, goOn).empty()) return described;
  for (const CButtonInfo& cell : table.Cells()) {
    const CellCode code = cell.GetCode();
    if (KindOfCode(code) == CommandKind::PanelSwitch) described.switchesTo.push_back(code[1]);
  }
  return described;
}

std::optional<DuplicatePlan> PlanDuplicate(std::string_view sourceBytes, char identifier, const IFileNames& names) {
  const std::string_view bitmap = FirstLine(sourceBytes);
  if (bitmap.size() == sourceBytes.size() || !IsNameInsideFolder(bitmap)) return std::nullopt;
  DuplicatePlan plan;
  plan.bitmapFrom = std::string(bitmap);
  plan.bitmapTo = DefaultBitmapName(identifier);
  plan.copyBitmap = !names.SameFile(plan.bitmapFrom, plan.bitmapTo);
  plan.tableBytes = plan.bitmapTo + std::string(sourceBytes.substr(bitmap.size()));
  return plan;
}

DeletePlan PlanDelete(const std::vector<FolderTable>& tables, const std::string& fileName, const IFileNames& names) {
  DeletePlan plan;
  plan.tableFile = fileName;
  const auto deleted = std::find_if(tables.begin(), tables.end(),
                                    [&](const FolderTable& t) { return names.SameFile(t.fileName, fileName); });
  // A name leaving the folder is not this panel's to remove.
  if (deleted != tables.end() && IsNameInsideFolder(deleted->bitmapName)) plan.bitmapName = deleted->bitmapName;
  for (const FolderTable& other : tables) {
    if (names.SameFile(other.fileName, fileName)) continue;
    if (!plan.bitmapName.empty() && names.SameFile(other.bitmapName, plan.bitmapName)) {
      plan.bitmapUsers.push_back(other.fileName);
    }
    if (std::any_of(other.switchesTo.begin(), other.switchesTo.end(), [&](char id) {
          return names.SameFile(TableFileName(id), fileName);
        })) {
      plan.switchingHere.push_back(other.fileName);
    }
  }
  plan.removeBitmap = !plan.bitmapName.empty() && plan.bitmapUsers.empty();
  return plan;
}

}  // namespace panel
