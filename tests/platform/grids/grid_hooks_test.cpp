#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

#include "grid_fixture.h"

namespace {

// A grid that records the hooks a derived grid overrides.
class HookGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  std::vector<std::string> calls;
  bool refuseSizing = false;

 protected:
  void CreateWnd() override { calls.push_back("CreateWnd"); }
  void WMTimer(int id) override { calls.push_back("timer " + std::to_string(id)); }
  void SizeChanged(int cols, int rows) override {
    calls.push_back("SizeChanged " + std::to_string(cols) + " " + std::to_string(rows));
  }
  void ColWidthsChanged() override { calls.push_back("ColWidthsChanged"); }
  void TopLeftChanged() override { calls.push_back("TopLeftChanged"); }
  void WMVScroll(TWMScroll& m) override {
    calls.push_back("VScroll " + std::to_string(m.ScrollCode) + " " + std::to_string(m.Pos));
    TStringGrid::WMVScroll(m);
  }
  bool DoMouseWheelDown(TShiftState, TPoint) override {
    calls.push_back("WheelDown");
    return true;
  }
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& Pos, int& Ofs) override {
    TStringGrid::CalcSizingState(X, Y, State, Index, Pos, Ofs);
    if (refuseSizing) State = gsNormal;
  }
  void CMHintShow(THintInfo& info) override {
    TStringGrid::CMHintShow(info);
    TGridCoord cell = MouseCoord(info.CursorPos.x, info.CursorPos.y);
    info.HintStr =
        cell.X == 0 ? "" : "cell " + std::to_string(cell.X) + "," + std::to_string(cell.Y);
  }
  void WMNCPaint(TCanvas& canvas) override {
    calls.push_back("NCPaint " + std::to_string(canvas.GetClipRect().Width()));
  }
};

class GridHooks : public GridFixture {
 protected:
  HookGrid* hooks = nullptr;
  void SetUp() override {
    form.SetBounds(0, 0, 500, 400);
    hooks = new HookGrid(&form);
    grid = hooks;
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 340, 204);
  }
  int Count(const std::string& call) {
    return static_cast<int>(std::count(hooks->calls.begin(), hooks->calls.end(), call));
  }
};

TEST_F(GridHooks, WindowCreationOnceAndTheBorderPaintedAroundTheClient) {
  EXPECT_EQ(Count("CreateWnd"), 0);
  ShowFocused();
  form.Hide();
  form.Show();
  EXPECT_EQ(Count("CreateWnd"), 1);
  hooks->calls.clear();
  grid->Widget()->grab();
  EXPECT_EQ(Count("NCPaint 340"), 1);
}

TEST_F(GridHooks, TimersArriveByTheirIdsUntilKilled) {
  ShowFocused();
  grid->SetTimer(111, 5);
  grid->SetTimer(999, 5);
  QTest::qWait(40);
  grid->KillTimer(111);
  hooks->calls.clear();
  QTest::qWait(30);
  EXPECT_EQ(Count("timer 111"), 0);
  EXPECT_GT(Count("timer 999"), 0);
  grid->KillTimer(999);
}

TEST_F(GridHooks, ShapeChangesAreReported) {
  grid->SetRowCount(8);
  grid->SetColCount(8);
  grid->SetColWidths(2, 10);
  grid->SetColWidths(2, 10);  // no change, no report
  grid->SetDefaultColWidth(30);
  EXPECT_EQ(hooks->calls, (std::vector<std::string>{"SizeChanged 5 5", "SizeChanged 5 8",
                                                    "ColWidthsChanged", "ColWidthsChanged"}));
}

TEST_F(GridHooks, ScrollBarRequestsCarryCodesAndRowPositions) {
  grid->SetRowCount(50);
  ShowFocused();
  hooks->calls.clear();
  QScrollBar* bar = static_cast<QAbstractScrollArea*>(grid->Widget())->verticalScrollBar();
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  int last = 50 - grid->GetVisibleRowCount();
  EXPECT_EQ(hooks->calls,
            (std::vector<std::string>{"VScroll 1 2", "TopLeftChanged",
                                      "VScroll 7 " + std::to_string(last), "TopLeftChanged"}));
  EXPECT_EQ(grid->GetTopRow(), last);
}

TEST_F(GridHooks, EachWheelNotchIsOneCall) {
  ShowFocused();
  QWheelEvent wheel(QPointF(At(2, 2)), Client()->mapToGlobal(QPointF(At(2, 2))), QPoint(),
                    QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Client(), &wheel);
  EXPECT_EQ(Count("WheelDown"), 2);
}

TEST_F(GridHooks, ARefusedSizingLeavesThePressToSelect) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  hooks->refuseSizing = true;
  ShowFocused();
  TRect header = grid->CellRect(2, 0);
  Drag({header.Right, 5}, {header.Right + 30, 5});
  EXPECT_EQ(grid->ColWidths(2), 64);
}

TEST_F(GridHooks, HintsAskTheGridForTextAndRefusal) {
  grid->SetShowHint(true);
  grid->SetHint("grid");
  ShowFocused();
  QPoint at = At(2, 1);
  QHelpEvent help(QEvent::ToolTip, at, Client()->mapToGlobal(at));
  QApplication::sendEvent(Client(), &help);
  EXPECT_EQ(QToolTip::text(), "cell 2,1");
  QHelpEvent refused(QEvent::ToolTip, At(0, 1), Client()->mapToGlobal(At(0, 1)));
  QApplication::sendEvent(Client(), &refused);
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(GridHooks, MouseToCellOutsideTheCells) {
  grid->SetRowCount(2);
  int col, row;
  grid->MouseToCell(5, 190, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, -1);
  grid->MouseToCell(70, 30, col, row);
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 1);
}

}  // namespace
