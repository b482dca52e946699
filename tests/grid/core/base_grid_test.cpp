#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "components/grid/core/BaseGrid.h"
#include "components/grid/core/CellPropertiesRef.h"
#include "platform/grids/grid_error.h"
#include "shown_grid.h"

namespace {

// A grid that notes what it draws.
class NotingGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  struct Drawn {
    int col, row;
    TRect rect;
  };
  std::vector<Drawn> drawn;
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect,
                    TGridDrawState AState) override {
    drawn.push_back({ACol, ARow, ARect});
    TBaseGrid::DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
  }
  int DrawsOf(int col, int row) const {
    int n = 0;
    for (const Drawn& d : drawn) n += d.col == col && d.row == row;
    return n;
  }
};

// An object of the user's that reports its end.
struct Attached : TObject {
  explicit Attached(bool& freed) : freed_(freed) {}
  ~Attached() override { freed_ = true; }
  bool& freed_;
};

using BaseGrid = ShownGrid<NotingGrid>;

TEST_F(BaseGrid, ConstructionDefaults) {
  EXPECT_EQ(grid->GetGridLineWidth(), 1);
  EXPECT_EQ(grid->GetGridLineColor(), clSilver);
  EXPECT_FALSE(grid->GetDefaultDrawing());
  EXPECT_TRUE(grid->GetOptions().Contains(goDrawFocusSelected));
  // The inherited lines and drawing are off: the grid draws them itself.
  EXPECT_EQ(grid->TStringGrid::GetGridLineWidth(), 0);
  EXPECT_FALSE(grid->TStringGrid::GetDefaultDrawing());
}

TEST_F(BaseGrid, MergedBlockReadsAndWritesItsBaseCell) {
  grid->SetCells(1, 1, "base");
  grid->SetCells(2, 2, "hidden");
  grid->MergeCells(1, 1, 2, 2);
  EXPECT_EQ(grid->GetCellEx(2, 2), "base");
  std::vector<TPoint> asked;
  grid->OnGetDisplText = [&](TObject* sender, int col, int row, AnsiString& value) {
    EXPECT_EQ(sender, grid);
    asked.push_back({col, row});
    value += "!";
  };
  EXPECT_EQ(grid->GetCellEx(2, 1), "base!");
  EXPECT_EQ(asked, std::vector<TPoint>{TPoint(1, 1)});
  grid->SetCellEx(2, 2, "new");
  EXPECT_EQ(grid->GetGridCell(1, 1), "new");
  EXPECT_EQ(grid->GetGridCell(2, 2), "hidden");
}

TEST_F(BaseGrid, DisplayTextIsAskedOnlyForDataRows) {
  grid->SetRowCount(3);
  grid->TStringGrid::SetRowCount(6);  // rows added around the data-row count
  int asked = 0;
  grid->OnGetDisplText = [&](TObject*, int, int, AnsiString&) { ++asked; };
  grid->GetCellEx(0, 2);
  grid->GetCellEx(0, 3);
  grid->GetCellEx(0, 5);
  EXPECT_EQ(asked, 1);
}

TEST_F(BaseGrid, ReadsMakeNoPropertiesObject) {
  EXPECT_TRUE(grid->IsBaseCell(3, 3));
  EXPECT_EQ(grid->CellSpan(3, 3), TPoint(0, 0));
  EXPECT_FALSE(grid->IsMergedCell(3, 3));
  EXPECT_EQ(grid->GetObjectEx(3, 3), nullptr);
  EXPECT_EQ(grid->GetGraphicObjectEx(3, 3), nullptr);
  EXPECT_FALSE(grid->HasCellProperties(3, 3));
  TCellProperties* props = grid->GetCellProperties(3, 3);
  EXPECT_TRUE(grid->HasCellProperties(3, 3));
  EXPECT_EQ(grid->GetGridObject(3, 3), props);
  EXPECT_EQ(props->GetGrid(), grid);
  EXPECT_THROW(grid->GetCellProperties(-1, 0), EInvalidGridOperation);
}

TEST_F(BaseGrid, AttachedObjectsKeepTheTextAndOutliveTheProperties) {
  bool freed = false;
  Attached user(freed);
  grid->SetObjectEx(1, 1, &user);
  EXPECT_EQ(grid->GetCellEx(1, 1), "");
  grid->SetCells(2, 1, "text");
  grid->SetObjectEx(2, 1, &user);
  EXPECT_EQ(grid->GetCellEx(2, 1), "text");
  EXPECT_EQ(grid->GetObjectEx(2, 1), &user);
  grid->ClearProps();
  EXPECT_FALSE(grid->HasCellProperties(1, 1));
  EXPECT_EQ(grid->GetObjectEx(2, 1), nullptr);
  EXPECT_FALSE(freed);
}

// The properties objects below are checked by the address sanitizer: a second free or a
// use after free fails the test program, a lost object fails it at exit.
TEST_F(BaseGrid, CopiedRowsShareOneObjectFreedOnce) {
  grid->SetCells(1, 1, "one");
  TCellProperties* props = grid->GetCellProperties(1, 1);
  props->SetBrushColor(clRed);
  grid->CopyRows(3, 1);
  EXPECT_EQ(grid->GetGridObject(1, 3), props);
  EXPECT_EQ(grid->GetCellEx(1, 3), "one");
  grid->ClearPropRow(1);
  EXPECT_EQ(grid->GetCellProperties(1, 3)->GetBrushColor(), clRed);
  grid->CopyCols(4, 1);
  EXPECT_EQ(grid->GetGridObject(4, 3), props);
  EXPECT_EQ(grid->Cells(4, 1), "one");
}

TEST_F(BaseGrid, CopyingOverACellLetsGoOfItsOwnObject) {
  grid->GetCellProperties(2, 0);
  grid->GetCellProperties(2, 1);
  grid->CopyCols(2, 3);  // column 3 has no objects
  EXPECT_FALSE(grid->HasCellProperties(2, 0));
  grid->CopyRows(-1, 1);  // no such row: nothing is held for it
  grid->CopyCols(-2, 2);
}

TEST_F(BaseGrid, SettingTheObjectACellHoldsChangesNothing) {
  TCellProperties* props = grid->GetCellProperties(1, 2);
  grid->SetCellProperties(1, 2, props);
  props->FontSize = 12;  // still alive
  EXPECT_EQ(grid->GetCellProperties(1, 2), props);
  auto* other = new TCellProperties(grid, 1, 2);
  grid->SetCellProperties(1, 2, other);
  EXPECT_EQ(grid->GetCellProperties(1, 2), other);
  grid->SetCellProperties(1, 2, nullptr);
  EXPECT_FALSE(grid->HasCellProperties(1, 2));
}

TEST_F(BaseGrid, ObjectsBeyondTheCountsAreFreedToo) {
  grid->SetRowCount(10);
  grid->GetCellProperties(1, 9);
  grid->GetCellProperties(40, 2);  // a cell past the columns, as hidden columns have
  grid->SetRowCount(3);
  grid->ClearPropRect(0, 0, INT_MAX, INT_MAX);  // ends, and frees both
  EXPECT_FALSE(grid->HasCellProperties(40, 2));
}

TEST_F(BaseGrid, MovedObjectsAreNeitherHeldNorReleased) {
  TCellProperties* props = grid->GetCellProperties(1, 1);
  grid->SetGridObject(3, 3, props);
  grid->NilCell(1, 1);
  EXPECT_EQ(grid->GetCellProperties(3, 3), props);
  EXPECT_EQ(props->Holders(), 1);
  grid->SetCells(2, 2, "x");
  grid->NilRow(2);
  EXPECT_EQ(grid->GetGridCell(2, 2), "");
}

TEST_F(BaseGrid, ReferencesTakeAndPutTheSlotsHolds) {
  TCellProperties* props = grid->GetCellProperties(1, 1);
  grid->CopyCols(2, 1);  // (2, 1) shares it
  TCellPropertiesRef taken = grid->TakeCellRef(1, 1);
  EXPECT_FALSE(grid->HasCellProperties(1, 1));
  EXPECT_EQ(props->Holders(), 2);  // the reference's and (2, 1)'s
  EXPECT_EQ(grid->ReferenceFault(), "");
  grid->PutCellRef(2, 1, std::move(taken));  // (2, 1) let go of its own hold
  EXPECT_EQ(props->Holders(), 1);
  grid->PutCellRef(3, 3, TCellPropertiesRef(grid->GetCellProperties(0, 0)));
  EXPECT_EQ(grid->FindCellProperties(3, 3), grid->FindCellProperties(0, 0));
  grid->PutCellRef(2, 1, {});  // the last holder lets go: freed
  EXPECT_FALSE(grid->HasCellProperties(2, 1));
  grid->PutCellRef(-1, 0, TCellPropertiesRef(grid->GetCellProperties(0, 0)));  // kept nowhere
  EXPECT_EQ(grid->FindCellProperties(0, 0)->Holders(), 2);
  EXPECT_EQ(grid->ReferenceFault(), "");
  grid->SetGridObject(4, 4, grid->FindCellProperties(0, 0));  // a raw copy the count misses
  EXPECT_NE(grid->ReferenceFault(), "");
  grid->NilCell(4, 4);
}

TEST_F(BaseGrid, CellRectanglesAlsoOffScreen) {
  grid->SetColCount(20);
  grid->SetDefaultColWidth(50);
  grid->SetColWidths(0, 30);
  grid->SetDefaultRowHeight(20);
  EXPECT_EQ(grid->FixedColsWidth(), 30);
  EXPECT_EQ(grid->FixedRowsHeight(), 20);
  EXPECT_EQ(grid->GetCellRect(2, 1), TRect(80, 20, 130, 40));
  grid->SetLeftCol(5);
  EXPECT_EQ(grid->GetCellRect(5, 1), TRect(30, 20, 80, 40));
  EXPECT_EQ(grid->GetCellRect(3, 1), TRect(-70, 20, -20, 40));  // scrolled out to the left
  EXPECT_EQ(grid->GetCellRect(0, 1), TRect(0, 20, 30, 40));     // fixed cells stay
  grid->MergeCells(5, 1, 2, 3);
  EXPECT_EQ(grid->CellRect(6, 2), TRect(30, 20, 130, 80));
  EXPECT_EQ(grid->CellSize(5, 1), TPoint(100, 60));
  grid->SetFixedCols(0);
  grid->SetFixedRows(0);
  EXPECT_EQ(grid->FixedColsWidth(), 0);
  EXPECT_EQ(grid->FixedRowsHeight(), 0);
}

TEST_F(BaseGrid, SelectionCoversTheBlockOfTheCurrentCell) {
  grid->MergeCells(2, 2, 2, 2);
  grid->SetCol(3);
  grid->SetRow(3);
  EXPECT_TRUE(grid->IsSelected(2, 2));
  EXPECT_FALSE(grid->IsSelected(1, 1));
  grid->SelectBaseCell();
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
}

TEST_F(BaseGrid, ArrowsStepOverABlockAndStayInsideTheGrid) {
  grid->SetColCount(5);
  grid->SetRowCount(5);
  grid->MergeCells(2, 2, 3, 3);  // reaches the last column and row
  ShowFocused();
  grid->SetCol(1);
  grid->SetRow(2);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));  // into the block: its base cell
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  Key(Qt::Key_Down);
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  Key(Qt::Key_Up);
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  grid->SplitCells(2, 2);
  grid->MergeCells(1, 2, 2, 1);
  grid->SetCol(1);
  grid->SetRow(2);
  Key(Qt::Key_Right);
  EXPECT_EQ(Current(), (TGridCoord{3, 2}));  // past the whole block
  Key(Qt::Key_Left);
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
}

TEST_F(BaseGrid, ABlockIsDrawnOncePerPassOverItsWholeRectangle) {
  grid->SetCells(1, 1, "merged");
  grid->MergeCells(1, 1, 2, 2);
  ShowFocused();
  grid->drawn.clear();
  Render();
  EXPECT_EQ(grid->DrawsOf(1, 1), 1);
  EXPECT_EQ(grid->DrawsOf(2, 2), 0);
  TRect block = grid->CellRect(1, 1);
  InflateRect(block, -1, -1);
  for (const auto& d : grid->drawn)
    if (d.col == 1 && d.row == 1) {
      EXPECT_EQ(d.rect, block);
    }
  grid->drawn.clear();
  grid->SetLeftCol(2);  // the base cell scrolls out; the visible part draws the block
  Render();
  EXPECT_EQ(grid->DrawsOf(1, 1), 1);
}

TEST_F(BaseGrid, GridLinesInTheirColour) {
  grid->SetGridLineColor(clRed);
  grid->SetColor(clWhite);
  ShowFocused();
  QImage image = Render();
  const TRect cell = grid->CellRect(2, 2);
  QRgb line = image.pixel(cell.Right - 1, cell.Top + 5);
  EXPECT_EQ(qRed(line), 255);
  EXPECT_EQ(qGreen(line), 0);
  QRgb inside = image.pixel(cell.Left + 3, cell.Top + 3);
  EXPECT_EQ(inside, qRgb(255, 255, 255));
}

}  // namespace
