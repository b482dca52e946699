#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWheelEvent>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridCheck.h"
#include "components/grid/html/HTMLHintWindow.h"
#include "components/grid/grid/input/PanMath.h"
#include "platform/controls/keys.h"
#include "platform/controls/messages.h"
#include "shown_grid.h"

namespace {

// The wheel, the timers and the mouse buttons as the grid's messages give them.
class TestGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::IntelliPanOrigin;
  using TExtStringGrid::WMHScroll;
  using TExtStringGrid::WMTimer;
  using TExtStringGrid::WMVScroll;
  void MiddleDown(int X, int Y) {
    TWMMouse message{WM_MBUTTONDOWN, MK_MBUTTON, X, Y};
    WMMButtonDown(message);
  }
  void Key(WORD Key) {
    TWMKeyDown message{};
    message.CharCode = Key;
    WMKeyDown(message);
  }
};

class GridScrolling : public ShownGrid<TestGrid> {
 protected:
  void SetUp() override {
    ShownGrid::SetUp();
    grid->SetColCount(5);
    grid->SetRowCount(40);
    grid->WheelLines = 3;
  }
  void Wheel(int Delta, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    const QPoint at = At(2, 2);
    QWheelEvent wheel(QPointF(at), Client()->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, Delta), Qt::NoButton, Modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Client(), &wheel);
  }
  // The mouse at a client point, for the panning timer to read.
  void MouseAt(TPoint P) {
    const TPoint screen = grid->ClientToScreen(P);
    QCursor::setPos(screen.x, screen.y);
  }
};

TEST(PanMath, DeadZoneAndDirections) {
  const TPoint origin(100, 100);
  EXPECT_EQ(PanDirection({105, 95}, origin, ipBoth), TPoint(0, 0));
  EXPECT_EQ(PanDirection({94, 106}, origin, ipBoth), TPoint(-1, 1));
  EXPECT_EQ(PanDirection({200, 20}, origin, ipVertical), TPoint(0, -1));
  EXPECT_EQ(PanDirection({200, 20}, origin, ipHorizontal), TPoint(1, 0));
  EXPECT_EQ(PanCursor({0, 0}), 8000);
  EXPECT_EQ(PanCursor({0, 1}), 8001);
  EXPECT_EQ(PanCursor({-1, 0}), 8002);
  EXPECT_EQ(PanCursor({1, -1}), 8005);
  EXPECT_EQ(PanCursor({-1, 1}), 8008);
}

TEST_F(GridScrolling, OneNotchMovesTheConfiguredRowsOnce) {
  ShowFocused();
  grid->SetRow(5);
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 8);
  Wheel(120);
  EXPECT_EQ(grid->GetRow(), 5);
}

TEST_F(GridScrolling, WheelStopsAtTheLastNavigableRow) {
  ShowFocused();
  grid->SetFixedFooters(1);
  grid->SetRow(37);
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 38);
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 38);
  grid->SetRow(2);
  Wheel(120);
  EXPECT_EQ(grid->GetRow(), 1);
}

TEST_F(GridScrolling, CtrlWheelZoomsOnlyWithIntelliZoom) {
  ShowFocused();
  grid->SetRow(5);
  const int width = grid->ColWidths(1);
  Wheel(-120, Qt::ControlModifier);
  EXPECT_EQ(grid->GetZoomLevel(), 3);
  EXPECT_EQ(grid->ColWidths(1), width + 3);
  EXPECT_EQ(grid->GetRow(), 5);
  grid->IntelliZoom = false;
  Wheel(-120, Qt::ControlModifier);
  EXPECT_EQ(grid->GetZoomLevel(), 3);
  EXPECT_EQ(grid->GetRow(), 8);
}

TEST_F(GridScrolling, SingleRowWithFixedRowAlwaysSwallowsTheWheel) {
  ShowFocused();
  grid->FixedRowAlways = true;
  grid->SetFixedRows(0);
  grid->SetRowCount(1);
  bool heard = false;
  grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { heard = true; };
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 0);
}

TEST_F(GridScrolling, MiddleButtonPansAndAnyKeyEnds) {
  ShowFocused();
  grid->IntelliPan = ipVertical;
  grid->SetRow(10);
  grid->SetCol(2);
  grid->MiddleDown(100, 100);
  ASSERT_TRUE(grid->GetPanning());
  EXPECT_EQ(grid->IntelliPanOrigin, TPoint(100, 100));
  EXPECT_FALSE(grid->GetShowHint());
  MouseAt({104, 96});  // inside the dead zone
  grid->WMTimer(999);
  EXPECT_EQ(Current(), TGridCoord(2, 10));
  MouseAt({300, 130});  // sideways too, but panning is vertical
  grid->WMTimer(999);
  EXPECT_EQ(Current(), TGridCoord(2, 11));
  MouseAt({100, 60});
  grid->WMTimer(999);
  grid->WMTimer(999);
  EXPECT_EQ(Current(), TGridCoord(2, 9));
  grid->Key(VK_ESCAPE);
  EXPECT_FALSE(grid->GetPanning());
  grid->WMTimer(999);
  EXPECT_EQ(Current(), TGridCoord(2, 9));
}

TEST_F(GridScrolling, ALeftOrRightPressEndsPanning) {
  ShowFocused();
  grid->IntelliPan = ipBoth;
  grid->SetShowHint(true);
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
    grid->MiddleDown(100, 100);
    ASSERT_TRUE(grid->GetPanning());
    QTest::mouseClick(Client(), button, {}, At(2, 2));
    EXPECT_FALSE(grid->GetPanning()) << button;
    EXPECT_TRUE(grid->GetShowHint());
  }
}

TEST_F(GridScrolling, ASecondMiddlePressEndsPanningWhichHeldTheWheelBack) {
  ShowFocused();
  grid->IntelliPan = ipBoth;
  grid->SetCursor(crHandPoint);
  grid->SetRow(5);
  QTest::mouseClick(Client(), Qt::MiddleButton, {}, At(2, 2));
  ASSERT_TRUE(grid->GetPanning());
  EXPECT_NE(grid->GetCursor(), crHandPoint);
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 5);
  QTest::mouseClick(Client(), Qt::MiddleButton, {}, At(2, 2));
  EXPECT_FALSE(grid->GetPanning());
  EXPECT_EQ(grid->GetCursor(), crHandPoint);
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 8);
}

TEST_F(GridScrolling, WithoutEnableWheelTheBaseStepRunsAndRowSelectKeepsTheLeftColumn) {
  ShowFocused();
  grid->SetColCount(15);
  grid->EnableWheel = false;
  grid->SetRow(5);
  Wheel(-120);
  const int moved = grid->GetRow() - 5;
  EXPECT_GT(moved, 0);
  grid->SetOptions(grid->GetOptions() + goRowSelect);
  grid->Navigation.KeepHorizScroll = true;
  grid->SetLeftCol(6);
  Wheel(-120);
  EXPECT_EQ(grid->GetRow(), 5 + 2 * moved);
  EXPECT_EQ(grid->GetLeftCol(), 6);
  Wheel(120);
  EXPECT_EQ(grid->GetRow(), 5 + moved);
  EXPECT_EQ(grid->GetLeftCol(), 6);
}

TEST_F(GridScrolling, PanningNeedsScrollableRowsAndADirection) {
  ShowFocused();
  grid->IntelliPan = ipNone;
  grid->MiddleDown(50, 50);
  EXPECT_FALSE(grid->GetPanning());
  grid->IntelliPan = ipBoth;
  grid->SetRowCount(2);
  grid->SetFixedRows(1);
  grid->SetFixedFooters(1);  // a header and a footer: nothing to pan
  grid->MiddleDown(50, 50);
  EXPECT_FALSE(grid->GetPanning());
}

TEST_F(GridScrolling, ThumbTrackingShowsTheRowAndFollowsWithScrollSynch) {
  ShowFocused();
  grid->ScrollHints = shBoth;
  AnsiString shown;
  grid->OnScrollHint = [&](TObject*, int ARow, AnsiString& Hint) {
    shown = Hint;
    if (ARow == 20) Hint = "twenty";
  };
  TWMScroll track{SB_THUMBTRACK, 12};
  grid->WMVScroll(track);
  EXPECT_EQ(shown, "Row : 12");
  EXPECT_TRUE(grid->GetHintWindow()->GetVisible());
  EXPECT_EQ(grid->GetHintWindow()->GetCaption(), "Row : 12");
  track.Pos = 20;
  grid->WMVScroll(track);
  EXPECT_EQ(grid->GetHintWindow()->GetCaption(), "twenty");
  TWMScroll end{SB_ENDSCROLL, 20};
  grid->WMVScroll(end);
  EXPECT_FALSE(grid->GetHintWindow()->GetVisible());

  grid->ScrollSynch = true;
  TWMScroll across{SB_THUMBTRACK, 3};
  grid->WMHScroll(across);
  EXPECT_EQ(shown, "Col : 3");
  grid->WMHScroll(end);
  track.Pos = 15;
  grid->WMVScroll(track);
  EXPECT_EQ(grid->GetTopRow(), 15);
}

TEST_F(GridScrolling, ProportionalThumbIsTheShareShown) {
  ShowFocused();
  grid->SetScrollProportional(true);
  grid->SetScrollType(ssFlat);
  grid->SetScrollWidth(10);
  auto* bar = static_cast<QAbstractScrollArea*>(grid->Widget())->verticalScrollBar();
  EXPECT_EQ(bar->pageStep(), grid->GetVisibleRowCount());
  EXPECT_EQ(bar->width(), 10);
  grid->SetScrollType(ssNormal);
  grid->SetScrollProportional(false);
  QApplication::processEvents();
  EXPECT_NE(bar->width(), 10);
}

TEST_F(GridScrolling, StretchedColumnTakesTheRestButNeverShrinks) {
  grid->ColumnSize.Stretch = true;
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, 40);
  grid->StretchRightColumn();
  int others = 0;
  for (int c = 0; c < 4; ++c) others += grid->ColWidths(c);
  EXPECT_EQ(grid->ColWidths(4), grid->GetClientWidth() - others - 1);
  // The others fill the width already: the stretched column keeps its width.
  grid->ColumnSize.Stretch = false;
  grid->SetColWidths(4, 30);
  for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 120);
  grid->ColumnSize.Stretch = true;
  grid->StretchColumn(4);
  EXPECT_EQ(grid->ColWidths(4), 30);
  // A column past the count is ignored.
  grid->StretchColumn(5);
  grid->StretchColumn(99);
  EXPECT_EQ(grid->GetColCount(), 5);
}

TEST_F(GridScrolling, SingleStretchedColumnFillsTheClient) {
  grid->SetFixedCols(0);
  grid->SetColCount(1);
  grid->SetColumnStretch(true);
  EXPECT_EQ(grid->ColWidths(0), grid->GetClientWidth());
}

TEST_F(GridScrolling, SizingOneColumnScalesTheOthers) {
  ShowFocused();
  grid->SetOptions(grid->GetOptions() + goColSizing);
  grid->MouseActions.AllColumnSize = true;
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, 50);
  int ended = -1;
  grid->OnEndColumnSize = [&](TObject*, int ACol) { ended = ACol; };
  const TRect r = grid->CellRect(1, 0);
  Drag(QPoint(r.Right, r.Top + 5), QPoint(r.Right + 50, r.Top + 5));
  const int sized = grid->ColWidths(1);
  ASSERT_GT(sized, 50);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(grid->ColWidths(0), 50);  // fixed
  EXPECT_EQ(grid->ColWidths(2), sized);
  EXPECT_EQ(grid->ColWidths(4), sized);
}

TEST_F(GridScrolling, SynchWithGridFollowsTheGridsWidth) {
  ShowFocused();
  grid->ColumnSize.SynchWithGrid = true;
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, 30 + c);
  grid->SetWidth(680);
  EXPECT_EQ(grid->ColWidths(0), 60);
  EXPECT_EQ(grid->ColWidths(3), 66);
  // A width of 0 is passed over and the widths come back whole, not rounded away.
  grid->SetWidth(0);
  grid->SetWidth(3);
  grid->SetWidth(680);
  EXPECT_EQ(grid->ColWidths(0), 60);
  EXPECT_EQ(grid->ColWidths(3), 66);
}

TEST_F(GridScrolling, SizeZoneIsNearABorderOfTheFixedCells) {
  grid->SetOptions(grid->GetOptions() + goColSizing);
  const TRect r = grid->CellRect(1, 0);
  EXPECT_TRUE(grid->InSizeZone(r.Right - 2, r.Top + 5));
  EXPECT_TRUE(grid->InSizeZone(r.Left + 1, r.Top + 5));
  EXPECT_FALSE(grid->InSizeZone(r.Left + 10, r.Top + 5));
  EXPECT_FALSE(grid->InSizeZone(-5, -5));
  int col = -1, row = -1;
  grid->ScreenToCell(grid->ClientToScreen({r.Left + 5, r.Top + 5}), col, row);
  EXPECT_EQ(TPoint(col, row), TPoint(1, 0));
}

TEST_F(GridScrolling, BlinkTimerFlipsThePhase) {
  grid->EnableBlink = true;
  grid->SetCells(1, 1, "<blink>now</blink>");
  const bool before = grid->GetBlinkOn();
  grid->WMTimer(111);
  EXPECT_NE(grid->GetBlinkOn(), before);
  grid->EnableBlink = false;
  grid->WMTimer(111);
  EXPECT_NE(grid->GetBlinkOn(), before);
}

TEST_F(GridScrolling, HoveringMakesTheCellUnderTheMouseCurrent) {
  ShowFocused();
  grid->Hovering = true;
  const QPoint at = At(3, 4);
  MouseAt({at.x(), at.y()});
  grid->WMTimer(111);
  EXPECT_EQ(Current(), TGridCoord(3, 4));
  const QPoint fixed = At(0, 6);
  MouseAt({fixed.x(), fixed.y()});
  grid->WMTimer(111);
  EXPECT_EQ(Current(), TGridCoord(3, 4));
}

TEST_F(GridScrolling, CellHintsShowTheCellsText) {
  ShowFocused();
  grid->SetCells(2, 3, "<b>bold</b> words");
  THintInfo info;
  const QPoint at = At(2, 3);
  info.CursorPos = TPoint(at.x(), at.y());
  AnsiString hint = "plain";
  bool canShow = true;
  grid->ShowHintProc(hint, canShow, info);
  EXPECT_EQ(hint, "plain");
  const TRect r = grid->CellRect(2, 3);
  EXPECT_EQ(info.HintPos, grid->ClientToScreen({r.Left, r.Bottom + 6}));
  grid->HintShowCells = true;
  grid->ShowHintProc(hint, canShow, info);
  EXPECT_EQ(hint, "bold words");
  EXPECT_EQ(info.HintPos, grid->ClientToScreen({r.Left, r.Top}));
  grid->HTMLHint = true;
  grid->OnGridHint = [](TObject*, int ARow, int ACol, AnsiString& Hint) {
    Hint += " @" + IntToStr(ACol) + "," + IntToStr(ARow);
  };
  grid->ShowHintProc(hint, canShow, info);
  EXPECT_EQ(hint, "<b>bold</b> words @2,3");
}

TEST_F(GridScrolling, HintOverALinkShowsItsValue) {
  ShowFocused();
  grid->SetColWidths(2, 200);
  grid->SetCells(2, 3, "<a href=\"http://parts.example\">datasheet</a> and more");
  grid->AnchorHint = true;
  int anchorCol = -1;
  grid->OnAnchorHint = [&](TObject*, int, int ACol, AnsiString& Anchor) {
    anchorCol = ACol;
    Anchor += "!";
  };
  THintInfo info;
  const QPoint link = At(2, 3, 8, 8);
  info.CursorPos = TPoint(link.x(), link.y());
  AnsiString hint = "cell hint";
  bool canShow = true;
  grid->ShowHintProc(hint, canShow, info);
  EXPECT_EQ(hint, "http://parts.example!");
  EXPECT_EQ(anchorCol, 2);
  const QPoint plain = At(2, 3, 180, 8);
  info.CursorPos = TPoint(plain.x(), plain.y());
  hint = "cell hint";
  grid->ShowHintProc(hint, canShow, info);
  EXPECT_EQ(hint, "cell hint");
}

TEST_F(GridScrolling, HintWindowIsAsLargeAsItsText) {
  THTMLHintWindow* hint = grid->GetHintWindow();
  const TRect plain = hint->CalcHintRect(1008, "Row : 12", nullptr);
  const TRect measured = hint->CalcHintRect(1008, "<b>Row</b> : 12", nullptr);
  EXPECT_GT(measured.Width(), plain.Width() / 2);
  EXPECT_LT(measured.Width(), plain.Width() * 2);
  EXPECT_EQ(measured.Height(), plain.Height());
  hint->ActivateHint(TRect(10, 10, 20, 20), "<b>Row</b> : 12");
  EXPECT_EQ(hint->GetWidth(), measured.Width() + 16);
  EXPECT_EQ(hint->GetHeight(), measured.Height() + 4);
  EXPECT_EQ(hint->GetTextWidth(), measured.Width());
  hint->ReleaseHandle();
}

}  // namespace

namespace {
TEST(GridNotification, FreedCellCheckerIsNoLongerTheGrids) {
  TExtStringGrid grid(nullptr);
  auto* checker = new TExtStringGridCheck(nullptr);
  grid.SetCellChecker(checker);
  EXPECT_EQ(grid.CellChecker, checker);
  delete checker;
  EXPECT_EQ(grid.CellChecker, nullptr);
}
}  // namespace
