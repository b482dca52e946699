// Moving columns and rows by the mouse with the enhanced display, with real mouse events: the
// floating header and the arrows while the move runs, what travels with the moved line (its
// size, the column grid's item, the sort column, hidden columns), scrolling at the edges, a
// refused move, and the base grid's own moving line.
#include <gtest/gtest.h>

#include <vector>

#include "components/grid/controls/ArrowWindow.h"
#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/controls/PopupButton.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "drag_script.h"
#include "platform/controls/screen.h"
#include "shown_grid.h"

namespace {

template <typename Grid>
class MoveTest : public ShownGrid<Grid> {
 protected:
  using Base = ShownGrid<Grid>;
  void TearDown() override { Screen->SetCursor(crDefault); }
  TPopupButton* Window() { return Base::grid->OleState().ColumnButton(); }
  TArrowWindow* Arrow(TArrowDirection Direction) { return Base::grid->OleState().Arrow(Direction); }
  TPoint ScreenAt(int X, int Y) { return Base::grid->ClientToScreen(TPoint(X, Y)); }
  // The arrow's top-left corner in client coordinates.
  TPoint ArrowAt(TArrowDirection Direction) {
    TArrowWindow* arrow = Arrow(Direction);
    const TPoint origin = ScreenAt(0, 0);
    return {arrow->GetLeft() - origin.x, arrow->GetTop() - origin.y};
  }
  bool AnyArrowShown() {
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight})
      if (Arrow(d)->GetVisible()) return true;
    return false;
  }
  std::vector<AnsiString> Row(int row, int cols) {
    std::vector<AnsiString> texts;
    for (int c = 0; c < cols; ++c)
      texts.push_back(Base::grid->GetCellEx(Base::grid->RemapCol(c), row));
    return texts;
  }
};

class ColumnGridMove : public MoveTest<TExtColumnGrid> {
 protected:
  void SetUp() override {
    MoveTest::SetUp();
    grid->SetColCount(5);
    grid->SetRowCount(4);
    const char* headers[] = {"", "A", "B", "C", "D"};
    const int widths[] = {30, 70, 50, 60, 40};
    for (int c = 0; c < 5; ++c) {
      grid->GetColumns()->GetItem(c)->SetHeader(headers[c]);
      grid->SetColWidths(c, widths[c]);
    }
    grid->SetOptions(grid->GetOptions() + goColMoving);
    grid->EnhRowColMove = true;
    grid->SortSettings.SetShow(true);
    grid->SortSettings.SetColumn(1);
    ShowFocused();
  }
};

TEST_F(ColumnGridMove, TheHeaderFloatsWithArrowsAtTheLandingEdgeUntilTheRelease) {
  grid->SetArrowColor(clRed);
  int sorts = 0;
  grid->OnClickSort = [&](TObject*, int) { ++sorts; };
  const QPoint press = At(1, 0, 20, 6);
  const QPoint over = At(3, 0, 25, 9);
  Press(press);
  MoveTo(At(2, 0, 10, 9));
  MoveTo(over);

  EXPECT_TRUE(Window()->GetVisible());
  EXPECT_EQ(Window()->GetCaption(), "A");
  const TPoint window = ScreenAt(over.x() - 20, over.y() - 6);  // the press offset kept
  EXPECT_EQ((std::vector<int>{Window()->GetLeft(), Window()->GetTop(), Window()->GetWidth(),
                              Window()->GetHeight()}),
            (std::vector<int>{window.x, window.y, 70, grid->RowHeights(0)}));
  const TRect target = grid->CellRect(3, 0);
  EXPECT_TRUE(Arrow(arrUp)->GetVisible());
  EXPECT_TRUE(Arrow(arrDown)->GetVisible());
  EXPECT_EQ(ArrowAt(arrUp), TPoint(target.Left - 5, target.Top - 8));
  EXPECT_EQ(ArrowAt(arrDown), TPoint(target.Left - 5, target.Bottom));
  EXPECT_EQ(Arrow(arrUp)->GetColor(), clRed);
  EXPECT_EQ(Screen->GetCursor(), crDrag);

  Release(over);
  EXPECT_FALSE(Window()->GetVisible());
  EXPECT_FALSE(AnyArrowShown());
  EXPECT_EQ(Screen->GetCursor(), crDefault);
  EXPECT_EQ(Row(0, 5), (std::vector<AnsiString>{"", "B", "C", "A", "D"}));
  EXPECT_EQ(grid->GetColumns()->GetItem(3)->GetHeader(), "A");
  EXPECT_EQ((std::vector<int>{grid->ColWidths(1), grid->ColWidths(2), grid->ColWidths(3)}),
            (std::vector<int>{50, 60, 70}));
  EXPECT_EQ(grid->GetColumns()->GetItem(3)->GetWidth(), 70);
  EXPECT_EQ(grid->SortSettings.GetColumn(), 3);
  EXPECT_EQ(grid->GetCol(), 3);  // the current column moved along
  EXPECT_EQ(sorts, 0);           // the release that ends a move does not sort
}

TEST_F(ColumnGridMove, AHeaderMovedBackOrRefusedMovesNothingAndSortsNotButAClickSorts) {
  int sorts = 0;
  grid->OnClickSort = [&](TObject*, int) { ++sorts; };
  Press(At(2, 0, 20));
  MoveTo(At(3, 0, 20));
  MoveTo(At(2, 0, 30));
  Release(At(2, 0, 30));
  EXPECT_EQ(Row(0, 5), (std::vector<AnsiString>{"", "A", "B", "C", "D"}));
  EXPECT_EQ(sorts, 0);

  // A refusal stops the move at once, display and all.
  int calls = 0, asked = -1;
  grid->OnColumnMove = [&](TObject*, int ACol, bool& Allow) {
    Allow = ++calls < 2;
    asked = ACol;
  };
  Press(At(2, 0, 20));
  MoveTo(At(3, 0, 20));
  EXPECT_TRUE(Window()->GetVisible());
  MoveTo(At(4, 0, 20));
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(Window()->GetVisible());
  EXPECT_FALSE(AnyArrowShown());
  EXPECT_EQ(Screen->GetCursor(), crDefault);
  Release(At(4, 0, 20));
  EXPECT_EQ(Row(0, 5), (std::vector<AnsiString>{"", "A", "B", "C", "D"}));
  EXPECT_EQ(sorts, 0);

  grid->OnColumnMove = nullptr;
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(3, 0, 30));
  EXPECT_EQ(sorts, 1);
  EXPECT_FALSE(Window()->GetVisible());
}

TEST_F(ColumnGridMove, HiddenColumnsKeepTheirCellsFlagsAndWidths) {
  for (int r = 1; r < 4; ++r)
    for (int c = 1; c < 5; ++c) grid->SetCellEx(c, r, AnsiString(1, static_cast<char>('a' + c)));
  grid->SetColCount(6);
  grid->SetCellEx(5, 1, "f");
  grid->SetColWidths(2, 55);
  grid->HideColumns(2, 2);  // "B": display 2 is now "C"
  Drag(At(1, 0, 20), At(3, 0, 20));
  EXPECT_EQ(Row(1, 5), (std::vector<AnsiString>{"", "d", "e", "b", "f"}));
  EXPECT_EQ(grid->NumHiddenColumns(), 1);
  grid->UnHideColumnsAll();
  EXPECT_EQ(Row(1, 6), (std::vector<AnsiString>{"", "c", "d", "e", "b", "f"}));
  EXPECT_EQ(Row(0, 6), (std::vector<AnsiString>{"", "B", "C", "D", "A", ""}));
  EXPECT_EQ(grid->ColWidths(1), 55);  // the hidden column's saved width came along
  EXPECT_EQ(grid->ColWidths(4), 70);
}

class GridMove : public MoveTest<TExtStringGrid> {
 protected:
  void SetUp() override {
    MoveTest::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(30);
    for (int r = 0; r < 30; ++r) grid->SetCellEx(0, r, "r" + IntToStr(r));
    grid->EnhRowColMove = true;
    ShowFocused();
  }
};

TEST_F(GridMove, ARowTravelsWithItsHeightAndArrowsBesideItsHeader) {
  grid->SetOptions(grid->GetOptions() + goRowMoving);
  grid->SetRowHeights(1, 30);
  Press(At(0, 1, 10, 10));
  MoveTo(At(0, 2, 10, 5));
  MoveTo(At(0, 3, 10, 5));
  EXPECT_EQ(Window()->GetCaption(), "r1");
  EXPECT_EQ(Window()->GetWidth(), grid->ColWidths(0));
  EXPECT_EQ(Window()->GetHeight(), 30);
  const TRect target = grid->CellRect(0, 3);
  EXPECT_EQ(ArrowAt(arrLeft), TPoint(target.Left - 10, target.Top - 5));
  EXPECT_EQ(ArrowAt(arrRight), TPoint(target.Right, target.Top - 5));
  EXPECT_TRUE(Arrow(arrRight)->GetVisible());
  EXPECT_FALSE(Arrow(arrUp)->GetVisible());
  Release(At(0, 3, 10, 5));
  EXPECT_EQ(grid->GetCellEx(0, 3), "r1");
  EXPECT_EQ(grid->GetCellEx(0, 1), "r2");
  EXPECT_EQ(grid->RowHeights(3), 30);
  EXPECT_EQ(grid->RowHeights(1), grid->GetDefaultRowHeight());
  EXPECT_FALSE(AnyArrowShown());
}

TEST_F(GridMove, AMoveScrollsALineAtEachMovePastAnEdge) {
  grid->SetOptions(grid->GetOptions() + goRowMoving);
  Press(At(0, 2));
  const int below = grid->GetClientHeight() + 10;
  MoveTo(QPoint(10, below));
  EXPECT_EQ(grid->GetTopRow(), 2);
  MoveTo(QPoint(11, below));
  EXPECT_EQ(grid->GetTopRow(), 3);
  MoveTo(QPoint(10, 5));  // over the fixed row
  EXPECT_EQ(grid->GetTopRow(), 2);
  const QPoint land = At(0, 4);
  MoveTo(land);
  EXPECT_EQ(grid->GetTopRow(), 2);
  Release(land);
  EXPECT_EQ(grid->GetCellEx(0, 4), "r2");  // landed on the row under the mouse
}

TEST_F(GridMove, TheFloatingWindowReplacesTheMovingLine) {
  grid->SetOptions(grid->GetOptions() + goColMoving);
  const TRect target = grid->CellRect(3, 0);
  auto lineShown = [&] {
    const QImage image = Render();
    return QColor(image.pixel(target.Right, grid->CellRect(3, 3).Top + 5)) == QColor(Qt::black);
  };
  Press(At(1, 0, 20));
  MoveTo(At(3, 0, 20));
  EXPECT_FALSE(lineShown());
  Release(At(3, 0, 20));
  grid->EnhRowColMove = false;
  Press(At(1, 0, 20));
  MoveTo(At(3, 0, 20));
  EXPECT_TRUE(lineShown());
  EXPECT_FALSE(Window()->GetVisible());
  Release(At(3, 0, 20));
}

// A header press moves the column rather than waiting for a drag between programs.
TEST_F(GridMove, AHeaderPressMovesInsteadOfDraggingOut) {
  grid->SetOptions(grid->GetOptions() + goColMoving);
  grid->DragDropSettings.OleDropSource = true;
  grid->SetCellEx(1, 0, "one");
  drag_script::ScriptedDrag drag(nullptr, QPoint());
  Drag(At(1, 0, 20), At(2, 0, 20));
  EXPECT_EQ(drag.drags, 0);
  EXPECT_EQ(grid->GetCellEx(2, 0), "one");
}

}  // namespace

namespace {

TEST_F(GridMove, ARightClickDuringAColumnMoveLeavesItRunning) {
  grid->SetOptions(grid->GetOptions() + goColMoving);
  grid->SetCellEx(1, 0, "one");
  Press(At(1, 0, 20));
  MoveTo(At(2, 0, 20));
  QTest::mouseClick(Client(), Qt::RightButton, Qt::NoModifier, At(2, 0, 20));
  MoveTo(At(3, 0, 20));
  Release(At(3, 0, 20));
  EXPECT_EQ(grid->GetCellEx(3, 0), "one");
}

TEST_F(GridMove, AGridFreedDuringAMoveTakesTheDragCursorAlong) {
  grid->SetOptions(grid->GetOptions() + goColMoving);
  Press(At(1, 0, 20));
  MoveTo(At(2, 0, 20));
  MoveTo(At(3, 0, 20));
  ASSERT_EQ(Screen->GetCursor(), crDrag);
  delete grid;
  grid = nullptr;
  EXPECT_EQ(Screen->GetCursor(), crDefault);
  QTest::mouseRelease(form.Widget(), Qt::LeftButton);  // the mouse's own state
}

}  // namespace
