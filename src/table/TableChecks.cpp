#include "table/TableChecks.h"

#include <cstdint>
#include <cstdlib>

#include "table/SjisPath.h"
#include "table/TableTexts.h"

bool IsPlainFileName(const std::string& nameSjis) {
  if (nameSjis.empty() || nameSjis == "." || nameSjis == "..") return false;
  // '/' and ':' are never trail bytes of a double-byte character; '\' can be.
  if (nameSjis.find_first_of("/:") != std::string::npos) return false;
  return LastSjisBackslash(nameSjis) == std::string::npos;
}

namespace {

bool FitsWithinOnePixel(int actual, int cellSize, int cellCount) {
  const std::int64_t expected = static_cast<std::int64_t>(cellSize) * cellCount;
  return std::llabs(static_cast<std::int64_t>(actual) - expected) <= 1;
}

}  // namespace

bool PictureFitsGrid(const PictureSize& size, int cellWidth, int cellHeight, int columns, int rows) {
  return FitsWithinOnePixel(size.width, cellWidth, columns) && FitsWithinOnePixel(size.height, cellHeight, rows);
}

std::string CheckTableBitmap(CPanelTable& table, IPictureProbe& pictures, IAskUser& ask) {
  if (!IsPlainFileName(table.BitmapName())) return kBitmapUnreadable;
  const std::optional<PictureSize> size = pictures.LoadPictureSize(table.Folder() + "\\" + table.BitmapName());
  if (!size) return kBitmapUnreadable;
  if (!PictureFitsGrid(*size, table.CellWidth(), table.CellHeight(), table.Columns(), table.Rows())) {
    return kBitmapSizeMismatch;
  }

  // Every cell is tested, also after the first failure: the test itself turns
  // leading '+' codes into blanks.
  bool allLoadable = true;
  for (CButtonInfo& cell : table.Cells()) {
    if (!cell.IsLoadableCode()) allLoadable = false;
  }
  if (!allLoadable && !ask.AskYesNo(kForeignCommandsQuestion, kCautionCaption)) return kForeignCommandsRefused;

  for (CButtonInfo& cell : table.Cells()) {
    if (!cell.IsLoadableCode()) cell.ReplaceCode(NoneCode());
    cell.NormalizeLoaded();
  }
  return {};
}
