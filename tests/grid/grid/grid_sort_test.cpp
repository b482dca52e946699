#include <gtest/gtest.h>

#include <random>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "grid_text.h"
#include "locale_scope.h"

namespace {

// A grid with a header row and no fixed column, sorted by column 0 unless a test says else.
class GridSort : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  LocaleScope locale{kGerman};

  void SetUp() override { grid.SetFixedCols(0); }
  void Rows(const std::vector<std::vector<AnsiString>>& rows) {
    SetRowTexts(grid, rows);
    grid.SetFixedCols(0);
  }
  void Style(int col, TSortStyle style) {
    grid.OnGetFormat = [col, style, previous = grid.OnGetFormat](
                           TObject* Sender, int ACol, TSortStyle& AStyle, AnsiString& Prefix,
                           AnsiString& Suffix) {
      if (previous) previous(Sender, ACol, AStyle, Prefix, Suffix);
      if (ACol == col) AStyle = style;
    };
  }
  void Sort(int col) {
    grid.SortSettings.SetColumn(col);
    grid.QSort();
  }
};

TEST_F(GridSort, NumbersWithBlanksLastInBothDirections) {
  Rows({{"h"}, {"10"}, {"9"}, {""}, {"7"}});
  Style(0, ssNumeric);
  grid.SortSettings.IgnoreBlanks = true;
  grid.SortSettings.BlankPos = blLast;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|7|9|10|");
  grid.SortSettings.SetDirection(sdDescending);
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|10|9|7|");
  grid.SortSettings.BlankPos = blFirst;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h||10|9|7");
  grid.SortSettings.SetDirection(sdAscending);
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h||7|9|10");
}

// A text that is no number goes after the numbers: were it equal to every number, it could
// keep two numbers apart and out of order (10 before 9 here).
TEST_F(GridSort, NumbersAmongTextsKeepTheNumbersInOrder) {
  Rows({{"h"}, {"10"}, {"9"}, {""}, {"abc"}});
  Style(0, ssNumeric);
  grid.SortSettings.IgnoreBlanks = true;
  grid.SortSettings.BlankPos = blLast;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|9|10|abc|");
  grid.SortSettings.SetDirection(sdDescending);
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|abc|10|9|");
}

TEST_F(GridSort, AlphabeticByBytesAutomaticByWhatTheTextsAre) {
  Rows({{"h"}, {"abc"}, {"a"}, {"B"}, {"ab"}});
  grid.SortSettings.AutoFormat = false;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|B|a|ab|abc");
  Rows({{"h"}, {"10"}, {"9"}, {"100"}, {"-2"}});
  grid.SortSettings.AutoFormat = true;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|-2|9|10|100");
  grid.SortSettings.AutoFormat = false;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|-2|10|100|9");
}

TEST_F(GridSort, ImpossibleDatesFirstFinancialTextsByValue) {
  Rows({{"h", "h"}, {"01.03.2024", "1.234,50"}, {"31.02.2024", "-5"}, {"15.01.2024", "999,99"}});
  Style(0, ssDate);
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|31.02.2024|15.01.2024|01.03.2024");
  Style(1, ssFinancial);
  Sort(1);
  EXPECT_EQ(ColumnText(grid, 1), "h|-5|999,99|1.234,50");
}

TEST_F(GridSort, FullBreaksTiesByTheColumnsToTheRight) {
  Rows({{"h", "h", "h"}, {"b", "x", "2"}, {"a", "x", "1"}, {"b", "x", "1"}, {"a", "y", "0"}});
  grid.SortSettings.AutoFormat = false;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0) + " " + ColumnText(grid, 1) + " " + ColumnText(grid, 2),
            "h|a|a|b|b h|x|y|x|x h|1|0|1|2");
  grid.SortSettings.Full = false;
  EXPECT_EQ(grid.CompareLine(0, 3, 4), 0);
  grid.SortSettings.Full = true;
  EXPECT_EQ(grid.CompareLine(0, 3, 4), -1);
  EXPECT_EQ(grid.CompareLine(2, 1, 2), 1);  // the last column has none to its right
}

// The query engine's index grid: the record number, then the two keys, each column's style
// set on its item; it sorts by the second key, then by the first with Full on.
TEST(ColumnGridSort, TwoKeysAsTheQueryEngineSortsThem) {
  LocaleScope german(kGerman);
  TExtColumnGrid grid(nullptr);
  SetRowTexts(grid, {{"Nr", "Key1", "Key2"}, {"0", "R", "10"}, {"1", "C", "9,5"},
                     {"2", "R", "9"}, {"3", "C", "10"}, {"4", "R", ""}});
  grid.SetFixedCols(0);
  grid.GetColumns()->GetItem(1)->SortStyle = ssAlphabetic;
  grid.GetColumns()->GetItem(2)->SortStyle = ssNumeric;
  grid.SortSettings.SetColumn(2);
  grid.QSort();
  grid.SortSettings.SetColumn(1);
  grid.QSort();
  EXPECT_EQ(ColumnText(grid, 0), "Nr|1|3|4|2|0");
}

TEST_F(GridSort, CellsBeyondTheColumnsAndPropertiesTravelWithTheirRows) {
  Rows({{"h", "h"}, {"c", "3"}, {"a", "1"}, {"b", "2"}});
  grid.SetCells(5, 1, "hidden 3");  // kept beyond the column count, as hidden cells are
  grid.SetCells(5, 2, "hidden 1");
  grid.GetCellProperties(1, 1)->SetBrushColor(clRed);
  grid.GetCellProperties(0, 3)->SetBrushColor(clBlue);
  grid.SetRowHeights(2, 40);
  grid.SortSettings.AutoFormat = false;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 1), "h|1|2|3");
  EXPECT_EQ(grid.Cells(5, 1), "hidden 1");
  EXPECT_EQ(grid.Cells(5, 3), "hidden 3");
  ASSERT_NE(grid.FindCellProperties(1, 3), nullptr);
  EXPECT_EQ(grid.FindCellProperties(1, 3)->GetBrushColor(), clRed);
  EXPECT_EQ(grid.FindCellProperties(0, 2)->GetBrushColor(), clBlue);
  EXPECT_EQ(grid.FindCellProperties(1, 1), nullptr);
  EXPECT_EQ(grid.RowHeights(1), 40);
  EXPECT_EQ(grid.RowHeights(2), grid.GetDefaultRowHeight());
  // The spare rows are gone, and so is what they held.
  EXPECT_EQ(grid.GetRowCount(), 4);
  grid.SetRowCount(7);
  EXPECT_EQ(RowText(grid, 4) + RowText(grid, 5) + RowText(grid, 6), "|||");
  EXPECT_EQ(grid.FindCellProperties(1, 5), nullptr);
}

TEST_F(GridSort, GridsWithoutTwoNormalRowsStayAsTheyAre) {
  Rows({{"h"}, {"b"}});
  grid.SetRow(1);
  grid.SortIndexes.AddIndex(0, true);
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|b");
  EXPECT_EQ(grid.GetRowCount(), 2);
  EXPECT_EQ(grid.SortIndexes.Count(), 0);  // QSort starts from an empty index list
  Rows({{"h"}});
  Sort(0);
  EXPECT_EQ(grid.GetRowCount(), 1);
}

TEST_F(GridSort, AColumnOutsideTheGridLeavesTheRowsAsTheyAre) {
  Rows({{"h"}, {"b"}, {"a"}});
  Sort(1000000000);
  EXPECT_EQ(ColumnText(grid, 0), "h|b|a");
  grid.SortIndexes.AddIndex(-7, true);
  grid.QSortIndexed();  // every row ties: the indexed sort may swap them
  EXPECT_EQ(grid.GetRowCount(), 3);
  const AnsiString rows = grid.Cells(0, 1) + grid.Cells(0, 2);
  EXPECT_TRUE(rows == "ab" || rows == "ba") << rows;
}

TEST_F(GridSort, FooterRowsAndFixedRowsStay) {
  Rows({{"h"}, {"c"}, {"a"}, {"b"}, {"total"}});
  grid.SetFixedFooters(1);
  grid.SortSettings.AutoFormat = false;
  grid.SortSettings.SetDirection(sdDescending);
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|c|b|a|total");
}

TEST_F(GridSort, TheCurrentRowStaysOrFollowsItsRow) {
  Rows({{"h"}, {"c"}, {"a"}, {"b"}});
  grid.SortSettings.AutoFormat = false;
  grid.SetRow(1);
  Sort(0);
  EXPECT_EQ(grid.GetRow(), 1);
  EXPECT_EQ(grid.Cells(0, grid.GetRow()), "a");
  grid.Navigation.MoveRowOnSort = true;
  grid.SortSettings.SetDirection(sdDescending);
  Sort(0);
  EXPECT_EQ(grid.Cells(0, grid.GetRow()), "a");
  EXPECT_EQ(grid.GetRow(), 3);
}

TEST_F(GridSort, NormalCellsOnlyKeepsTheFixedColumn) {
  Rows({{"", "h"}, {"1", "c"}, {"2", "a"}, {"3", "b"}});
  grid.SetFixedCols(1);
  grid.SortSettings.NormalCellsOnly = true;
  grid.SortSettings.AutoFormat = false;
  Sort(1);
  EXPECT_EQ(ColumnText(grid, 0) + " " + ColumnText(grid, 1), "|1|2|3 h|a|b|c");
  grid.SortSettings.NormalCellsOnly = false;
  grid.SortSettings.SetDirection(sdDescending);
  Sort(1);
  EXPECT_EQ(ColumnText(grid, 0) + " " + ColumnText(grid, 1), "|3|2|1 h|c|b|a");
}

TEST_F(GridSort, SingleColumnMovesOnlyTheSortColumn) {
  Rows({{"h", "h"}, {"c", "1"}, {"a", "2"}, {"b", "3"}});
  grid.SortSettings.SingleColumn = true;
  grid.SortSettings.AutoFormat = false;
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0) + " " + ColumnText(grid, 1), "h|a|b|c h|1|2|3");
}

TEST_F(GridSort, HandlersCompareCustomAndRawColumns) {
  Rows({{"h"}, {"bb"}, {"a"}, {"ccc"}});
  Style(0, ssCustom);
  grid.OnCustomCompare = [](TObject*, const AnsiString& A, const AnsiString& B, int& Result) {
    Result = static_cast<int>(B.size()) - static_cast<int>(A.size());  // any size of answer
  };
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|ccc|bb|a");
  Style(0, ssRaw);
  grid.OnRawCompare = [this](TObject*, int ACol, int Row1, int Row2, int& Result) {
    Result = grid.Cells(ACol, Row1).compare(grid.Cells(ACol, Row2));
  };
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|a|bb|ccc");
  grid.OnRawCompare = nullptr;
  EXPECT_EQ(grid.Compare(0, 1, 2), 0);
}

TEST_F(GridSort, DisplayTextsDecide) {
  Rows({{"h"}, {"1"}, {"2"}, {"3"}});
  grid.SortSettings.AutoFormat = false;
  grid.OnGetDisplText = [](TObject*, int, int, AnsiString& Value) {
    if (!Value.empty()) Value = AnsiString(1, static_cast<char>('z' - Value[0]));
  };
  Sort(0);
  EXPECT_EQ(ColumnText(grid, 0), "h|3|2|1");
}

// The sorts compare keys made once per cell; a display-text handler makes them read the
// cells at every comparison. Both give the same comparisons, so the same order.
TEST_F(GridSort, KeysAndCellsSortAlike) {
  std::mt19937 random(7);
  const char* const words[] = {"Widerstand 10k", "Widerstand 2k2", "C", "c", "IC", "<b>x</b>",
                               "", "12", "-3,5", "1.000,25", "3/4/2024", "31.12.2023", "ab",
                               "10:30", "a/1"};
  std::vector<std::vector<AnsiString>> rows{{"Nr", "A", "B"}};
  for (int r = 0; r < 300; ++r)
    rows.push_back({IntToStr(r), words[random() % 15], words[random() % 15]});
  for (TSortStyle style : {ssAutomatic, ssAlphabetic, ssAlphaNoCase, ssNumeric, ssFinancial,
                           ssDate, ssShortDateEU, ssHTML}) {
    for (bool blanks : {false, true}) {
      grid.OnGetDisplText = nullptr;
      grid.OnGetFormat = nullptr;
      Style(1, style);
      grid.SortSettings.IgnoreBlanks = blanks;
      Rows(rows);
      Sort(1);
      const AnsiString keyed = ColumnText(grid, 0);
      Rows(rows);
      grid.OnGetDisplText = [](TObject*, int, int, AnsiString&) {};
      Sort(1);
      EXPECT_EQ(ColumnText(grid, 0), keyed) << style << " " << blanks;
    }
  }
}

TEST_F(GridSort, IndexedSortsByEachEntryInItsDirection) {
  Rows({{"h", "h"}, {"a", "1"}, {"b", "1"}, {"a", "2"}, {"b", "2"}});
  grid.SortSettings.AutoFormat = false;
  try {
    grid.QSortIndexed();
    FAIL();
  } catch (const EExtGridError& e) {
    EXPECT_STREQ(e.what(), "No indexes specified for indexed sort");
  }
  EXPECT_EQ(ColumnText(grid, 0), "h|a|b|a|b");
  grid.SortIndexes.AddIndex(1, false);
  grid.SortIndexes.AddIndex(0, true);
  grid.QSortIndexed();
  EXPECT_EQ(ColumnText(grid, 1) + " " + ColumnText(grid, 0), "h|2|2|1|1 h|a|b|a|b");
  grid.SortIndexes.ToggleIndex(1);
  EXPECT_EQ(grid.SortIndexes.FindIndex(1), 0);
  grid.QuickSortIndexed(1, 4);
  EXPECT_EQ(ColumnText(grid, 1) + " " + ColumnText(grid, 0), "h|1|1|2|2 h|a|b|a|b");
}

TEST_F(GridSort, BubbleSortIsStable) {
  Rows({{"h", "h"}, {"b", "1"}, {"a", "2"}, {"b", "3"}, {"a", "4"}, {"b", "5"}});
  grid.SortSettings.AutoFormat = false;
  grid.SortByColumn(0);
  EXPECT_EQ(ColumnText(grid, 1), "h|2|4|1|3|5");
  grid.SortSettings.SetDirection(sdDescending);
  grid.SortByColumn(0);
  EXPECT_EQ(ColumnText(grid, 1), "h|1|3|5|2|4");
}

TEST_F(GridSort, SortLineSwapsTwoRowsOutOfOrder) {
  Rows({{"h", "h"}, {"a", "2"}, {"a", "1"}});
  grid.SortSettings.AutoFormat = false;
  EXPECT_TRUE(grid.SortLine(0, 1, 2));  // column 0 ties, column 1 decides
  EXPECT_EQ(ColumnText(grid, 1), "h|1|2");
  EXPECT_FALSE(grid.SortLine(0, 1, 2));
  EXPECT_EQ(ColumnText(grid, 1), "h|1|2");
}

TEST_F(GridSort, SortLineLeavesRowsOutsideTheGridAlone) {
  Rows({{"h", "h"}, {"b", "2"}, {"a", "1"}});
  grid.SortSettings.AutoFormat = false;
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(2, true);
  EXPECT_FALSE(grid.SortLine(0, 2, -1));
  EXPECT_FALSE(grid.SortLine(0, 1, 3));
  EXPECT_EQ(ColumnText(grid, 1), "h|2|1");
  EXPECT_TRUE(grid.GetRowSelect(2));
  grid.SortSwapRows(2, -1);  // the hook itself keeps the select states in bounds
  EXPECT_TRUE(grid.GetRowSelect(2));
}

TEST_F(GridSort, TheCrossReferenceTellsWhereRowsWent) {
  Rows({{"h"}, {"c"}, {"a"}, {"b"}});
  grid.SortSettings.AutoFormat = false;
  EXPECT_EQ(grid.UnSortedRowIndex(2), 2);
  grid.InitSortXRef();
  Sort(0);
  EXPECT_EQ(grid.SortedRowIndex(1), 2);  // "a" stood in row 2
  EXPECT_EQ(grid.SortedRowIndex(3), 1);
  EXPECT_EQ(grid.SortedRowIndex(9), 9);
  EXPECT_EQ(grid.UnSortedRowIndex(1), 3);  // the former row 1, "c", stands in row 3
  EXPECT_EQ(grid.UnSortedRowIndex(7), 4);
  EXPECT_EQ(grid.GetUnSortedCell(0, 1), "c");
  grid.SetUnSortedCell(0, 2, "A");
  EXPECT_EQ(ColumnText(grid, 0), "h|A|b|c");
}

TEST_F(GridSort, BareQuickSortKeepsToItsRows) {
  Rows({{"h"}, {"d"}, {"c"}, {"b"}, {"a"}});
  grid.SortSettings.AutoFormat = false;
  grid.QuickSort(0, 2, 3);
  EXPECT_EQ(ColumnText(grid, 0), "h|d|b|c|a");
  grid.QuickSort(0, -5, 1000);  // the spare rows below are not the grid's
  EXPECT_EQ(ColumnText(grid, 0), "a|b|c|d|h");
  EXPECT_EQ(grid.GetRowCount(), 5);
}

}  // namespace
