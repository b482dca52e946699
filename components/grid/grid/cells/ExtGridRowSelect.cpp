// TExtStringGrid: rows selected one by one, and the grid's selection set by rows, columns or
// rectangle.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"

namespace {

const char* const kInvalidRow = "Invalid Row accessed";

void CheckRowSelect(const TExtStringGrid& Grid, int ARow) {
  if (ARow < 0 || ARow >= Grid.GetRowCount()) throw EExtGridError(kInvalidRow);
}

// The current cell is the selection's corner: a selection outside the grid is cut to it,
// and one with nothing left inside changes nothing.
void SelectInGrid(TExtStringGrid& Grid, TGridRect R) {
  R = ClipGridRect(R, Grid.GetColCount(), Grid.GetRowCount());
  if (R.Left <= R.Right && R.Top <= R.Bottom) Grid.SetSelection(R);
}

}  // namespace

bool TExtStringGrid::GetRowSelect(int ARow) const {
  CheckRowSelect(*this, ARow);
  return static_cast<std::size_t>(ARow) < d_->lines->RowSelect.size() &&
         d_->lines->RowSelect[ARow] != 0;
}

void TExtStringGrid::SetRowSelect(int ARow, bool Value) {
  CheckRowSelect(*this, ARow);
  const auto row = static_cast<std::size_t>(ARow);
  if (d_->lines->RowSelect.size() <= row) d_->lines->RowSelect.resize(row + 1, 0);
  if ((d_->lines->RowSelect[row] != 0) == Value) return;
  d_->lines->RowSelect[row] = Value ? 1 : 0;
  RepaintRow(ARow);
}

int TExtStringGrid::GetRowSelectCount() const {
  return static_cast<int>(std::count(d_->lines->RowSelect.begin(), d_->lines->RowSelect.end(), 1));
}

void TExtStringGrid::ClearRowSelect() {
  for (std::size_t row = 0; row < d_->lines->RowSelect.size(); ++row) {
    if (!d_->lines->RowSelect[row]) continue;
    d_->lines->RowSelect[row] = 0;
    RepaintRow(static_cast<int>(row));
  }
}

void TExtStringGrid::SelectToRowSelect(bool All) {
  const TGridRect selection = GetSelection();
  for (int r = GetFixedRowsEx(); r < GetRowCount(); ++r) {
    const bool inside = r >= selection.Top && r <= selection.Bottom;
    if (inside || All) SetRowSelect(r, inside);
  }
}

void TExtStringGrid::SelectRows(int ARow, int Count) {
  const long long end = static_cast<long long>(ARow) + Count;  // one past the last row
  if (!MouseActions.DisjunctRowSelect)
    return SelectInGrid(*this,
                        {GetFixedColsEx(), ARow, GetColCount() - 1,
                         static_cast<int>(std::clamp<long long>(end - 1, -1, GetRowCount()))});
  for (int r = std::max(ARow, 0); r < end && r < GetRowCount(); ++r) SetRowSelect(r, true);
}

void TExtStringGrid::SelectCols(int ACol, int Count) {
  const long long last = static_cast<long long>(ACol) + Count - 1;
  SelectInGrid(
      *this, {ACol, GetFixedRowsEx(),
              static_cast<int>(std::clamp<long long>(last, -1, GetColCount())), GetRowCount() - 1});
}

void TExtStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SelectInGrid(*this, {FromCol, FromRow, ToCol, ToRow});
}
