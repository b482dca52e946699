// TExtStringGrid: the row filter. Rows that fail a condition of Filter leave the grid as
// hidden rows while FilterActive is on, and all hidden rows come back when it goes off.
#include <cmath>

#include "components/grid/core/FindFilterState.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/Lines.h"
#include "platform/core/invariant.h"

bool TExtStringGrid::MatchFilter(int ARow) {
  for (int i = 0; i < Filter.Count(); ++i) {
    const TFilterData& item = *Filter.Items(i);
    if (!MatchStrEx(item.Condition, GetCellEx(RemapCol(item.Column), ARow), item.CaseSensitive))
      return false;
  }
  return true;
}

// The failing rows leave at once, as hiding their runs one by one would leave the grid.
void TExtStringGrid::ApplyFilter() {
  const int first = GetFixedRows();
  const int last = Lines::LastNormalRow(*this);
  const double rows = last - first + 1;
  std::vector<int> failing;
  for (int r = first; r <= last; ++r) {
    if (!MatchFilter(r)) failing.push_back(r);
    if (OnFilterProgress)
      OnFilterProgress(this, static_cast<int16_t>(std::lround(100.0 * (r - first + 1) / rows)));
  }
  Lines(*this).TakeRowsOut(failing, false);
}

// The fixed rows of before come back with the rows: a grid left with nothing but its fixed
// rows keeps them fixed by an empty row, and loses that row again. The empty row stands
// above the footer rows, which stay the grid's last rows with their cells.
bool TExtStringGrid::GetFilterActive() const { return d_->find->FilterActive; }

void TExtStringGrid::SetFilterActive(bool Value) {
  if (Value == d_->find->FilterActive) return;
  d_->find->FilterActive = Value;
  int& kept = d_->find->FilterFixedRows;
  if (Value) {
    kept = GetFixedRows();
    {
      TUpdateScope lock(*this);
      ApplyFilter();
    }
    if (GetRowCount() <= kept + GetFixedFooters() && !FixedRowAlways) {
      InsertRows(GetRowCount() - GetFixedFooters(), 1);
      SetFixedRows(kept);
    } else {
      kept = 0;
    }
  } else {
    const int fixedRows = kept > 0 ? kept : GetFixedRows();
    if (kept > 0 && GetRowCount() == kept + GetFixedFooters() + 1) RemoveRows(kept, 1);
    UnHideRowsAll();
    if (fixedRows < GetRowCount() && fixedRows != GetFixedRows()) SetFixedRows(fixedRows);
    kept = 0;
  }
  CheckInvariant("find and filter state", [&] { return d_->find->Fault(); });
}
