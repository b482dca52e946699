// Highlighting, error marking and filling the full grid's cells over their ranges.
#include <gtest/gtest.h>

#include <set>

#include "components/grid/grid/ExtGrid.h"

namespace {

class LoadCountingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  int loads = 0;
  void CellsLoaded() override {
    ++loads;
    TExtStringGrid::CellsLoaded();
  }
};

// 5 columns and 6 rows: one fixed row and column, one footer row, one right fixed column.
class MarkedGrid : public testing::Test {
 protected:
  LoadCountingGrid grid{nullptr};

  void SetUp() override {
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetFixedFooters(1);
    grid.SetFixedRightCols(1);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 5; ++c) grid.SetCellEx(c, r, Original(c, r));
  }
  static AnsiString Original(int c, int r) {
    return "Bob <b>b" + IntToStr(c) + "</b>" + IntToStr(r);
  }
  // The cells whose text is not the original.
  std::set<std::pair<int, int>> Changed() {
    std::set<std::pair<int, int>> changed;
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 5; ++c)
        if (grid.GetCellEx(c, r) != Original(c, r)) changed.insert({c, r});
    return changed;
  }
  static std::set<std::pair<int, int>> Cells(int left, int top, int right, int bottom) {
    std::set<std::pair<int, int>> cells;
    for (int r = top; r <= bottom; ++r)
      for (int c = left; c <= right; ++c) cells.insert({c, r});
    return cells;
  }
};

TEST_F(MarkedGrid, HighlightingCoversTheRangeAndComesOffAgain) {
  grid.HilightInCol(false, false, 2, "B");
  EXPECT_EQ(Changed(), Cells(2, 1, 2, 4));  // no fixed row, no footer row
  // A mark that starts or ends where a tag stands goes before the tag.
  EXPECT_EQ(grid.GetCellEx(2, 1), "<hi>B</hi>o<hi>b</hi> <hi><b>b</hi>2</b>1");
  grid.UnHilightInCol(false, 2);
  EXPECT_TRUE(Changed().empty());

  grid.HilightInRow(false, true, 3, "b");
  EXPECT_EQ(Changed(), Cells(1, 3, 3, 3));  // no fixed column, no right fixed column
  EXPECT_EQ(grid.GetCellEx(1, 3), "Bo<hi>b</hi> <hi><b>b</hi>1</b>3");
  grid.UnHilightInRow(false, 3);
  grid.HilightInGrid(false, true, "Bob");
  EXPECT_EQ(Changed(), Cells(1, 1, 3, 4));
  grid.UnHilightInGrid(false);
  grid.HilightInGrid(true, true, "Bob");
  EXPECT_EQ(Changed(), Cells(0, 0, 4, 5));
  grid.HilightInCol(true, true, 0, "1");
  EXPECT_EQ(grid.GetCellEx(0, 1), "<hi>Bob</hi> <b>b0<hi></b>1</hi>");
  grid.UnHilightInGrid(true);
  EXPECT_TRUE(Changed().empty());
}

TEST_F(MarkedGrid, ErrorMarksAndHighlightsComeOffSeparately) {
  grid.MarkInCell(true, 1, 1, "ob");
  grid.HilightInCell(true, 1, 1, "b1");
  EXPECT_EQ(grid.GetCellEx(1, 1), "B<e>ob</e> <hi><b>b1</hi></b>1");
  grid.MarkInRow(true, true, 0, "Bob");
  grid.MarkInCol(true, true, 4, "Bob");
  grid.MarkInGrid(false, false, "zzz");
  EXPECT_EQ(Changed().size(), 1u + 5u + 5u);
  grid.UnHilightInCell(1, 1);
  EXPECT_EQ(grid.GetCellEx(1, 1), "B<e>ob</e> <b>b1</b>1");
  grid.UnMarkInCell(1, 1);
  grid.UnMarkInRow(true, 0);
  grid.UnMarkInCol(true, 4);
  EXPECT_TRUE(Changed().empty());
  grid.MarkInGrid(true, false, "o");
  grid.UnMarkInGrid(true);
  EXPECT_TRUE(Changed().empty());
}

TEST_F(MarkedGrid, AMergedBlockIsMarkedOnce) {
  grid.MergeCells(1, 1, 2, 2);
  grid.SetCellEx(2, 2, "ab");
  grid.HilightInGrid(false, true, "b");
  EXPECT_EQ(grid.GetCellEx(1, 1), "a<hi>b</hi>");
  // Also when the range starts inside the block.
  grid.UnHilightInGrid(false);
  grid.MarkInRow(false, true, 2, "a");
  EXPECT_EQ(grid.GetCellEx(2, 2), "<e>a</e>b");
}

TEST_F(MarkedGrid, CellsOutsideTheGridAreLeftAlone) {
  grid.HilightInCell(true, 7, 1, "B");
  grid.MarkInCol(true, true, -1, "B");
  grid.HilightInRow(true, true, 6, "B");
  EXPECT_TRUE(Changed().empty());
  EXPECT_EQ(grid.Cells(7, 1), "");
}

TEST_F(MarkedGrid, TextsOfStrings) {
  EXPECT_EQ(grid.HilightText(false, "x", "aXb"), "a<hi>X</hi>b");
  EXPECT_EQ(grid.UnHilightText("a<hi>X</hi>b<e>c</e>"), "aXb<e>c</e>");
  EXPECT_EQ(grid.MarkText(true, "x", "aXbx"), "aXb<e>x</e>");
  EXPECT_EQ(grid.UnMarkText("<hi>a</hi><E>x</E>"), "<hi>a</hi>x");
}

TEST_F(MarkedGrid, TextFillWritesTheNormalCellsOrAll) {
  grid.TextFill(false, "x");
  EXPECT_EQ(Changed(), Cells(1, 1, 3, 4));
  EXPECT_EQ(grid.GetCellEx(3, 4), "x");
  EXPECT_EQ(grid.loads, 1);
  grid.TextFill(true, "");
  EXPECT_EQ(Changed(), Cells(0, 0, 4, 5));
  EXPECT_EQ(grid.GetCellEx(4, 5), "");
  EXPECT_EQ(grid.loads, 2);
}

TEST_F(MarkedGrid, RandomFillWritesNumbersBelowTheMaximum) {
  grid.RandomFill(false, 3);
  std::set<AnsiString> values;
  for (const auto& [c, r] : Changed()) values.insert(grid.GetCellEx(c, r));
  EXPECT_EQ(Changed(), Cells(1, 1, 3, 4));
  for (const AnsiString& v : values) EXPECT_TRUE(v == "0" || v == "1" || v == "2") << v;
  EXPECT_EQ(grid.loads, 1);
  for (int max : {0, -5, 1}) {
    grid.RandomFill(true, max);
    for (const auto& [c, r] : Cells(0, 0, 4, 5)) EXPECT_EQ(grid.GetCellEx(c, r), "0") << max;
  }
}

}  // namespace
