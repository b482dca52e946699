// TExtStringGrid: finding cells by their text, and the keyboard's lookup in the first column.
#include <algorithm>

#include "components/grid/core/FindFilterState.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/TextOperations.h"
#include "components/grid/grid/cells/Lines.h"

namespace {

// A rectangle walked cell by cell: the inner index runs along a column (Down) or a row, the
// outer one across; Backward walks from the end.
struct FindWalk {
  TGridRect range;
  bool down;
  bool backward;

  int& Inner(TPoint& P) const { return down ? P.y : P.x; }
  int& Outer(TPoint& P) const { return down ? P.x : P.y; }
  int InnerFirst() const {
    return down ? (backward ? range.Bottom : range.Top) : (backward ? range.Right : range.Left);
  }
  int InnerLast() const {
    return down ? (backward ? range.Top : range.Bottom) : (backward ? range.Left : range.Right);
  }
  int OuterLast() const {
    return down ? (backward ? range.Left : range.Right) : (backward ? range.Top : range.Bottom);
  }
  TPoint First() const {
    return backward ? TPoint(range.Right, range.Bottom) : TPoint(range.Left, range.Top);
  }
  // One cell on; false past the last.
  bool Step(TPoint& P) const {
    const int step = backward ? -1 : 1;
    if (Inner(P) != InnerLast()) {
      Inner(P) += step;
      return true;
    }
    if (Outer(P) == OuterLast()) return false;
    Outer(P) += step;
    Inner(P) = InnerFirst();
    return true;
  }
  bool Holds(TPoint P) const {
    return P.x >= range.Left && P.x <= range.Right && P.y >= range.Top && P.y <= range.Bottom;
  }
};

}  // namespace

bool TExtStringGrid::TextOperations::MatchCell(int ACol, int ARow) {
  const int col = g.d_->find->Params().Contains(fnIncludeHiddenColumns) ? ACol : g.RemapCol(ACol);
  return g.d_->find->Matches(g.GetCellEx(col, ARow));
}

// Past the last cell of the range the search ends: a search from the last match stops there
// instead of starting over, so finding all matches ends.
TPoint TExtStringGrid::Find(TPoint StartCell, const AnsiString& Text, TFindParameters Params) {
  d_->find->Start(Text, Params);
  const TPoint none(-1, -1);
  if (GetColCount() <= GetFixedCols() || GetRowCount() <= GetFixedRows()) return none;
  FindWalk walk{{}, !Params.Contains(fnDirectionLeftRight), Params.Contains(fnBackward)};
  if (Params.Contains(fnIncludeFixed))
    walk.range = {0, 0, GetColCount() - 1, GetRowCount() - 1};
  else
    walk.range = {GetFixedCols(), GetFixedRows(), Lines::LastNormalCol(*this),
                  Lines::LastNormalRow(*this)};
  if (Params.Contains(fnIncludeHiddenColumns)) walk.range.Right += NumHiddenColumns();
  if (Params.Contains(fnFindInCurrentRow)) walk.range.Top = walk.range.Bottom = GetRow();
  if (Params.Contains(fnFindInCurrentCol)) walk.range.Left = walk.range.Right = GetCol();
  if (walk.range.Left > walk.range.Right || walk.range.Top > walk.range.Bottom) return none;
  TPoint cell = walk.First();
  if (StartCell != none) {
    cell = StartCell;
    if (!walk.Holds(cell) || !walk.Step(cell)) return none;
  }
  TextOperations texts(*this);
  do {
    if (texts.MatchCell(cell.x, cell.y)) {
      d_->find->Found = cell;
      if (Params.Contains(fnAutoGoto)) {
        if (cell.x < GetColCount() && cell.x != GetCol()) SetCol(cell.x);
        if (cell.y != GetRow()) SetRow(cell.y);
      }
      return cell;
    }
  } while (walk.Step(cell));
  return none;
}

TPoint TExtStringGrid::FindFirst(const AnsiString& Text, TFindParameters Params) {
  return Find({-1, -1}, Text, Params);
}

TPoint TExtStringGrid::FindNext() {
  return Find(d_->find->Found, d_->find->Text(), d_->find->Params());
}

// A grid of one column looks in that column.
int TExtStringGrid::Search(const AnsiString& Text) {
  if (GetRowCount() < 2 || GetColCount() < 1) return -1;
  const int col =
      std::clamp(SortSettings.GetShow() ? SortSettings.GetColumn() : 1, 0, GetColCount() - 1);
  for (int r = GetFixedRows(); r < GetRowCount(); ++r)
    if (AnsiUpperCase(GetCellEx(col, r).substr(0, Text.size())) == Text) return r;
  return -1;
}
