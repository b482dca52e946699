// The grid's shape under filters, footers and fixed parts, and the look settings reaching the
// painted cells, as the user meets them on a shown grid.
#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "grid_text.h"
#include "platform/controls/keys.h"
#include "shown_grid.h"

namespace {

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

int CountColor(const QImage& image, QColor color, QRect area) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == color;
  return count;
}

int CountDark(const QImage& image, QRect area) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y).value() < 100;
  return count;
}

class GridStructure : public ShownGrid<TExtStringGrid> {
 protected:
  QRect Cell(int col, int row) const {
    const TRect r = grid->CellRect(col, row);
    return QRect(r.Left + 2, r.Top + 2, r.Width() - 4, r.Height() - 4);
  }
  void FilterColumn1(const AnsiString& Condition) {
    TFilterData* item = grid->Filter.GetColFilter(1);
    item->Condition = Condition;
    item->CaseSensitive = false;
  }
  // Column 1: a1 b1 a2 b2 a3 b3 a4 b4 below the header, filtered on the a rows.
  void FilteredPairs() {
    grid->SetColCount(2);
    grid->SetRowCount(9);
    for (int i = 0; i < 8; ++i)
      grid->SetCells(1, i + 1, AnsiString(i % 2 ? "b" : "a") + IntToStr(i / 2 + 1));
    FilterColumn1("a*");
    grid->SetFilterActive(true);
    ASSERT_EQ(ColumnText(*grid, 1, 1), "a1|a2|a3|a4");
  }
};

// A filter nobody matches, switched off, gives back the footer row with its cells and its
// calculation, whether the footer is a fixed footer or the floating footer's sum row.
TEST_F(GridStructure, FilterOffGivesBackTheFooterRow) {
  for (bool floating : {false, true}) {
    SCOPED_TRACE(floating ? "floating footer" : "fixed footer");
    grid->SetColCount(3);
    grid->SetRowCount(6);
    for (int r = 1; r < 5; ++r) grid->SetCells(1, r, IntToStr(r));
    grid->SetCellEx(1, 5, "total");
    if (floating) {
      grid->FloatingFooter.SetVisible(true);
      grid->FloatingFooter.SetColumnCalc(2, acCOUNT);
    } else {
      grid->SetFixedFooters(1);
    }
    FilterColumn1("zzz");
    grid->SetFilterActive(true);
    EXPECT_EQ(ColumnText(*grid, 1), "||total");
    grid->SetFilterActive(false);
    EXPECT_EQ(ColumnText(*grid, 1), "|1|2|3|4|total");
    EXPECT_EQ(grid->GetFixedRows(), 1);
    if (floating) {
      EXPECT_EQ(grid->FloatingFooter.GetColumnCalc(2), acCOUNT);
      grid->FloatingFooter.SetVisible(false);
    }
    grid->SetFixedFooters(0);
    grid->Filter.Clear();
  }
}

// Rows removed or inserted while filtered take the hidden rows after them along.
TEST_F(GridStructure, RowOperationsWhileFilteredKeepTheHiddenRowsInPlace) {
  struct Case {
    const char* name;
    std::function<void()> change;
    const char* after;
  };
  const Case cases[] = {
      {"RemoveRows", [this] { grid->RemoveRows(2, 1); }, "a1|b1|b2|a3|b3|a4|b4"},
      {"RemoveRowsEx", [this] { grid->RemoveRowsEx(2, 2); }, "a1|b1|b2|b3|a4|b4"},
      {"InsertRows", [this] { grid->InsertRows(2, 1); },
       "a1|b1||a2|b2|a3|b3|a4|b4"},
      {"Delete key",
       [this] {
         grid->Navigation.AllowDeleteRow = true;
         grid->SetRow(2);
         Key(Qt::Key_Delete);
       },
       "a1|b1|b2|a3|b3|a4|b4"},
      {"Insert key",
       [this] {
         grid->Navigation.AllowInsertRow = true;
         grid->SetRow(4);
         Key(Qt::Key_Insert);
       },
       "a1|b1|a2|b2|a3|b3||a4|b4"},
  };
  ShowFocused();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FilteredPairs();
    c.change();
    grid->SetFilterActive(false);
    EXPECT_EQ(ColumnText(*grid, 1, 1), c.after);
  }
}

TEST_F(GridStructure, ACellScrolledAboveTheTopRowHasNoRectangle) {
  grid->SetColCount(3);
  grid->SetRowCount(40);
  ShowFocused();
  grid->SetTopRow(10);
  EXPECT_TRUE(IsRectEmpty(grid->CellRect(1, 5)));
  EXPECT_TRUE(IsRectEmpty(grid->CellRect(1, 9)));
  EXPECT_FALSE(IsRectEmpty(grid->CellRect(1, 10)));
  EXPECT_FALSE(IsRectEmpty(grid->CellRect(1, 0)));  // the header stays
  // A block reaching into view keeps its rectangle.
  grid->MergeCells(2, 8, 1, 4);
  EXPECT_EQ(grid->CellRect(2, 8).Bottom, grid->CellRect(2, 11).Bottom);
  EXPECT_FALSE(IsRectEmpty(grid->CellRect(2, 8)));
}

// Footer rows and right fixed columns are fixed: they paint in FixedColor.
TEST_F(GridStructure, FooterRowsAndRightFixedColumnsAreFixed) {
  grid->SetColCount(5);
  grid->SetRowCount(8);
  grid->SetDefaultRowHeight(20);
  grid->SetFixedFooters(1);
  grid->SetFixedRightCols(1);
  grid->SetColor(clWhite);
  grid->SetFixedColor(TColor(0x00C08040));
  EXPECT_TRUE(grid->IsFixed(2, 7));
  EXPECT_TRUE(grid->IsFixed(4, 2));
  EXPECT_FALSE(grid->IsFixed(3, 6));
  ShowFocused();
  const QImage image = Render();
  const QColor fixed = ToQColor(0x00C08040);
  for (auto [col, row] : {std::pair{2, 7}, {4, 2}, {1, 0}}) {
    const QRect c = Cell(col, row);
    EXPECT_EQ(image.pixelColor(c.center()), fixed) << col << "," << row;
  }
  EXPECT_EQ(image.pixelColor(Cell(3, 6).center()), QColor(Qt::white));
}

TEST_F(GridStructure, LinksDrawInTheURLColor) {
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetColWidths(1, 150);
  grid->SetColor(clWhite);
  grid->SetURLShow(true);
  grid->SetURLColor(clRed);
  grid->SetCells(1, 1, "http://example.com");
  grid->SetCells(1, 2, "<A href=\"x\">a link here</A>");
  ShowFocused();
  grid->SetRow(3);
  const QImage image = Render();
  for (int row : {1, 2}) {
    EXPECT_GT(CountColor(image, Qt::red, Cell(1, row)), 5) << row;
    EXPECT_EQ(CountColor(image, Qt::blue, Cell(1, row)), 0) << row;
  }
}

// One image list serves image cells and HTML text.
TEST_F(GridStructure, OneImageListServesImageCellsAndHTML) {
  TImageList images(12, 12);
  TBitmap b;
  b.SetSize(12, 12);
  b.Canvas->Brush->SetColor(clRed);
  b.Canvas->FillRect({0, 0, 12, 12});
  images.AddMasked(&b, clWhite);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetDefaultRowHeight(24);
  grid->SetImages(&images);
  grid->SetCells(1, 1, "<IMG SRC=\"IDX:0\">");
  grid->AddImageIdx(2, 1, 0, haLeft, vaTop);
  EXPECT_GE(grid->GetCellTextSize(1, 1, false).cx, 12);
  EXPECT_EQ(grid->GetCellType(2, 1), ctImageList);
  ShowFocused();
  grid->SetRow(3);
  const QImage image = Render();
  EXPECT_GT(CountColor(image, Qt::red, Cell(1, 1)), 50);
  EXPECT_GT(CountColor(image, Qt::red, Cell(2, 1)), 50);
  grid->SetImages(nullptr);
}

// BLINK text shows in one phase of the grid timer and not in the other; without blinking it
// shows always.
TEST_F(GridStructure, BlinkTextFollowsThePhase) {
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetColWidths(1, 120);
  grid->SetColor(clWhite);
  grid->SetCells(1, 1, "<blink>WWWW</blink>");
  ShowFocused();
  grid->SetRow(3);
  EXPECT_GT(CountDark(Render(), Cell(1, 1)), 10);
  grid->EnableBlink = true;
  for (int phase = 0; phase < 2; ++phase) {
    const bool on = grid->GetBlinkOn();
    EXPECT_EQ(CountDark(Render(), Cell(1, 1)) > 10, on) << "phase " << phase;
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->GetBlinkOn() != on; }, 3000));
  }
}

TEST_F(GridStructure, NoPanningOnAGridWhoseOnlyRowIsFixed) {
  grid->SetColCount(3);
  grid->FixedRowAlways = true;
  grid->SetFixedRows(0);
  grid->SetRowCount(1);
  grid->IntelliPan = ipBoth;
  ShowFocused();
  QTest::mousePress(Client(), Qt::MiddleButton, {}, At(1, 0));
  EXPECT_FALSE(grid->GetPanning());
  QTest::mouseRelease(Client(), Qt::MiddleButton, {}, At(1, 0));
  grid->SetRowCount(3);
  QTest::mousePress(Client(), Qt::MiddleButton, {}, At(1, 1));
  EXPECT_TRUE(grid->GetPanning());
  QTest::mousePress(Client(), Qt::MiddleButton, {}, At(1, 1));
  EXPECT_FALSE(grid->GetPanning());
}

// Angles and button sizes come from binary streams and pasted grids: the extremes draw
// within their cells, without overflow or a picture the size of the number.
TEST_F(GridStructure, ExtremeAnglesAndButtonSizesDrawInTheirCells) {
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetDefaultRowHeight(30);
  grid->SetColor(clWhite);
  grid->AddRotated(1, 1, 0, "turned");
  grid->GetCellGraphic(1, 1)->CellAngle = 2147483647;
  grid->AddButton(2, 1, 20, 10, "press", haLeft, vaTop);
  grid->GetCellGraphic(2, 1)->CellIndex = 0x7FFFFFFF;
  ShowFocused();
  grid->SetRow(3);
  const QImage image = Render();
  EXPECT_GT(CountDark(image, Cell(1, 1)), 5);  // the turned text shows
  EXPECT_LT(CountColor(image, Qt::white, Cell(2, 1)), Cell(2, 1).width() * Cell(2, 1).height());
  for (int row : {2, 3}) EXPECT_EQ(CountDark(image, Cell(2, row)), 0) << row;
  // Clipped to the cell, the button shows its lower edge there.
  const TRect cell = grid->CellRect(2, 1);
  const QRect lowerEdge(cell.Left + 2, cell.Bottom - 3, cell.Width() - 4, 3);
  EXPECT_LT(CountColor(image, Qt::white, lowerEdge), lowerEdge.width() * lowerEdge.height() / 2);
}

}  // namespace
