#include "table/PanelGrid.h"

#include <gtest/gtest.h>

using namespace panel;

TEST(PanelGrid, PointsOutsideTheGridHitNoCell) {
  const PanelGrid grid(40, 30, 3, 2);  // 120 x 60, the bitmap may be 121 x 61
  EXPECT_EQ(grid.CellAt(0, 0), (GridCell{0, 0}));
  EXPECT_EQ(grid.CellAt(119, 59), (GridCell{2, 1}));
  EXPECT_EQ(grid.CellAt(40, 29), (GridCell{1, 0}));
  EXPECT_FALSE(grid.CellAt(120, 10));  // the extra column of pixels
  EXPECT_FALSE(grid.CellAt(10, 60));
  EXPECT_FALSE(grid.CellAt(-1, 5));
  EXPECT_EQ(grid.Ordinal(GridCell{2, 1}), 5);
}

TEST(PanelGrid, AtDoubleSizeEveryViewPixelHitsTheCellOfItsBitmapPixel) {
  const PanelGrid grid(40, 30, 3, 2, 2);  // the view 240 x 120
  EXPECT_EQ(grid.CellAt(79, 59), (GridCell{0, 0}));
  EXPECT_EQ(grid.CellAt(80, 59), (GridCell{1, 0}));
  EXPECT_EQ(grid.CellAt(239, 60), (GridCell{2, 1}));
  EXPECT_FALSE(grid.CellAt(240, 10));
  EXPECT_FALSE(grid.CellAt(10, 120));
  EXPECT_EQ(grid.CellRect(GridCell{1, 1}), (PixelRect{80, 60, 160, 120}));
  EXPECT_EQ(grid.PictureRect(GridCell{1, 1}), (PixelRect{40, 30, 80, 60}));
}

TEST(PanelGrid, StepsStopAtTheEdges) {
  const PanelGrid grid(40, 30, 3, 2);
  EXPECT_EQ(grid.Step(GridCell{0, 0}, -1, -1), (GridCell{0, 0}));
  EXPECT_EQ(grid.Step(GridCell{2, 1}, 1, 1), (GridCell{2, 1}));
  EXPECT_EQ(grid.Step(GridCell{1, 0}, 1, 1), (GridCell{2, 1}));
}

TEST(PanelGrid, EditWindowFitsTheWorkAreaAndScrollsWhatDoesNot) {
  // 1366 x 768 with a taskbar of 40 at the bottom; scroll bars 17 wide.
  const PixelRect work{0, 0, 1366, 728};
  auto fit = [&](int width, int height) { return FitInWorkArea(width, height, work, 17, 17); };
  const WindowFit small = fit(646, 680);
  EXPECT_EQ(small.place, (PixelRect{360, 24, 1006, 704}));
  EXPECT_FALSE(small.horizontalBar || small.verticalBar);
  const WindowFit tall = fit(646, 900);  // centred across, full height, a bar beside the picture
  EXPECT_EQ(tall.place, (PixelRect{351, 0, 1014, 728}));
  EXPECT_TRUE(tall.verticalBar && !tall.horizontalBar);
  const WindowFit wide = fit(1400, 720);  // the bar below makes it too tall as well
  EXPECT_EQ(wide.place, (PixelRect{0, 0, 1366, 728}));
  EXPECT_TRUE(wide.verticalBar && wide.horizontalBar);
  // A work area that does not start at 0 (a second monitor, a taskbar at the top).
  EXPECT_EQ(FitInWorkArea(100, 50, PixelRect{1366, 40, 2366, 840}, 17, 17).place, (PixelRect{1816, 415, 1916, 465}));
}
