// TExtStringGrid: the mouse over the grid: sizing the handler may refuse, and the cursor.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"

namespace {
constexpr int kBorderReach = 6;  // a border's line lies this far right of (below) the mouse
}

void TExtStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
  bool allow = true;
  if (State == gsColSizing && OnColumnSize) {
    const TGridCoord cell = MouseCoord(X - kBorderReach, Y);
    if (cell.Y == 0) OnColumnSize(this, cell.X, allow);
  } else if (State == gsRowSizing && OnRowSize) {
    const TGridCoord cell = MouseCoord(X, Y - kBorderReach);
    if (cell.X == 0) OnRowSize(this, cell.Y, allow);
  }
  if (!allow) State = gsNormal;
  // MouseDown takes it as the line being sized.
  d_->lines->SizeCandidate = {State == gsColSizing ? Index : -1, State == gsRowSizing ? Index : -1};
}

void TExtStringGrid::SetCursorEx(TCursor Value) {
  SetCursor(Value);
  d_->lines->NormalCursor = Value;
}
