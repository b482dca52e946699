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
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"
#include "platform/controls/screen.h"

namespace {
constexpr int kMoveTimer = 1;     // the base grid's timer that scrolls on during a move
constexpr int kArrowCentre = 5;   // from an arrow's side to its tip
constexpr int kColArrowRise = 8;  // the arrow above a header cell
constexpr int kRowArrowGap = 10;  // the arrow left of a header cell

bool Moving(TGridState State) { return State == gsColMoving || State == gsRowMoving; }
}  // namespace

TColor TExtStringGrid::GetArrowColor() const { return d_->ole->GetArrowColor(); }

void TExtStringGrid::SetArrowColor(TColor Value) { d_->ole->SetArrowColor(Value); }

void TExtStringGrid::Mouse::NoteMovePress(int ACol, int ARow, int X, int Y) {
  const TRect r = g.CellRect(ACol, ARow);
  auto& move = g.d_->input->LineMove;
  move.pressAt = TPoint(X, Y);
  move.offset = TPoint(X - r.Left, Y - r.Top);
  move.dragged = false;
}

void TExtStringGrid::Mouse::MoveMouse(TShiftState Shift, int X, int Y) {
  const TGridState state = g.GetGridState();
  auto& move = g.d_->input->LineMove;
  const bool away = Moving(state) && TPoint(X, Y) != move.pressAt;
  move.dragged = move.dragged || away;
  const bool running = Moving(state) && !g.GetComponentState().Contains(csDesigning);
  if (running && !MoveAllowed(state == gsColMoving)) StopMove();
  const bool enhanced = running && away && g.EnhRowColMove && g.GetGridState() == state;
  if (enhanced) ScrollMoveAtEdge(state == gsColMoving, X, Y);
  // The base grid finds the landing line after the scroll.
  g.TBaseGrid::MouseMove(Shift, X, Y);
  if (enhanced) ShowMoveDisplay(X, Y);
  if (g.EnhRowColMove) g.Update();
}

bool TExtStringGrid::Mouse::MoveAllowed(bool Columns) {
  bool allow = true;
  if (Columns && g.OnColumnMove) g.OnColumnMove(&g, g.GetMoveIndex(), allow);
  if (!Columns && g.OnRowMove) g.OnRowMove(&g, g.GetMoveIndex(), allow);
  return allow;
}

// A stopped move takes its floating window and drag cursor along, whatever stopped it.
void TExtStringGrid::Mouse::StopMove() {
  EndMoveDisplay();
  g.KillTimer(kMoveTimer);
  g.SetGridState(gsNormal);
  g.Invalidate();
}

void TExtStringGrid::Mouse::EndMoveDisplay() {
  if (!std::exchange(g.d_->input->LineMove.shown, false)) return;
  Screen->SetCursor(crDefault);
  g.d_->ole->ColumnButton()->SetVisible(false);
  g.d_->ole->HideArrows();
}

// The moved column's header cell, or the moved row's first cell, at the press offset from the
// mouse.
void TExtStringGrid::Mouse::ShowMoveDisplay(int X, int Y) {
  const bool columns = g.GetGridState() == gsColMoving;
  const int index = g.GetMoveIndex();
  const int col = columns ? index : 0;
  const int row = columns ? 0 : index;
  auto& move = g.d_->input->LineMove;
  TPopupButton* window = g.d_->ole->ColumnButton();
  window->SetCaption(g.GetCellEx(g.RemapCol(col), row));
  const TPoint at = g.ClientToScreen(TPoint(X - move.offset.x, Y - move.offset.y));
  window->SetBounds(at.x, at.y, g.ColWidths(col), g.RowHeights(row));
  window->SetVisible(true);
  PlaceMoveArrows(columns, g.GetMovePos());
  Screen->SetCursor(crDrag);
  move.mouse = TPoint(X, Y);
  move.shown = true;
}

// The arrows point at the landing line's leading edge beside its header cell, while it shows.
void TExtStringGrid::Mouse::PlaceMoveArrows(bool Columns, int Target) {
  const TRect r = Columns ? g.CellRect(Target, 0) : g.CellRect(0, Target);
  TGridOleState& ole = *g.d_->ole;
  if (Target < 0 || r.Right <= r.Left || r.Bottom <= r.Top) return ole.HideArrows();
  if (Columns) {
    ole.ShowArrow(arrUp, TPoint(r.Left - kArrowCentre, r.Top - kColArrowRise));
    ole.ShowArrow(arrDown, TPoint(r.Left - kArrowCentre, r.Bottom));
  } else {
    ole.ShowArrow(arrLeft, TPoint(r.Left - kRowArrowGap, r.Top - kArrowCentre));
    ole.ShowArrow(arrRight, TPoint(r.Right, r.Top - kArrowCentre));
  }
}

// One line towards the side the mouse has left the scrolling cells by.
void TExtStringGrid::Mouse::ScrollMoveAtEdge(bool Columns, int X, int Y) {
  const TGridAxis& axis = g.Shape().Axis(Columns ? GridAxis::Columns : GridAxis::Rows);
  const int pos = Columns ? X : Y;
  const int first = axis.First();
  int next = first;
  if (pos < axis.FixedExtent() && first > axis.Fixed())
    next = first - 1;
  else if (pos > (Columns ? g.GetClientWidth() : g.GetClientHeight()) && first < axis.MaxFirst())
    next = first + 1;
  if (next == first) return;
  Columns ? g.SetLeftCol(next) : g.SetTopRow(next);
  g.Repaint();
}

// Scrolling on past an edge moves the landing line: the arrows follow it.
void TExtStringGrid::Mouse::MoveTimer(int TimerID) {
  g.TBaseGrid::WMTimer(TimerID);
  const auto& move = g.d_->input->LineMove;
  if (TimerID == kMoveTimer && move.shown && Moving(g.GetGridState()))
    ShowMoveDisplay(move.mouse.x, move.mouse.y);
}

bool TExtStringGrid::Mouse::MoveRelease() {
  if (!g.GetComponentState().Contains(csDesigning)) g.d_->ole->HideArrows();
  const bool dragged = std::exchange(g.d_->input->LineMove.dragged, false);
  const TGridState state = g.GetGridState();
  if (!g.d_->input->LineMove.shown || !Moving(state)) {
    EndMoveDisplay();
    return dragged;
  }
  const bool columns = state == gsColMoving;
  const int from = g.GetMoveIndex(), to = g.GetMovePos();
  const int fixed = columns ? g.GetFixedCols() : g.GetFixedRows();
  const int count = columns ? g.GetColCount() : g.GetRowCount();
  StopMove();
  if (to >= fixed && to < count && to != from)
    columns ? g.MoveColumn(from, to) : g.MoveRow(from, to);
  return dragged;
}

void TExtStringGrid::Mouse::MoveColumnSlots(int From, int To) { g.d_->columns->Move(From, To); }
