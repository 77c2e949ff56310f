#include "table/PanelGrid.h"

#include <gtest/gtest.h>

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

TEST(PanelGrid, StepsStopAtTheEdges) {
  const PanelGrid grid(40, 30, 3, 2);
  EXPECT_EQ(grid.Step(GridCell{0, 0}, -1, -1), (GridCell{0, 0}));
  EXPECT_EQ(grid.Step(GridCell{2, 1}, 1, 1), (GridCell{2, 1}));
  EXPECT_EQ(grid.Step(GridCell{1, 0}, 1, 1), (GridCell{2, 1}));
}
