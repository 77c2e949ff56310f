#include "table/PanelGrid.h"

#include <algorithm>

std::optional<GridCell> PanelGrid::CellAt(int x, int y) const {
  if (x < 0 || y < 0 || cellWidth_ <= 0 || cellHeight_ <= 0) return std::nullopt;
  const GridCell cell{x / cellWidth_, y / cellHeight_};
  if (cell.column >= columns_ || cell.row >= rows_) return std::nullopt;
  return cell;
}

PixelRect PanelGrid::CellRect(GridCell cell) const {
  const int left = cell.column * cellWidth_;
  const int top = cell.row * cellHeight_;
  return PixelRect{left, top, left + cellWidth_, top + cellHeight_};
}

GridCell PanelGrid::Step(GridCell from, int dColumn, int dRow) const {
  return GridCell{std::clamp(from.column + dColumn, 0, std::max(columns_ - 1, 0)),
                  std::clamp(from.row + dRow, 0, std::max(rows_ - 1, 0))};
}
