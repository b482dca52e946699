#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridCheck.h"
#include "grid_text.h"

namespace {

// A header row and column, and three rows of texts.
class FindCells : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  const TPoint none{-1, -1};
  void SetUp() override {
    SetRowTexts(
        grid,
        {{"", "ab", "head"}, {"1", "xAby", "<b>ab</b>"}, {"2", "ab", "cab"}, {"3", "abc", "zz"}});
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
  }
};

TEST_F(FindCells, EachParameterNarrowsTheMatch) {
  EXPECT_EQ(grid.FindFirst("ab", {}), TPoint(1, 1));  // xAby: case ignored, headers skipped
  EXPECT_EQ(grid.FindFirst("ab", {fnMatchCase}), TPoint(1, 2));
  EXPECT_EQ(grid.FindFirst("ab", {fnMatchFull}), TPoint(1, 2));
  EXPECT_EQ(grid.FindFirst("ab", {fnMatchStart}), TPoint(1, 2));
  EXPECT_EQ(grid.FindFirst("ab", {fnIncludeFixed}), TPoint(1, 0));
  EXPECT_EQ(grid.FindFirst("ab", {fnDirectionLeftRight, fnMatchStart}), TPoint(1, 2));
  EXPECT_EQ(grid.FindFirst("ab", {fnBackward}), TPoint(2, 2));  // from the last cell
  EXPECT_EQ(grid.FindFirst("ab", {fnMatchFull, fnIgnoreHTMLTags, fnBackward}), TPoint(2, 1));
  EXPECT_EQ(grid.FindFirst("a?c", {fnMatchRegular}), TPoint(1, 3));
  grid.SetRow(3);
  EXPECT_EQ(grid.FindFirst("z", {fnFindInCurrentRow}), TPoint(2, 3));
  EXPECT_EQ(grid.FindFirst("x", {fnFindInCurrentRow}), none);
  grid.SetCol(2);
  EXPECT_EQ(grid.FindFirst("ab", {fnFindInCurrentCol, fnAutoGoto}), TPoint(2, 1));
  EXPECT_EQ(grid.GetRow(), 1);
}

TEST_F(FindCells, FindingAllEndsAfterTheLastMatch) {
  std::vector<TPoint> found;
  for (TPoint at = grid.FindFirst("ab", {}); at != none; at = grid.FindNext()) {
    found.push_back(at);
    ASSERT_LT(found.size(), 10u);
  }
  EXPECT_EQ(found, (std::vector<TPoint>{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}}));
  EXPECT_EQ(grid.FindNext(), none);  // and stays ended
  EXPECT_EQ(grid.Find({2, 3}, "ab", {}), none);
}

TEST_F(FindCells, HiddenColumnsAreSearchedOnlyWhenAsked) {
  grid.HideColumn(1);
  EXPECT_EQ(grid.FindFirst("xaby", {}), none);
  EXPECT_EQ(grid.FindFirst("xaby", {fnIncludeHiddenColumns}), TPoint(1, 1));
  EXPECT_EQ(grid.FindFirst("cab", {}), TPoint(1, 2));  // display column 1 is real column 2
}

TEST_F(FindCells, SearchLooksAtTheStartOfTheSortColumn) {
  EXPECT_EQ(grid.Search("AB"), 2);  // column 1, from the first normal row
  EXPECT_EQ(grid.Search("ABC"), 3);
  EXPECT_EQ(grid.Search("Q"), -1);
  grid.SortSettings.SetShow(true);
  grid.SortSettings.SetColumn(2);
  EXPECT_EQ(grid.Search("CA"), 2);

  TExtStringGrid narrow(nullptr);  // one column: that column
  SetRowTexts(narrow, {{"h"}, {"apple"}, {"pear"}});
  narrow.SetFixedCols(0);
  EXPECT_EQ(narrow.Search("PE"), 2);
  narrow.SortSettings.SetShow(true);
  narrow.SortSettings.SetColumn(-4);
  EXPECT_EQ(narrow.Search("AP"), 1);
  narrow.SetRowCount(1);
  EXPECT_EQ(narrow.Search("H"), -1);
}

// Filter ----------------------------------------------------------------------------------

class RowFilter : public testing::Test {
 protected:
  TExtStringGrid grid{nullptr};
  void SetUp() override {
    SetRowTexts(grid, {{"", "name"}, {"", "apple"}, {"", "pear"}, {"", "apricot"}, {"", "fig"}});
    grid.SetFixedRows(1);
  }
  void Filter(int ACol, const AnsiString& Condition) {
    TFilterData* item = grid.Filter.GetColFilter(ACol);
    item->Condition = Condition;
    item->CaseSensitive = false;
  }
};

TEST_F(RowFilter, RowsThatFailAreHiddenAndComeBack) {
  Filter(1, "a*");
  std::vector<int> progress;
  grid.OnFilterProgress = [&](TObject*, int16_t Progress) { progress.push_back(Progress); };
  grid.SetFilterActive(true);
  EXPECT_EQ(ColumnText(grid, 1), "name|apple|apricot");
  EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100}));
  EXPECT_EQ(grid.RemapRowInv(2), 3);
  grid.SetFilterActive(false);
  EXPECT_EQ(ColumnText(grid, 1), "name|apple|pear|apricot|fig");
  EXPECT_EQ(grid.NumHiddenRows(), 0);
}

TEST_F(RowFilter, AFilterNobodyMatchesKeepsTheHeaderFixed) {
  Filter(1, "z*");
  grid.SetFilterActive(true);
  EXPECT_EQ(grid.GetRowCount(), 2);
  EXPECT_EQ(grid.GetFixedRows(), 1);
  EXPECT_EQ(ColumnText(grid, 1), "name|");
  grid.SetFilterActive(false);
  EXPECT_EQ(ColumnText(grid, 1), "name|apple|pear|apricot|fig");
  EXPECT_EQ(grid.GetFixedRows(), 1);
}

TEST_F(RowFilter, ConditionsOfSeveralColumnsMustAllMatch) {
  for (int r = 1; r < 5; ++r) grid.SetCells(0, r, r % 2 ? "odd" : "even");
  Filter(1, "a*");
  Filter(0, "even");
  EXPECT_FALSE(grid.MatchFilter(1));
  EXPECT_TRUE(grid.MatchFilter(0) == false);
  grid.SetFilterActive(true);
  EXPECT_EQ(ColumnText(grid, 1), "name|");  // apple odd, apricot odd
  grid.SetFilterActive(false);
  grid.Filter.Clear();
  EXPECT_TRUE(grid.MatchFilter(1));
  Filter(-3, "");  // columns outside the grid read as empty
  Filter(99, "");
  EXPECT_TRUE(grid.MatchFilter(1));
}

// Checking ----------------------------------------------------------------------------------

TEST(CellCheck, CapitalCheckCorrectsSentenceStarts) {
  TCapitalCheck check(nullptr);
  EXPECT_EQ(check.Correct(0, 0, "hello. world! yes? no"), "Hello. World! Yes? No");
  EXPECT_EQ(check.Correct(0, 0, "a.b  c. 1x"), "A.b  c. 1x");
  EXPECT_EQ(check.Correct(0, 0, ""), "");
}

TEST(CellCheck, CheckCellsCorrectsAndAnswersWhetherAnythingChanged) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"", ""}, {"", "hello. world"}, {"", "Fine."}});
  TCapitalCheck check(nullptr);
  check.UseCorrect = true;
  EXPECT_TRUE(grid.CheckGrid(false));  // no checker: nothing to do
  grid.CellChecker = &check;
  EXPECT_TRUE(grid.CheckCell(1, 2));
  EXPECT_FALSE(grid.CheckCol(false, 1));
  EXPECT_EQ(grid.Cells(1, 1), "Hello. World");
  EXPECT_TRUE(grid.CheckGrid(true));
}

// The marking sees the corrected text, so a correction is never lost to it.
class MarkingCheck : public TCapitalCheck {
 public:
  using TCapitalCheck::TCapitalCheck;
  AnsiString MarkError(int, int, const AnsiString& Value) override {
    return HiLight(Value, "World", "e", true);
  }
  int starts = 0, stops = 0;
  void StartCheck() override { ++starts; }
  void StopCheck() override { ++stops; }
};

TEST(CellCheck, MarkingFollowsTheCorrection) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"", ""}, {"", "hello. world"}});
  MarkingCheck check(nullptr);
  check.UseCorrect = check.UseMarkError = check.GotoCell = true;
  grid.CellChecker = &check;
  grid.SetCol(1);
  grid.SetRow(1);
  EXPECT_FALSE(grid.CheckCells(1, 1, 1, 1));
  EXPECT_EQ(grid.Cells(1, 1), "Hello. <e>World</e>");
  EXPECT_EQ(check.starts, 1);
  EXPECT_EQ(check.stops, 1);
}

TEST(CellCheck, CheckerHelpers) {
  TExtStringGridCheck check(nullptr);
  EXPECT_EQ(check.HiLight("ab<BR>ba <i>ab</i>", "ab", "e", false),
            "<e>ab</e><BR>ba <e><i>ab</e></i>");
  EXPECT_EQ(check.HiLight("xa<hr>by", "ab", "e", false), "xa<hr>by");  // a line break ends words
  EXPECT_EQ(check.ReplaceOnce("a-b-c", "-", "+"), "a+b-c");
  EXPECT_EQ(check.ReplaceOnce("abc", "", "+"), "abc");
}

}  // namespace

namespace {

class EditedGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  void StartEdit() {
    InitValidate(GetCol(), GetRow());
    EditActive = true;
  }
};

// An edit that ends is corrected, then the handler sees the corrected text, then the marking.
TEST(CellCheck, EditsAreCorrectedAndMarkedAsTheyEnd) {
  EditedGrid grid(nullptr);
  SetRowTexts(grid, {{"", ""}, {"", ""}});
  MarkingCheck check(nullptr);
  grid.CellChecker = &check;
  grid.SetCol(1);
  grid.SetRow(1);
  AnsiString seen;
  grid.OnCellValidate = [&](TObject*, int, int, AnsiString& Value, bool&) { seen = Value; };
  grid.StartEdit();
  EXPECT_TRUE(grid.ValidateCell("hello. world"));
  EXPECT_EQ(grid.Cells(1, 1), "hello. world");  // neither flag set
  check.AutoCorrect = check.AutoMarkError = true;
  grid.StartEdit();
  EXPECT_TRUE(grid.ValidateCell("new. world"));
  EXPECT_EQ(seen, "New. World");
  EXPECT_EQ(grid.Cells(1, 1), "New. <e>World</e>");
}

}  // namespace
