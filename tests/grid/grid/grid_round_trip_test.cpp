// Every structural operation followed by its undoing leaves every cell where it was, on a grid
// with a footer row, a right fixed column, two hidden columns and three groups.
#include <gtest/gtest.h>

#include <functional>

#include "components/grid/grid/ExtGrid.h"

namespace {

class GridRoundTrip : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};

  // Columns before grouping: 1 the group (A A A B B B C C C), 2 the order within it, 3 to 6
  // texts, 7 the right fixed column; row 10 the footer.
  void SetUp() override {
    grid.SetColCount(8);
    grid.SetRowCount(11);
    for (int r = 1; r <= 9; ++r) {
      grid.SetCells(1, r, AnsiString(1, static_cast<char>('A' + (r - 1) / 3)));
      grid.SetCells(2, r, "0" + IntToStr(r));
      for (int c = 3; c <= 6; ++c) grid.SetCells(c, r, "r" + IntToStr(r) + "c" + IntToStr(c));
      grid.SetCells(7, r, "fix" + IntToStr(r));
    }
    for (int c = 0; c < 8; ++c) grid.SetCells(c, 10, "sum" + IntToStr(c));
    grid.SetFixedFooters(1);
    grid.SetFixedRightCols(1);
    grid.Group(1);
    grid.HideColumn(3);
    grid.HideColumn(5);
  }

  // Every stored cell by real row and column, with the shape and the nodes.
  AnsiString Snapshot() {
    AnsiString s = "rows " + IntToStr(grid.GetRowCount()) + " cols " + IntToStr(grid.GetColCount()) +
                   " hiddenrows " + IntToStr(grid.NumHiddenRows()) + " fixed " +
                   IntToStr(grid.GetFixedRows()) + "/" + IntToStr(grid.GetFixedFooters()) + "/" +
                   IntToStr(grid.GetFixedRightCols()) + "\n";
    const int cols = grid.GetColCount() + grid.NumHiddenColumns();
    for (int c = 0; c < cols; ++c) s += grid.IsHiddenColumn(c) ? "h" : "-";
    s += "\n";
    for (int r = 0; r < grid.GetRowCount(); ++r) {
      if (grid.IsNode(r))
        s += "node" + IntToStr(grid.GetNodeSpan(r)) + (grid.GetNodeState(r) ? "+ " : "- ");
      for (int c = 0; c < cols; ++c) s += grid.GetCellEx(c, r) + "|";
      s += "\n";
    }
    return s;
  }
  void FilterOn(int ACol, const AnsiString& Condition) {
    TFilterData* item = grid.Filter.GetColFilter(ACol);
    item->Condition = Condition;
    grid.SetFilterActive(true);
  }
  void SortGroups(int ACol, TSortDirection Direction) {
    grid.SortSettings.SetColumn(ACol);
    grid.SortSettings.SetDirection(Direction);
    grid.QSortGroup();
  }
};

TEST_F(GridRoundTrip, EveryOperationAndItsUndoingGiveTheGridBack) {
  struct Pair {
    const char* name;
    std::function<void()> apply, undo;
  };
  const Pair pairs[] = {
      {"filter", [&] { FilterOn(2, "*r2*"); },
       [&] {
         grid.SetFilterActive(false);
         grid.Filter.Clear();
       }},
      {"filter nobody matches", [&] { FilterOn(2, "zzz"); },
       [&] {
         grid.SetFilterActive(false);
         grid.Filter.Clear();
       }},
      {"hide rows", [&] { grid.HideRows(3, 5); }, [&] { grid.UnHideRows(3, 5); }},
      {"hide row under a node", [&] { grid.HideRow(2); }, [&] { grid.UnHideRow(2); }},
      {"hide column", [&] { grid.HideColumn(2); }, [&] { grid.UnHideColumn(2); }},
      {"show hidden column", [&] { grid.UnHideColumn(3); }, [&] { grid.HideColumn(3); }},
      {"ungroup", [&] { grid.UnGroup(); }, [&] { grid.Group(1); }},
      {"sort", [&] { SortGroups(2, sdDescending); }, [&] { SortGroups(1, sdAscending); }},
      {"insert rows", [&] { grid.InsertRows(4, 2); }, [&] { grid.RemoveRows(4, 2); }},
      {"insert columns", [&] { grid.InsertCols(2, 1); }, [&] { grid.RemoveCols(2, 1); }},
      {"move row", [&] { grid.MoveRow(3, 6); }, [&] { grid.MoveRow(6, 3); }},
      {"move column", [&] { grid.MoveColumn(1, 3); }, [&] { grid.MoveColumn(3, 1); }},
      {"exchange rows", [&] { grid.SwapRows(3, 5); }, [&] { grid.SwapRows(3, 5); }},
      {"exchange columns", [&] { grid.SwapColumns(1, 3); }, [&] { grid.SwapColumns(1, 3); }},
      {"contract node", [&] { grid.ContractNode(5); }, [&] { grid.ExpandNode(5); }},
      {"contract all", [&] { grid.ContractAll(); }, [&] { grid.ExpandAll(); }},
      {"insert while filtered",
       [&] {
         FilterOn(2, "*r5*");
         grid.InsertRows(2, 1);
       },
       [&] {
         grid.RemoveRows(2, 1);
         grid.SetFilterActive(false);
         grid.Filter.Clear();
       }},
      {"insert under a contracted node",
       [&] {
         grid.ContractNode(1);
         grid.InsertRows(3, 1);
       },
       [&] {
         grid.RemoveRows(3, 1);
         grid.ExpandNode(1);
       }},
  };
  const AnsiString before = Snapshot();
  ASSERT_EQ(grid.GetRowCount(), 14);  // header, 3 nodes, 9 rows, footer
  for (const Pair& pair : pairs) {
    pair.apply();
    pair.undo();
    EXPECT_EQ(Snapshot(), before) << pair.name;
  }
}

// The footer row is no group: grouping leaves it last, without a node, and ungrouping gives
// back its cell of the grouped column.
TEST_F(GridRoundTrip, GroupingLeavesTheFooterRowAlone) {
  EXPECT_FALSE(grid.IsNode(12));
  EXPECT_EQ(grid.GetNodeSpan(9), 4);
  EXPECT_EQ(grid.GetCellEx(0, 13), "sum0");
  grid.GroupCount(2);
  EXPECT_EQ(grid.GetCellEx(2, 9), "3");
  grid.UnGroup();
  ASSERT_EQ(grid.GetRowCount(), 11);
  EXPECT_EQ(grid.GetCellEx(1, 10), "sum1");
  EXPECT_EQ(grid.GetCellEx(1, 9), "C");
}

}  // namespace
