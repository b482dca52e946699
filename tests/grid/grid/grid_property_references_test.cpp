// A handler that raises in the middle of a sort or a hide leaves the properties objects as it
// found them: each held once by each cell (shown, hidden column or hidden row) that holds it,
// none freed twice or lost. Run under the address sanitizer, which fails the program on either.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "grid_text.h"

namespace {

struct Raised : std::runtime_error {
  Raised() : std::runtime_error("raised by the handler") {}
};

// A header row and a fixed column over rows in random order; every cell of columns 0 to 2
// has its own object, column 3 shares column 2's, column 3 is hidden and two rows are.
class PropertyMoves : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  int compares = 0;
  int raiseAt = -1;

  void SetUp() override {
    std::mt19937 random(7);
    std::vector<std::vector<AnsiString>> rows{{"", "h", "h", "h", "h"}};
    for (int r = 1; r <= 24; ++r)
      rows.push_back({std::to_string(r), std::to_string(random() % 100), "x", "y", "z"});
    SetRowTexts(grid, rows);
    grid.SetFixedCols(1);
    for (int r = 0; r < grid.GetRowCount(); ++r)
      for (int c = 0; c < 3; ++c)
        grid.GetCellProperties(c, r)->SetBrushColor(static_cast<TColor>(r * 8 + c));
    grid.CopyCols(3, 2);
    grid.HideColumn(3);
    grid.HideRows(5, 6);
    grid.SortSettings.SetColumn(1);
    grid.SortSettings.NormalCellsOnly = true;
    grid.OnGetFormat = [](TObject*, int, TSortStyle& Style, AnsiString&, AnsiString&) {
      Style = ssRaw;
    };
    grid.OnRawCompare = [this](TObject*, int ACol, int Row1, int Row2, int& Result) {
      if (compares++ == raiseAt) throw Raised();
      Result = std::stoi("0" + grid.Cells(ACol, Row1)) - std::stoi("0" + grid.Cells(ACol, Row2));
    };
  }

  // The cells holding each object: the grid's, hidden columns included, and the hidden rows'.
  std::map<const TCellProperties*, int> Holding() const {
    std::map<const TCellProperties*, int> cells;
    const int cols = grid.GetColCount() + grid.NumHiddenColumns();
    for (int r = 0; r < grid.GetRowCount(); ++r)
      for (int c = 0; c < cols; ++c)
        if (const TCellProperties* props = grid.FindCellProperties(c, r)) ++cells[props];
    for (int r = 0; r < grid.GetRowCount() + grid.NumHiddenRows(); ++r)
      if (const TStrings* hidden = grid.HiddenRow(r))
        for (int c = 0; c < hidden->Count(); ++c)
          if (auto* props = dynamic_cast<const TCellProperties*>(hidden->Objects(c)))
            ++cells[props];
    return cells;
  }

  // Raises at each comparison in turn, until the sort runs through.
  void RaiseAtEveryStep(const std::function<void()>& sort) {
    const std::map<const TCellProperties*, int> before = Holding();
    ASSERT_EQ(before.size(), 25u * 3);
    for (raiseAt = 0;; ++raiseAt) {
      compares = 0;
      bool raised = false;
      try {
        sort();
      } catch (const Raised&) {
        raised = true;
      }
      ASSERT_EQ(grid.ReferenceFault(), "") << "raised at " << raiseAt;
      ASSERT_EQ(Holding(), before) << "raised at " << raiseAt;
      for (const auto& [props, cells] : before) ASSERT_EQ(props->Holders(), cells);
      EXPECT_EQ(grid.GetRowCount(), 23);
      EXPECT_EQ(grid.GetColCount(), 4);
      if (!raised) break;
    }
    EXPECT_GT(raiseAt, 20);
  }
};

TEST_F(PropertyMoves, RowsSortedAroundAFixedColumn) {
  RaiseAtEveryStep([&] { grid.QSort(); });
  EXPECT_EQ(ColumnText(grid, 0).substr(0, 8), "|1|2|3|4");  // the fixed column stayed
}

TEST_F(PropertyMoves, OneColumnSortedAlone) {
  grid.SortSettings.SingleColumn = true;
  RaiseAtEveryStep([&] { grid.QSort(); });
}

TEST_F(PropertyMoves, BareQuickAndBubbleSorts) {
  RaiseAtEveryStep([&] { grid.QuickSort(1, 1, grid.GetRowCount() - 1); });
  RaiseAtEveryStep([&] { grid.SortByColumn(1); });
}

TEST_F(PropertyMoves, HidingAndShowingMoveTheReferences) {
  const std::map<const TCellProperties*, int> before = Holding();
  grid.CopyRows(9, 8);  // rows 8 and 9 share their objects: both hidden, then one shown
  grid.HideRows(9, 9);
  grid.HideRows(2, 4);
  EXPECT_EQ(grid.ReferenceFault(), "");
  grid.UnHideRows(2, 4);
  EXPECT_EQ(grid.ReferenceFault(), "");
  EXPECT_EQ(grid.NumHiddenRows(), 3);  // 5 and 6 of the setup, and 9
  grid.SetObjectsEx(1, 9, &grid);  // a hidden cell gets an object of its row's
  EXPECT_EQ(grid.ReferenceFault(), "");
  EXPECT_NE(Holding(), before);
  // The grid is freed with rows hidden: the sanitizer sees each object freed once.
}

TEST_F(PropertyMoves, AHandlerRaisingWhileRowsAreHiddenLeavesTheReferences) {
  const std::map<const TCellProperties*, int> before = Holding();
  grid.SetRow(22);
  grid.OnRowChanging = [](TObject*, int, int, bool&) { throw Raised(); };
  EXPECT_THROW(grid.HideRowsEx(22, 24), Raised);  // the current row leaves: the first is next
  grid.OnRowChanging = nullptr;
  EXPECT_EQ(grid.ReferenceFault(), "");
  EXPECT_EQ(Holding(), before);
  grid.UnHideRowsAll();
  EXPECT_EQ(Holding(), before);
}

}  // namespace
