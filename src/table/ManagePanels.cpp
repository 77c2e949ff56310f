#include "table/ManagePanels.h"

#include <algorithm>

#include "table/AskUser.h"
#include "table/CommandCode.h"
#include "table/PanelCheckTexts.h"
#include "table/PanelTable.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "table/TableFileReader.h"

namespace {

// Reading only to look: whatever the reader could ask, it may go on.
struct GoOn : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

std::string_view FirstLine(std::string_view bytes) { return bytes.substr(0, bytes.find_first_of("\r\n")); }

// One character of a file name in the form the system compares: ASCII and
// full-width Latin letters upper case.
std::string FoldedName(std::string_view name) {
  std::string folded(name);
  for (size_t i = 0; i < folded.size(); ++i) {
    const auto c = static_cast<unsigned char>(folded[i]);
    if (IsSjisLeadByte(c) && i + 1 < folded.size()) {
      const auto trail = static_cast<unsigned char>(folded[i + 1]);
      if (c == 0x82 && trail >= 0x81 && trail <= 0x9A) folded[i + 1] = static_cast<char>(trail - 0x21);
      ++i;
    } else if (c >= 'a' && c <= 'z') {
      folded[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return folded;
}

}  // namespace

FolderTable DescribeTable(std::string fileName, std::string_view bytes) {
  FolderTable described{std::move(fileName), std::string(FirstLine(bytes)), {}};
  CPanelTable table;
  GoOn goOn;
  if (!ReadTableBytes(table, bytes, described.fileName, goOn).empty()) return described;
  for (const CButtonInfo& cell : table.Cells()) {
    const CellCode code = cell.GetCode();
    if (KindOfCode(code) == CommandKind::PanelSwitch) described.switchesTo.push_back(code[1]);
  }
  return described;
}

bool SameFileName(std::string_view aSjis, std::string_view bSjis) { return FoldedName(aSjis) == FoldedName(bSjis); }

std::string PanelBitmapName(char identifier) { return kTableFilePrefix + std::string(1, identifier) + ".bmp"; }

std::optional<DuplicatePlan> PlanDuplicate(std::string_view sourceBytes, char identifier) {
  const std::string_view bitmap = FirstLine(sourceBytes);
  if (bitmap.size() == sourceBytes.size() || !IsNameInsideFolder(bitmap)) return std::nullopt;
  DuplicatePlan plan;
  plan.bitmapFrom = std::string(bitmap);
  plan.bitmapTo = PanelBitmapName(identifier);
  plan.copyBitmap = !SameFileName(plan.bitmapFrom, plan.bitmapTo);
  plan.tableBytes = plan.bitmapTo + std::string(sourceBytes.substr(bitmap.size()));
  return plan;
}

DeletePlan PlanDelete(const std::vector<FolderTable>& tables, const std::string& fileName) {
  DeletePlan plan;
  plan.tableFile = fileName;
  const auto deleted = std::find_if(tables.begin(), tables.end(),
                                    [&](const FolderTable& t) { return SameFileName(t.fileName, fileName); });
  // A name leaving the folder is not this panel's to remove.
  if (deleted != tables.end() && IsNameInsideFolder(deleted->bitmapName)) plan.bitmapName = deleted->bitmapName;
  for (const FolderTable& other : tables) {
    if (SameFileName(other.fileName, fileName)) continue;
    if (!plan.bitmapName.empty() && SameFileName(other.bitmapName, plan.bitmapName)) {
      plan.bitmapUsers.push_back(other.fileName);
    }
    if (std::any_of(other.switchesTo.begin(), other.switchesTo.end(), [&](char id) {
          return SameFileName(kTableFilePrefix + std::string(1, id) + ".tbl", fileName);
        })) {
      plan.switchingHere.push_back(other.fileName);
    }
  }
  plan.removeBitmap = !plan.bitmapName.empty() && plan.bitmapUsers.empty();
  return plan;
}
