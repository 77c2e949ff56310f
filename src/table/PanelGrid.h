#pragma once
// Pixel arithmetic of a panel's grid: which cell a point of the view falls
// in and which pixels a cell covers. The view shows the bitmap enlarged by a
// whole factor (the zoom), so every bitmap pixel is a square of view pixels and
// a view point is in exactly the cell its bitmap pixel is. The bitmap may be a
// pixel larger than the grid, so a point can lie on the bitmap and still in no cell.
#include <optional>

namespace panel {

struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};

// Right and bottom are exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PixelRect&) const = default;
  long long Area() const {
    return right > left && bottom > top ? static_cast<long long>(right - left) * (bottom - top) : 0;
  }
};

class PanelGrid {
 public:
  // `zoom` below 1 counts as 1.
  PanelGrid(int cellWidth, int cellHeight, int columns, int rows, int zoom = 1)
      : cellWidth_(cellWidth), cellHeight_(cellHeight), columns_(columns), rows_(rows), zoom_(zoom < 1 ? 1 : zoom) {}

  // The cell under a point of the view; nothing outside the grid, also for
  // negative coordinates.
  std::optional<GridCell> CellAt(int x, int y) const;
  // The view pixels a cell covers.
  PixelRect CellRect(GridCell cell) const;
  // The bitmap pixels a cell covers.
  PixelRect PictureRect(GridCell cell) const;
  int Zoom() const { return zoom_; }
  int Ordinal(GridCell cell) const { return cell.row * columns_ + cell.column; }
  // Moves by whole cells and stays inside the grid.
  GridCell Step(GridCell from, int dColumn, int dRow) const;

 private:
  int cellWidth_;
  int cellHeight_;
  int columns_;
  int rows_;
  int zoom_;
};

// Where the edit window goes in the work area of a screen, given its outer
// size: centred where it fits. A side that does not fit takes the work area's
// whole length and scrolls; its scroll bar takes room from the other side,
// which may then need one too.
struct WindowFit {
  PixelRect place;
  bool horizontalBar = false;
  bool verticalBar = false;
};
WindowFit FitInWorkArea(int width, int height, const PixelRect& work, int verticalBarWidth, int horizontalBarHeight);

}  // namespace panel
