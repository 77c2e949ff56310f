#include "table/PanelGrid.h"

#include <algorithm>

namespace panel {

std::optional<GridCell> PanelGrid::CellAt(int x, int y) const {
  if (x < 0 || y < 0 || cellWidth_ <= 0 || cellHeight_ <= 0) return std::nullopt;
  const GridCell cell{x / zoom_ / cellWidth_, y / zoom_ / cellHeight_};
  if (cell.column >= columns_ || cell.row >= rows_) return std::nullopt;
  return cell;
}

PixelRect PanelGrid::CellRect(GridCell cell) const {
  const PixelRect r = PictureRect(cell);
  return PixelRect{r.left * zoom_, r.top * zoom_, r.right * zoom_, r.bottom * zoom_};
}

PixelRect PanelGrid::PictureRect(GridCell cell) const {
  const int left = cell.column * cellWidth_;
  const int top = cell.row * cellHeight_;
  return PixelRect{left, top, left + cellWidth_, top + cellHeight_};
}

GridCell PanelGrid::Step(GridCell from, int dColumn, int dRow) const {
  return GridCell{std::clamp(from.column + dColumn, 0, std::max(columns_ - 1, 0)),
                  std::clamp(from.row + dRow, 0, std::max(rows_ - 1, 0))};
}

WindowFit FitInWorkArea(int width, int height, const PixelRect& work, int verticalBarWidth, int horizontalBarHeight) {
  const int workWidth = work.right - work.left;
  const int workHeight = work.bottom - work.top;
  WindowFit fit;
  fit.verticalBar = height > workHeight;
  if (fit.verticalBar) width += verticalBarWidth;
  fit.horizontalBar = width > workWidth;
  if (fit.horizontalBar) height += horizontalBarHeight;
  if (fit.horizontalBar && !fit.verticalBar && height > workHeight) {
    fit.verticalBar = true;
    width += verticalBarWidth;
  }
  width = std::min(width, workWidth);
  height = std::min(height, workHeight);
  const int left = work.left + (workWidth - width) / 2;
  const int top = work.top + (workHeight - height) / 2;
  fit.place = PixelRect{left, top, left + width, top + height};
  return fit;
}

}  // namespace panel
