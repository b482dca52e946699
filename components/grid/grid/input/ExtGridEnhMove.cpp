// TExtStringGrid: rows and columns moved by the mouse. OnColumnMove and OnRowMove may stop a
// move; with EnhRowColMove the moved header follows the mouse in a floating window, arrows mark
// the edge it lands at, the drag cursor shows and the grid scrolls a line at its edges, and the
// release moves the line itself.
#include <algorithm>
#include <utility>

#include "components/grid/controls/ArrowWindow.h"
#include "components/grid/controls/PopupButton.h"
#include "components/grid/core/ColumnMap.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "components/grid/grid/input/InputState.h"
#include "platform/controls/screen.h"

namespace {
constexpr int kMoveTimer = 1;     // the base grid's timer that scrolls on during a move
constexpr int kArrowCentre = 5;   // from an arrow's side to its tip
constexpr int kColArrowRise = 8;  // the arrow above a header cell
constexpr int kRowArrowGap = 10;  // the arrow left of a header cell

bool Moving(TGridState State) { return State == gsColMoving || State == gsRowMoving; }
}  // namespace

TColor TExtStringGrid::GetArrowColor() const { return oleState_->GetArrowColor(); }

void TExtStringGrid::SetArrowColor(TColor Value) { oleState_->SetArrowColor(Value); }

void TExtStringGrid::NoteMovePress(int ACol, int ARow, int X, int Y) {
  const TRect r = CellRect(ACol, ARow);
  input_->LineMove.pressAt = TPoint(X, Y);
  input_->LineMove.offset = TPoint(X - r.Left, Y - r.Top);
  input_->LineMove.dragged = false;
}

void TExtStringGrid::MoveMouse(TShiftState Shift, int X, int Y) {
  const TGridState state = GetGridState();
  const bool away = Moving(state) && TPoint(X, Y) != input_->LineMove.pressAt;
  input_->LineMove.dragged = input_->LineMove.dragged || away;
  const bool running = Moving(state) && !GetComponentState().Contains(csDesigning);
  if (running && !MoveAllowed(state == gsColMoving)) StopMove();
  const bool enhanced = running && away && EnhRowColMove && GetGridState() == state;
  if (enhanced) ScrollMoveAtEdge(state == gsColMoving, X, Y);
  // The base grid finds the landing line after the scroll.
  TBaseGrid::MouseMove(Shift, X, Y);
  if (enhanced) ShowMoveDisplay(X, Y);
  if (EnhRowColMove) Update();
}

bool TExtStringGrid::MoveAllowed(bool Columns) {
  bool allow = true;
  if (Columns && OnColumnMove) OnColumnMove(this, GetMoveIndex(), allow);
  if (!Columns && OnRowMove) OnRowMove(this, GetMoveIndex(), allow);
  return allow;
}

// A stopped move takes its floating window and drag cursor along, whatever stopped it.
void TExtStringGrid::StopMove() {
  EndMoveDisplay();
  KillTimer(kMoveTimer);
  SetGridState(gsNormal);
  Invalidate();
}

void TExtStringGrid::EndMoveDisplay() {
  if (!std::exchange(input_->LineMove.shown, false)) return;
  Screen->SetCursor(crDefault);
  oleState_->ColumnButton()->SetVisible(false);
  oleState_->HideArrows();
}

// The moved column's header cell, or the moved row's first cell, at the press offset from the
// mouse.
void TExtStringGrid::ShowMoveDisplay(int X, int Y) {
  const bool columns = GetGridState() == gsColMoving;
  const int index = GetMoveIndex();
  const int col = columns ? index : 0;
  const int row = columns ? 0 : index;
  TPopupButton* window = oleState_->ColumnButton();
  window->SetCaption(GetCellEx(RemapCol(col), row));
  const TPoint at =
      ClientToScreen(TPoint(X - input_->LineMove.offset.x, Y - input_->LineMove.offset.y));
  window->SetBounds(at.x, at.y, ColWidths(col), RowHeights(row));
  window->SetVisible(true);
  PlaceMoveArrows(columns, GetMovePos());
  Screen->SetCursor(crDrag);
  input_->LineMove.mouse = TPoint(X, Y);
  input_->LineMove.shown = true;
}

// The arrows point at the landing line's leading edge beside its header cell, while it shows.
void TExtStringGrid::PlaceMoveArrows(bool Columns, int Target) {
  const TRect r = Columns ? CellRect(Target, 0) : CellRect(0, Target);
  if (Target < 0 || r.Right <= r.Left || r.Bottom <= r.Top) return oleState_->HideArrows();
  if (Columns) {
    oleState_->ShowArrow(arrUp, TPoint(r.Left - kArrowCentre, r.Top - kColArrowRise));
    oleState_->ShowArrow(arrDown, TPoint(r.Left - kArrowCentre, r.Bottom));
  } else {
    oleState_->ShowArrow(arrLeft, TPoint(r.Left - kRowArrowGap, r.Top - kArrowCentre));
    oleState_->ShowArrow(arrRight, TPoint(r.Right, r.Top - kArrowCentre));
  }
}

// One line towards the side the mouse has left the scrolling cells by.
void TExtStringGrid::ScrollMoveAtEdge(bool Columns, int X, int Y) {
  const TGridAxis& axis = Shape().Axis(Columns ? GridAxis::Columns : GridAxis::Rows);
  const int pos = Columns ? X : Y;
  const int first = axis.First();
  int next = first;
  if (pos < axis.FixedExtent() && first > axis.Fixed())
    next = first - 1;
  else if (pos > (Columns ? GetClientWidth() : GetClientHeight()) && first < axis.MaxFirst())
    next = first + 1;
  if (next == first) return;
  Columns ? SetLeftCol(next) : SetTopRow(next);
  Repaint();
}

// Scrolling on past an edge moves the landing line: the arrows follow it.
void TExtStringGrid::MoveTimer(int TimerID) {
  TBaseGrid::WMTimer(TimerID);
  if (TimerID == kMoveTimer && input_->LineMove.shown && Moving(GetGridState()))
    ShowMoveDisplay(input_->LineMove.mouse.x, input_->LineMove.mouse.y);
}

bool TExtStringGrid::MoveRelease() {
  if (!GetComponentState().Contains(csDesigning)) oleState_->HideArrows();
  const bool dragged = std::exchange(input_->LineMove.dragged, false);
  const TGridState state = GetGridState();
  if (!input_->LineMove.shown || !Moving(state)) {
    EndMoveDisplay();
    return dragged;
  }
  const bool columns = state == gsColMoving;
  const int from = GetMoveIndex(), to = GetMovePos();
  const int fixed = columns ? GetFixedCols() : GetFixedRows();
  const int count = columns ? GetColCount() : GetRowCount();
  StopMove();
  if (to >= fixed && to < count && to != from) columns ? MoveColumn(from, to) : MoveRow(from, to);
  return dragged;
}

void TExtStringGrid::MoveColumnSlots(int From, int To) {
  columns_->Move(From, To);
}
