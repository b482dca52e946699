#include "platform/grids/grid_shape.h"

#include <gtest/gtest.h>

#include "grid_test_helpers.h"
#include "platform/grids/grid_error.h"

namespace {

constexpr auto kCols = GridAxis::Columns;
constexpr auto kRows = GridAxis::Rows;

TEST(GridShape, StartsAsTheClassLibraryGrid) {
  TGridShape shape;
  EXPECT_EQ(shape.Cols().Count(), 5);
  EXPECT_EQ(shape.Rows().Fixed(), 1);
  EXPECT_EQ(shape.Cols().DefaultSize(), 64);
  EXPECT_EQ(shape.Rows().DefaultSize(), 24);
  EXPECT_EQ(shape.Current(), (TGridCoord{1, 1}));
  EXPECT_EQ(shape.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(GridShape, FixedCountsStayBelowTheCounts) {
  TGridShape shape;
  EXPECT_EQ(RaisedMessage([&] { shape.SetFixed(kCols, 5); }),
            "Fixed column count must be less than column count");
  EXPECT_EQ(RaisedMessage([&] { shape.SetFixed(kRows, 7); }),
            "Fixed row count must be less than row count");
  EXPECT_EQ(RaisedMessage([&] { shape.SetFixed(kRows, -1); }), "Grid index out of range");
  EXPECT_EQ(shape.Rows().Fixed(), 1);

  shape.SetFixed(kRows, 3);
  EXPECT_EQ(shape.Current(), (TGridCoord{1, 3}));  // the current cell left the fixed rows
  shape.SetCount(kRows, 2);                        // pulls the fixed rows down
  EXPECT_EQ(shape.Rows().Fixed(), 1);
  EXPECT_EQ(shape.Current(), (TGridCoord{1, 1}));
  shape.SetCount(kRows, 0);
  shape.SetFixed(kRows, 0);
  EXPECT_EQ(shape.Rows().Count(), 0);
}

TEST(GridShape, SelectionSpansAnchorAndCurrentAndMayLieAnywhere) {
  TGridShape shape;
  shape.SetCurrent({3, 4}, true);
  shape.SetCurrent({1, 2}, false);
  EXPECT_EQ(shape.Selection(), (TGridRect{1, 2, 3, 4}));
  shape.SetOptions(kDefaultGridOptions + goRowSelect);
  EXPECT_EQ(shape.Selection(), (TGridRect{1, 2, 4, 4}));

  shape.SetOptions(kDefaultGridOptions);
  shape.SetSelection({-1, -1, -1, -1});
  EXPECT_EQ(shape.Current(), (TGridCoord{-1, -1}));
  shape.SetSelection({2, 1, 40, 60});
  EXPECT_EQ(shape.Anchor(), (TGridCoord{2, 1}));
  EXPECT_EQ(shape.Selection(), (TGridRect{2, 1, 40, 60}));
  shape.SetCount(kCols, 3);  // the current cell stays inside the grid
  EXPECT_EQ(shape.Current(), (TGridCoord{2, 60}));
}

TEST(GridShape, MovedLinesTakeTheCurrentCellAndSizesAlong) {
  TGridShape shape;
  shape.SetSize(kCols, 1, 99);
  shape.SetCurrent({1, 1}, false);
  shape.SetCurrent({3, 1}, false);
  shape.MoveLine(kCols, 1, 4);  // the anchor's column moves; the current one shifts left
  EXPECT_EQ(shape.Anchor(), (TGridCoord{4, 1}));
  EXPECT_EQ(shape.Current(), (TGridCoord{2, 1}));
  EXPECT_EQ(shape.Cols().Size(4), 99);
  shape.MoveLine(kCols, 4, 0);
  EXPECT_EQ(shape.Anchor(), (TGridCoord{0, 1}));
  EXPECT_EQ(shape.Current(), (TGridCoord{3, 1}));
  EXPECT_EQ(RaisedMessage([&] { shape.MoveLine(kRows, 0, 5); }), "Grid index out of range");
  EXPECT_EQ(RaisedMessage([&] { shape.SetSize(kRows, 5, 3); }), "Grid index out of range");
}

TEST(GridShape, GridLinesTakeRoomOnlyWhereDrawn) {
  TGridShape shape;
  shape.SetClientSize(300, 100);
  EXPECT_EQ(shape.Cols().FixedExtent(), 65);
  shape.SetOptions({goVertLine, goHorzLine});
  EXPECT_EQ(shape.Cols().FixedExtent(), 64);
  shape.SetGridLineWidth(3);
  int start, end;
  ASSERT_TRUE(shape.Cols().Span(2, start, end));
  EXPECT_EQ(start, 64 + 67);
}

TEST(GridShape, ScrollingIntoViewKeepsColumnsWithRowSelect) {
  TGridShape shape;
  shape.SetCount(kCols, 20);
  shape.SetCount(kRows, 100);
  shape.SetClientSize(200, 100);
  shape.ScrollInView({10, 50});
  EXPECT_EQ(shape.Cols().First(), 9);  // 65 + 64 + 64 < 200 would not fit a third
  EXPECT_EQ(shape.Rows().First(), 48);
  shape.SetFirst(kCols, 1);
  shape.SetOptions(kDefaultGridOptions + goRowSelect);
  shape.ScrollInView({15, 2});
  EXPECT_EQ(shape.Cols().First(), 1);
  EXPECT_EQ(shape.Rows().First(), 2);
}

}  // namespace

namespace {

TEST(GridShape, CellRectsAndTheCellsUnderPoints) {
  TGridShape shape;
  shape.SetClientSize(200, 80);
  shape.SetFirst(kRows, 2);
  EXPECT_EQ(shape.CellRect(0, 0), TRect(0, 0, 64, 24));
  EXPECT_EQ(shape.CellRect(2, 2), TRect(130, 25, 194, 49));
  EXPECT_EQ(shape.CellRect(3, 2), TRect(195, 25, 259, 49));  // partly shown
  EXPECT_EQ(shape.CellRect(1, 1), TRect());                  // scrolled away
  EXPECT_EQ(shape.CellRect(4, 2), TRect());                  // right of the client
  EXPECT_EQ(shape.CellAt(64, 24), (TGridCoord{0, 0}));       // the grid lines count
  EXPECT_EQ(shape.CellAt(65, 30), (TGridCoord{1, 2}));
  EXPECT_EQ(shape.CellAt(199, 79), (TGridCoord{3, 4}));
  EXPECT_EQ(shape.CellAt(200, 10), (TGridCoord{-1, -1}));
  shape.SetCount(kRows, 3);
  EXPECT_EQ(shape.CellAt(10, 76), (TGridCoord{-1, -1}));  // below the last row
}

TEST(GridShape, BordersNearAPosition) {
  TGridShape shape;
  shape.SetClientSize(300, 100);
  const TGridAxis& cols = shape.Cols();
  EXPECT_EQ(cols.BorderNear(64, 3), 0);
  EXPECT_EQ(cols.BorderNear(61, 3), 0);
  EXPECT_EQ(cols.BorderNear(60, 3), -1);
  EXPECT_EQ(cols.BorderNear(67, 3), 0);
  EXPECT_EQ(cols.BorderNear(68, 3), -1);
  EXPECT_EQ(cols.BorderNear(130, 3), 1);
  shape.SetSize(kCols, 2, 0);  // a column sized to nothing can still be found and grown
  EXPECT_EQ(cols.BorderNear(130, 3), 2);
}

}  // namespace
