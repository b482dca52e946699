#include <gtest/gtest.h>

#include <QScrollBar>

#include "grid_fixture.h"

namespace {

class GridInput : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    grid->SetColCount(8);
    grid->SetRowCount(40);
    ShowFocused();
  }
};

TEST_F(GridInput, ClickShiftClickAndDragSelectRanges) {
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(2, 2));
  EXPECT_EQ(Current(), (TGridCoord{2, 2}));
  QTest::mouseClick(Client(), Qt::LeftButton, Qt::ShiftModifier, At(3, 4));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 3, 4}));
  Drag(At(1, 3), At(2, 1));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 2, 3}));
  EXPECT_EQ(Current(), (TGridCoord{2, 1}));
  EXPECT_EQ(grid->GetGridState(), gsNormal);

  grid->SetOptions(grid->GetOptions() - goRangeSelect);
  Drag(At(1, 1), At(3, 3));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(GridInput, ADragPastTheBottomScrollsOnAndExtends) {
  Press(At(2, 2));
  MoveTo({At(2, 2).x(), Client()->height() + 20});
  ASSERT_TRUE(QTest::qWaitFor([&] { return grid->GetTopRow() > 3; }, 3000));
  Release({At(2, 2).x(), Client()->height() + 20});
  EXPECT_EQ(grid->GetSelection().Top, 2);
  EXPECT_EQ(grid->GetSelection().Bottom, grid->GetTopRow() + grid->GetVisibleRowCount() - 1);
  int top = grid->GetTopRow();
  QTest::qWait(150);  // released: no more scrolling
  EXPECT_EQ(grid->GetTopRow(), top);
}

TEST_F(GridInput, ShiftArrowsExtendAndPlainArrowsCollapse) {
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 3, 2}));
  Key(Qt::Key_Left);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(GridInput, PagesHomeEndAndTab) {
  int page = grid->GetVisibleRowCount();
  Key(Qt::Key_PageDown);
  EXPECT_EQ(grid->GetRow(), 1 + page);
  EXPECT_EQ(grid->GetTopRow(), 1 + page);
  Key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(Current(), (TGridCoord{7, 39}));
  Key(Qt::Key_Home);
  EXPECT_EQ(Current(), (TGridCoord{1, 39}));
  Key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  EXPECT_EQ(grid->GetTopRow(), 1);

  Key(Qt::Key_Tab);  // without goTabs the form takes Tab
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  grid->SetOptions(grid->GetOptions() + goTabs);
  grid->SetCol(7);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Current(), (TGridCoord{1, 2}));
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), (TGridCoord{7, 1}));
}

TEST_F(GridInput, RowSelectSelectsWholeRowsAndScrollsSideways) {
  grid->SetOptions(grid->GetOptions() + goRowSelect);
  QTest::mouseClick(Client(), Qt::LeftButton, {}, At(2, 3));
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 3, 7, 3}));
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 3, 7, 4}));
  int left = grid->GetLeftCol();
  Key(Qt::Key_Right);
  EXPECT_EQ(grid->GetLeftCol(), left + 1);
  EXPECT_EQ(grid->GetRow(), 4);
}

TEST_F(GridInput, DraggingABorderInTheFixedRowSizesTheColumn) {
  grid->SetOptions(grid->GetOptions() + goColSizing + goRowSizing);
  TRect header = grid->CellRect(2, 0);
  Drag({header.Right + 1, 5}, {header.Right + 31, 5});
  EXPECT_EQ(grid->ColWidths(2), 94);
  TRect rowHeader = grid->CellRect(0, 3);
  Drag({5, rowHeader.Bottom}, {5, rowHeader.Bottom - 10});
  EXPECT_EQ(grid->RowHeights(3), 14);
  // Away from a border, or outside the fixed cells, the press selects as usual.
  Drag({header.Right - 10, 5}, {header.Right + 20, 5});
  EXPECT_EQ(grid->ColWidths(2), 94);
  QTest::mouseClick(Client(), Qt::LeftButton, {}, {header.Right, rowHeader.Top + 3});
  EXPECT_EQ(Current(), (TGridCoord{2, 3}));
}

TEST_F(GridInput, DraggingAHeaderMovesTheColumnWithItsTexts) {
  grid->SetOptions(grid->GetOptions() + goColMoving + goRowMoving);
  for (int c = 0; c < 8; ++c) grid->SetCells(c, 0, AnsiString(1, 'A' + c));
  grid->SetCells(2, 5, "moved");
  Drag(At(2, 0, 20), At(4, 0, 20));
  EXPECT_EQ(grid->Rows(0).GetCommaText(), "A,B,D,E,C,F,G,H");
  EXPECT_EQ(grid->Cells(4, 5), "moved");
  Drag(At(0, 2), At(0, 1));
  EXPECT_EQ(grid->Cells(4, 5), "moved");
  grid->SetCells(0, 3, "row three");
  Drag(At(0, 3), At(0, 1));
  EXPECT_EQ(grid->Cells(0, 1), "row three");
}

TEST_F(GridInput, WheelMovesTheRowByTheSystemsLines) {
  int lines = QApplication::wheelScrollLines();
  QWheelEvent wheel(QPointF(At(2, 2)), Client()->mapToGlobal(QPointF(At(2, 2))), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Client(), &wheel);
  EXPECT_EQ(grid->GetRow(), 1 + lines);
}

TEST_F(GridInput, ScrollBarsCountRowsAndColumns) {
  auto* area = static_cast<QAbstractScrollArea*>(grid->Widget());
  QScrollBar* bar = area->verticalScrollBar();
  EXPECT_EQ(bar->minimum(), 1);
  EXPECT_EQ(bar->maximum(), 40 - grid->GetVisibleRowCount());
  EXPECT_EQ(bar->pageStep(), grid->GetVisibleRowCount());
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(grid->GetTopRow(), 2);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(grid->GetTopRow(), 2 + grid->GetVisibleRowCount());
  EXPECT_EQ(bar->value(), grid->GetTopRow());
  grid->SetTopRow(10);
  EXPECT_EQ(bar->value(), 10);
  EXPECT_EQ(area->horizontalScrollBar()->maximum(), 8 - grid->GetVisibleColCount());

  grid->SetScrollBars(ssNone);
  EXPECT_FALSE(bar->isVisible());
}

}  // namespace
