#include "table/PanelTable.h"

#include "table/SjisPath.h"

namespace panel {

bool IsSaneGrid(std::int64_t cellWidth, std::int64_t cellHeight, std::int64_t columns, std::int64_t rows) {
  if (columns < 1 || rows < 1 || columns > kMaxGridCells || rows > kMaxGridCells) return false;
  if (cellWidth < 1 || cellHeight < 1) return false;
  // Operands are bounded by the checks above or by int32 input, so the
  // products fit easily in 64 bits.
  return cellWidth * columns <= kMaxPanelPixels && cellHeight * rows <= kMaxPanelPixels;
}

void CPanelTable::SetTablePath(const std::string& pathSjis) {
  tablePath_ = pathSjis;
  folder_ = FolderOfSjisPath(pathSjis);
}

bool CPanelTable::CreateGrid(int cellWidth, int cellHeight, int columns, int rows) {
  if (!IsSaneGrid(cellWidth, cellHeight, columns, rows)) return false;
  cellWidth_ = cellWidth;
  cellHeight_ = cellHeight;
  columns_ = columns;
  rows_ = rows;
  cells_.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), CButtonInfo{});
  for (size_t i = 0; i < cells_.size(); ++i) cells_[i].SetCode(NoneCode(), static_cast<int>(i));
  return true;
}

}  // namespace panel
