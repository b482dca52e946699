// TExtStringGrid: hidden rows. A hidden row leaves the grid for the hidden-row store with its
// texts and its properties objects, the cells of hidden columns included, and keeps its real
// number; showing it puts it back where that number says.
#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/PropertyReferences.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/cells/Lines.h"

std::vector<int> TExtStringGrid::Lines::ShownRowsIn(int FromRow, int ToRow) {
  FromRow = std::max(FromRow, 0);
  ToRow =
      std::min<long long>(ToRow, static_cast<long long>(g.GetRowCount()) + g.NumHiddenRows() - 1);
  if (FromRow > ToRow) return {};
  // Shown rows of a real range stand one below the other on screen.
  const int hidden = g.HiddenRows.CountBelow(ToRow + 1) - g.HiddenRows.CountBelow(FromRow);
  std::vector<int> rows(ToRow - FromRow + 1 - hidden);
  std::iota(rows.begin(), rows.end(), g.RemapRow(FromRow));
  return rows;
}

void TExtStringGrid::Lines::TakeRowsOut(const std::vector<int>& DisplayRows, bool AsRemoveEx) {
  if (DisplayRows.empty()) return;
  const int cols = g.GetColCount() + g.NumHiddenColumns();
  THiddenRows::Rows taken;
  taken.reserve(DisplayRows.size());
  for (int row : DisplayRows) {
    auto& item = taken.emplace_back(std::make_unique<TGridItem>());
    item->Idx = g.RemapRowInv(row);
    // Most cells hold no object: nothing to take for them.
    for (int c = 0; c < cols; ++c) {
      TCellPropertiesRef props =
          g.GetGridObject(c, row) ? g.TakeCellRef(c, row) : TCellPropertiesRef();
      item->AddCell(g.Cells(c, row), std::move(props));
    }
  }
  g.HiddenRows.Add(std::move(taken));
  const bool consecutive =
      DisplayRows.back() - DisplayRows.front() + 1 == static_cast<int>(DisplayRows.size());
  if (AsRemoveEx && consecutive)
    DeleteRows(DisplayRows.front(), static_cast<int>(DisplayRows.size()), RowRestore::FirstNormal);
  else
    DeleteRowSet(DisplayRows, AsRemoveEx ? RowRestore::FirstNormal : RowRestore::LastAboveFooter);
  g.CheckReferences();
}

void TExtStringGrid::HideRows(int FromRow, int ToRow) {
  Lines lines(*this);
  lines.TakeRowsOut(lines.ShownRowsIn(FromRow, ToRow), false);
}

void TExtStringGrid::HideRowsEx(int FromRow, int ToRow) {
  Lines lines(*this);
  lines.TakeRowsOut(lines.ShownRowsIn(FromRow, ToRow), true);
}

void TExtStringGrid::HideSelectedRows() {
  Lines lines(*this);
  lines.TakeRowsOut(lines.RowsSelected(true), false);
}

void TExtStringGrid::HideUnSelectedRows() {
  Lines lines(*this);
  lines.TakeRowsOut(lines.RowsSelected(false), false);
}

// The rows come back as new rows at the end, and one move of the cell store puts every one
// at its place: below it stand as many rows as real rows below it are not hidden.
void TExtStringGrid::Lines::PutRowsBack(THiddenRows::Rows Rows) {
  if (Rows.empty()) return;
  TUpdateScope lock(g);
  const int rows = g.GetRowCount();
  const int count = static_cast<int>(Rows.size());
  std::vector<int> places(count);
  for (int i = 0; i < count; ++i) {
    // A store that no longer fits the grid (rows removed meanwhile) still gives a place.
    const int lowest = i > 0 ? places[i - 1] + 1 : 0;
    places[i] = std::clamp(g.RemapRow(Rows[i]->Idx), lowest, rows + i);
  }
  g.SetRowCount(rows + count);
  // What the store kept beyond the old count is not theirs.
  g.ClearPropRect(0, rows, INT_MAX, rows + count - 1);
  for (int r = rows; r < rows + count; ++r) g.DropRowCells(r);
  std::vector<int> order(rows + count);
  for (int p = 0, old = 0, i = 0; p < rows + count; ++p)
    order[p] = i < count && places[i] == p ? rows + i++ : old++;
  g.PermuteRows(order);
  for (int i = 0; i < count; ++i) {
    TGridItem& row = *Rows[i];
    for (int c = 0; c < row.Items.Count(); ++c) {
      g.SetGridCell(c, places[i], row.Items.Strings(c));
      if (row.Items.Objects(c)) g.PutCellRef(c, places[i], row.TakeRef(c));
    }
    if (static_cast<std::size_t>(places[i]) < g.d_->lines->RowSelect.size())
      g.d_->lines->RowSelect.insert(g.d_->lines->RowSelect.begin() + places[i], 0);
  }
  g.Invalidate();
  g.CheckReferences();
}

void TExtStringGrid::UnHideRows(int FromRow, int ToRow) {
  Lines(*this).PutRowsBack(HiddenRows.Take(FromRow, ToRow));
}

void TExtStringGrid::UnHideRowsAll() {
  Lines(*this).PutRowsBack(HiddenRows.Take(INT_MIN, INT_MAX));
}

void TExtStringGrid::CountReferences(TPropertyReferences& References) const {
  TBaseGrid::CountReferences(References);
  for (int i = 0; i < HiddenRows.Count(); ++i) {
    const TStringList& cells = HiddenRows.Items(i)->Items;
    for (int c = 0; c < cells.Count(); ++c) References.Count(cells.Objects(c));
  }
}

TStrings* TExtStringGrid::HiddenRow(int ARow) const {
  TGridItem* item = HiddenRows.Find(ARow);
  return item ? &item->Items : nullptr;
}
