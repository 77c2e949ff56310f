#include "table/TableChecks.h"

#include <cstdint>
#include <cstdlib>
#include <exception>

#include "table/FileNames.h"
#include "table/SjisPath.h"
#include "table/TableTexts.h"

namespace panel {

bool IsNameInsideFolder(std::string_view nameSjis) {
  // '/' and ':' are never trail bytes of a double-byte character; '\' can be.
  if (nameSjis.find_first_of("/:") != std::string_view::npos || NamesDevice(nameSjis)) return false;
  std::string_view rest = nameSjis;
  for (;;) {
    const size_t cut = FirstSjisBackslash(rest);
    const std::string_view part = rest.substr(0, cut);
    if (part.find_first_not_of(". ") == std::string_view::npos) return false;  // "", ".", "..", ".. "
    if (cut == std::string_view::npos) return true;
    rest.remove_prefix(cut + 1);
  }
}

std::optional<std::string> BitmapNameOfTableBytes(std::string_view tableBytes) {
  const size_t end = tableBytes.find_first_of("\r\n");
  if (end == std::string_view::npos || !IsNameInsideFolder(tableBytes.substr(0, end))) return std::nullopt;
  return std::string(tableBytes.substr(0, end));
}

std::optional<std::string> TableBitmapPath(const CPanelTable& table) {
  if (!IsNameInsideFolder(table.BitmapName())) return std::nullopt;
  return table.Folder() + "\\" + table.BitmapName();
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

namespace {

std::string CheckLoadedTable(CPanelTable& table, IPictureProbe& pictures, IAskUser& ask) {
  const std::optional<std::string> bitmapPath = TableBitmapPath(table);
  if (!bitmapPath) return kBitmapUnreadable;
  const std::optional<PictureSize> size = pictures.LoadPictureSize(*bitmapPath);
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

}  // namespace

std::string CheckTableBitmap(CPanelTable& table, IPictureProbe& pictures, IAskUser& ask) {
  try {
    return CheckLoadedTable(table, pictures, ask);
  } catch (const std::exception&) {
    return kBitmapUnreadable;  // a picture too large to hold in memory
  }
}

}  // namespace panel
