// What a cell looks like before it is drawn: colours and fonts in their order of precedence,
// selection, alignment and the size of its text.
#include <gtest/gtest.h>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/core/GridUtil.h"

namespace {

// A grid whose formulas compute to a number.
class FormulaGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::RowSelectDragging;
  using TExtStringGrid::TExtStringGrid;
  AnsiString CalcCell(int ACol, int ARow) override {
    return GetCellEx(ACol, ARow) == "=1+1" ? "2" : GetCellEx(ACol, ARow);
  }
};

struct Look {
  TColor brush;
  TColor font;
  TGridDrawState state;
};

class Visual : public testing::Test {
 protected:
  FormulaGrid grid{nullptr};
  void SetUp() override {
    grid.SetColCount(5);
    grid.SetRowCount(10);
    grid.SetColor(clWhite);
    grid.SetFixedColor(clSilver);
  }
  // Without remap, col is a stored column, as the printer passes it.
  Look Of(int col, int row, bool print = false, bool select = false, TGridDrawState state = {},
          bool remap = true) {
    TBrush brush;
    TFont font;
    TAlignment h;
    TVAlignment v;
    bool wrap = false;
    grid.GetVisualProperties(col, row, state, print, select, remap, &brush, &font, h, v, wrap);
    return {brush.GetColor(), font.GetColor(), state};
  }
  TColor Brush(int col, int row, bool print = false) { return Of(col, row, print).brush; }
};

TEST_F(Visual, BandsStartOnTheFirstNormalRowAndYieldToTheCellsOwnColour) {
  grid.Bands.SetActive(true);
  grid.Bands.SetPrimaryColor(clYellow);
  grid.Bands.SetSecondaryColor(clAqua);
  grid.Bands.SetPrimaryLength(2);
  EXPECT_EQ(Brush(1, 1), clYellow);
  EXPECT_EQ(Brush(1, 2), clYellow);
  EXPECT_EQ(Brush(1, 3), clAqua);
  EXPECT_EQ(Brush(1, 4), clYellow);
  grid.SetColors(1, 2, clLime);
  EXPECT_EQ(Brush(1, 2), clLime);
  EXPECT_EQ(Brush(0, 2), clSilver);  // fixed

  grid.SetFixedFooters(1);
  grid.SetFixedRightCols(1);
  // Footer rows and right fixed columns are fixed cells: no bands, the fixed colour.
  EXPECT_EQ(Brush(1, 9), clSilver);
  EXPECT_EQ(Brush(4, 1), clSilver);
  EXPECT_EQ(Brush(3, 1), clYellow);

  EXPECT_EQ(Brush(1, 1, true), clWhite);  // printing shows bands only with Bands.Print
  grid.Bands.Print = true;
  EXPECT_EQ(Brush(1, 1, true), clYellow);
}

TEST_F(Visual, BandsOfNoLengthColourNothing) {
  grid.Bands.SetActive(true);
  grid.Bands.SetPrimaryLength(0);
  grid.Bands.SetSecondaryLength(0);
  for (int row = 1; row < 4; ++row) EXPECT_EQ(Brush(1, row), clWhite);
}

TEST_F(Visual, FixedCellsOnTheScreenAndInPrint) {
  grid.GetFixedFont()->SetColor(clNavy);
  const Look screen = Of(0, 3);
  EXPECT_EQ(screen.brush, clSilver);
  EXPECT_EQ(screen.font, clNavy);
  EXPECT_TRUE(screen.state.Contains(gdFixed));
  // A print keeps the cell's own colour and the grid's, not the fixed look.
  const Look print = Of(0, 3, true);
  EXPECT_EQ(print.brush, clWhite);
  EXPECT_FALSE(print.state.Contains(gdFixed));
  grid.SetColors(0, 3, clRed);
  EXPECT_EQ(Brush(0, 3, true), clRed);

  grid.OnGetCellColor = [](TObject*, int row, int col, TGridDrawState, TBrush* b, TFont*) {
    if (row == 4 && col == 0) b->SetColor(clMaroon);
  };
  EXPECT_EQ(Brush(0, 4), clMaroon);
  // A cell the handler calls fixed looks fixed too.
  grid.OnIsFixedCell = [](TObject*, int row, int col, bool& fixed) {
    fixed = row == 5 && col == 2;
  };
  EXPECT_EQ(Brush(2, 5), clSilver);
}

TEST_F(Visual, FontsByPlaceAndPrintAndTheCellsOwn) {
  grid.GetFont()->SetName("Arial");
  grid.GetFixedFont()->SetName("Courier");
  grid.PrintSettings.GetFont()->SetName("Times");
  TBrush brush;
  TFont font;
  TAlignment h;
  TVAlignment v;
  bool wrap = false;
  TGridDrawState state;
  const auto fontOf = [&](int col, int row, bool print) {
    grid.GetVisualProperties(col, row, state, print, false, true, &brush, &font, h, v, wrap);
    return font.GetName();
  };
  EXPECT_EQ(fontOf(1, 1, false), "Arial");
  EXPECT_EQ(fontOf(0, 1, false), "Courier");
  EXPECT_EQ(fontOf(0, 1, true), "Times");
  grid.SetFontNames(1, 1, "Verdana");
  grid.SetFontSizes(1, 1, 14);
  EXPECT_EQ(fontOf(1, 1, true), "Verdana");
  EXPECT_EQ(font.GetSize(), 14);
}

TEST_F(Visual, SelectionColoursOnlyWhenAskedAndShown) {
  grid.SetSelectionColor(clNavy);
  grid.SetSelectionTextColor(clYellow);
  grid.SelectRange(1, 2, 1, 2);
  EXPECT_EQ(Of(2, 2).brush, clWhite);  // the screen painter leaves it to the text step
  const Look selected = Of(2, 2, false, true);
  EXPECT_EQ(selected.brush, clNavy);
  EXPECT_EQ(selected.font, clYellow);
  EXPECT_TRUE(selected.state.Contains(gdSelected));
  EXPECT_EQ(Of(3, 3, false, true).brush, clWhite);
  EXPECT_EQ(Of(2, 2, true, true).brush, clWhite);  // never in print
  grid.SetShowSelection(false);
  EXPECT_EQ(Of(2, 2, false, true).brush, clWhite);
}

TEST_F(Visual, DisjunctRowsAndCells) {
  grid.SetSelectionColor(clNavy);
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(4, true);
  const Look row = Of(2, 4, false, true, TGridDrawState{gdFocused});
  EXPECT_EQ(row.brush, clNavy);
  EXPECT_EQ(row.state, TGridDrawState{gdSelected});  // the focus state is dropped
  EXPECT_EQ(Of(2, 5, false, true).brush, clWhite);
  EXPECT_EQ(Of(0, 4, false, true).brush, clSilver);  // fixed cells stay

  // While rows are dragged, the drawn state selects the others; the current row inverts.
  grid.RowSelectDragging = true;
  grid.SetRow(6);
  EXPECT_EQ(Of(2, 5, false, true, TGridDrawState{gdSelected}).brush, clNavy);
  EXPECT_EQ(Of(2, 6, false, true, TGridDrawState{gdSelected}).brush, clNavy);
  grid.SetRowSelect(6, true);
  EXPECT_EQ(Of(2, 6, false, true, TGridDrawState{gdSelected}).brush, clNavy);  // drag shows
  grid.RowSelectDragging = false;

  grid.MouseActions.DisjunctRowSelect = false;
  grid.MouseActions.DisjunctCellSelect = true;
  grid.SetSelectedCells(3, 7, true);
  const Look cell = Of(3, 7);  // in every mode, the screen painter's too
  EXPECT_EQ(cell.brush, clNavy);
  EXPECT_TRUE(cell.state.Contains(gdSelected));
}

// Stored column 1 hidden: shown 3 is stored 4, the right fixed column.
TEST_F(Visual, BandsEndBeforeTheRightFixedColumnWithAColumnHidden) {
  grid.Bands.SetActive(true);
  grid.Bands.Print = true;
  grid.Bands.SetPrimaryColor(clYellow);
  grid.SetFixedRightCols(1);
  grid.HideColumn(1);
  EXPECT_EQ(Brush(2, 1), clYellow);
  EXPECT_EQ(Brush(3, 1), clSilver);  // the right fixed column, fixed on the screen
  EXPECT_EQ(Of(4, 1, true, false, {}, false).brush, clWhite);
  EXPECT_EQ(Of(3, 1, true, false, {}, false).brush, clYellow);
}

TEST_F(Visual, PrintedDisjunctCellsRightOfAHiddenColumn) {
  grid.SetSelectionColor(clNavy);
  grid.MouseActions.DisjunctCellSelect = true;
  grid.HideColumn(1);
  grid.SetSelectedCells(2, 7, true);  // stored column 3
  EXPECT_EQ(Of(3, 7, true, false, {}, false).brush, clNavy);
  EXPECT_EQ(Of(2, 7, true, false, {}, false).brush, clWhite);
}

TEST_F(Visual, NumbersAlignRightWithAutoNumAlignUnlessTheCellSaysOtherwise) {
  grid.SetCells(1, 1, "42");
  grid.SetCells(1, 2, "-3.5");
  grid.SetCells(1, 3, "=1+1");
  grid.SetCells(1, 4, "abc");
  EXPECT_EQ(grid.GetCellAlignment(1, 1).HAlign, taLeftJustify);
  grid.AutoNumAlign = true;
  for (int row : {1, 2, 3}) EXPECT_EQ(grid.GetCellAlignment(1, row).HAlign, taRightJustify) << row;
  EXPECT_EQ(grid.GetCellAlignment(1, 4).HAlign, taLeftJustify);
  grid.SetAlignments(1, 1, taLeftJustify);
  EXPECT_EQ(grid.GetCellAlignment(1, 1).HAlign, taLeftJustify);
  grid.SetAlignments(1, 4, taCenter);
  EXPECT_EQ(grid.GetCellAlignment(1, 4).HAlign, taCenter);

  EXPECT_EQ(grid.GetCellAlignment(1, 4).VAlign, vtaTop);
  grid.SetVAlignment(vtaBottom);
  grid.OnGetAlignment = [](TObject*, int row, int, TAlignment& h, TVAlignment& v) {
    if (row == 2) {
      h = taCenter;
      v = vtaCenter;
    }
  };
  EXPECT_EQ(grid.GetCellAlignment(1, 3).VAlign, vtaBottom);
  EXPECT_EQ(grid.GetCellAlignment(1, 2).HAlign, taCenter);
  EXPECT_EQ(grid.GetCellAlignment(1, 2).VAlign, vtaCenter);
}

TEST_F(Visual, TextSize) {
  TCanvas* canvas = grid.GetCanvas();
  canvas->SetFont(grid.GetFont());
  const int line = canvas->TextHeight("gh");
  EXPECT_EQ(grid.GetCellTextSize(1, 1, false), TSize(4, line + 4));
  grid.SetXYOffset({5, 1});
  grid.SetCells(1, 1, "short\r\nthe longer line");
  const int width = canvas->TextWidth("the longer line");
  EXPECT_EQ(grid.GetCellTextSize(1, 1, false), TSize(width + 10, 2 * line + 2));

  grid.SetCells(1, 2, "http://example.org");
  const int full = grid.GetCellTextSize(1, 2, false).cx;
  grid.URLShow = true;
  EXPECT_EQ(grid.GetCellTextSize(1, 2, false).cx, canvas->TextWidth("example.org") + 10);
  grid.URLFull = true;
  EXPECT_EQ(grid.GetCellTextSize(1, 2, false).cx, full);

  grid.SetCells(1, 3, "word word word word word word word word");
  const TSize wrapped = grid.GetCellTextSize(1, 3, true);
  EXPECT_EQ(wrapped.cx, grid.ColWidths(1) + 10);
  EXPECT_GT(wrapped.cy, 2 * line);

  // Measured in the cell's own font.
  grid.SetFontSizes(1, 4, 30);
  EXPECT_GT(grid.GetCellTextSize(1, 4, false).cy, 2 * line);
}

TEST(RotatedTextSize, BoundingBoxAtAnyAngle) {
  EXPECT_EQ(RotatedTextSize({40, 10}, 0), TSize(52, 22));
  EXPECT_EQ(RotatedTextSize({40, 10}, 90), TSize(22, 52));
  EXPECT_EQ(RotatedTextSize({40, 10}, 180), TSize(52, 22));
  // A square does not collapse at 45 degrees: its diagonal.
  const TSize diagonal = RotatedTextSize({100, 100}, 45);
  EXPECT_EQ(diagonal.cx, diagonal.cy);
  EXPECT_GE(diagonal.cx, 140 + 12);
  EXPECT_LE(diagonal.cx, 142 + 12);
}

// The column grid's colours, fonts and check texts reach its normal cells only.
TEST(ColumnGridArea, ColumnLookStaysOutOfFootersAndRightFixedColumns) {
  TExtColumnGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetRowCount(6);
  grid.SetColor(clWhite);
  for (int c = 0; c < 4; ++c) {
    grid.GetColumns()->GetItem(c)->SetColor(clYellow);
    grid.GetColumns()->GetItem(c)->CheckTrue = "ja";
  }
  grid.SetFixedFooters(1);
  grid.SetFixedRightCols(1);
  const auto brushOf = [&](int col, int row) {
    TBrush brush;
    TFont font;
    brush.SetColor(clWhite);
    grid.GetCellColor(col, row, {}, &brush, &font);
    return brush.GetColor();
  };
  const auto checkTrue = [&](int col, int row) {
    AnsiString value;
    grid.GetCheckTrue(col, row, value);
    return value;
  };
  EXPECT_EQ(brushOf(1, 2), clYellow);
  EXPECT_EQ(checkTrue(1, 2), "ja");
  EXPECT_EQ(brushOf(1, 5), clWhite);  // footer row
  EXPECT_EQ(checkTrue(1, 5), "Y");
  EXPECT_EQ(brushOf(3, 2), clWhite);  // right fixed column
  EXPECT_EQ(checkTrue(3, 2), "Y");
}

}  // namespace
