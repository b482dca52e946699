// TExtStringGrid: inserting, removing and exchanging rows. Rows move whole in the cell store,
// the cells of hidden columns with them; a row taken out leaves nothing behind in the store
// beyond the count, so a grid that grows again shows empty rows, not the removed ones.
#include <algorithm>
#include <climits>
#include <numeric>
#include <unordered_set>
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/cells/Lines.h"

void TExtStringGrid::Lines::ExchangeRows(int ARow1, int ARow2) {
  g.SwapRowCells(ARow1, ARow2);
  ExchangeRowHeights(ARow1, ARow2);
}

void TExtStringGrid::Lines::ExchangeRowHeights(int ARow1, int ARow2) {
  const int height1 = g.RowHeights(ARow1);
  const int height2 = g.RowHeights(ARow2);
  if (height1 == height2) return;
  g.SetRowHeights(ARow1, height2);
  g.SetRowHeights(ARow2, height1);
}

void TExtStringGrid::Lines::ExchangeRowSelect(int ARow1, int ARow2) {
  if (ARow1 < 0 || ARow2 < 0) return;  // no select state there to take part
  std::vector<uint8_t>& selected = g.d_->lines->RowSelect;
  const auto row1 = static_cast<std::size_t>(ARow1);
  const auto row2 = static_cast<std::size_t>(ARow2);
  const uint8_t state1 = row1 < selected.size() ? selected[row1] : 0;
  const uint8_t state2 = row2 < selected.size() ? selected[row2] : 0;
  if (state1 == state2) return;
  selected.resize(std::max({selected.size(), row1 + 1, row2 + 1}), 0);
  std::swap(selected[row1], selected[row2]);
}

void TExtStringGrid::SwapRows(int ARow1, int ARow2) {
  if (!Lines::TwoLines(ARow1, ARow2, GetRowCount())) return;
  Lines(*this).ExchangeRows(ARow1, ARow2);
  InvalidateRow(ARow1);
  InvalidateRow(ARow2);
}

void TExtStringGrid::InsertRows(int ARow, int Count) {
  const int rows = GetRowCount();
  if (Count < 1 || ARow < 0 || ARow > rows || Count > INT_MAX - rows) return;
  SetRowCount(rows + Count);
  HiddenRows.ShownInserted(ARow, Count);
  RotateRowCells(ARow, rows, rows + Count);
  Lines lines(*this);
  for (int r = rows + Count - 1; r >= ARow + Count; --r) lines.ExchangeRowHeights(r, r - Count);
  // The new rows now hold what the store kept beyond the old count.
  const int last = ARow + Count - 1;
  ClearPropRect(0, ARow, INT_MAX, last);
  for (int r = ARow; r <= last; ++r) {
    DropRowCells(r);
    if (RowHeights(r) != GetDefaultRowHeight()) SetRowHeights(r, GetDefaultRowHeight());
  }
  Invalidate();
  CheckReferences();
}

void TExtStringGrid::AddRow() {
  InsertRows(GetRowCount() - (FloatingFooter.GetVisible() ? 1 : 0), 1);
}

void TExtStringGrid::Lines::DeleteRows(int ARow, int Count, RowRestore Restore) {
  if (ARow < 0 || ARow >= g.GetRowCount() || Count < 1) return;
  std::vector<int> rows(std::min(Count, g.GetRowCount() - ARow));
  std::iota(rows.begin(), rows.end(), ARow);
  DeleteRowSet(rows, Restore);
}

// The rows go to the end in one move of the cell store, whatever their number: a filter
// takes out half a million rows at once.
void TExtStringGrid::Lines::DeleteRowSet(const std::vector<int>& Rows, RowRestore Restore) {
  if (Rows.empty()) return;
  const int oldRow = g.GetRow();
  const int oldTop = g.GetTopRow();
  const bool clickPending = g.ClickPending;
  TUpdateScope lock(g);
  const int rows = g.GetRowCount();
  const int gone = static_cast<int>(Rows.size());
  std::vector<int> order;
  order.reserve(rows);
  std::size_t next = 0;
  for (int r = 0; r < rows; ++r) {
    if (next < Rows.size() && Rows[next] == r)
      ++next;
    else
      order.push_back(r);
  }
  order.insert(order.end(), Rows.begin(), Rows.end());
  g.PermuteRows(order);
  g.TCustomGrid::SetRowCount(rows - gone);
  // The rows now wait beyond the count; their objects were freed or moved elsewhere.
  for (int r = rows - gone; r < rows; ++r) g.DropRowCells(r);
  // The select states belong to the rows: those below move up with them.
  std::vector<uint8_t>& selected = g.d_->lines->RowSelect;
  if (!selected.empty()) {
    std::size_t kept = 0;
    next = 0;
    for (std::size_t r = 0; r < selected.size(); ++r) {
      if (next < Rows.size() && static_cast<std::size_t>(Rows[next]) == r)
        ++next;
      else
        selected[kept++] = selected[r];
    }
    selected.resize(kept);
  }
  const int first = g.GetFixedRows();
  const int left = g.GetRowCount();
  auto moveTo = [this](int row) {
    if (row != g.GetRow()) g.SetRow(row);
  };
  if (Restore == RowRestore::FirstNormal) {
    if (oldRow < left) {
      moveTo(oldRow);
    } else if (first < left) {
      moveTo(first);
      g.SetTopRow(first);
    }
  } else if (oldRow > LastNormalRow(g)) {
    if (LastNormalRow(g) >= first) moveTo(LastNormalRow(g));
  } else {
    moveTo(oldRow);
    g.SetTopRow(oldTop);  // the platform keeps it within the rows left
  }
  g.ClickPending = clickPending;
  g.CellsChanged(TRect(0, Rows.front(), g.GetColCount() - 1, Rows.back() + 1));
}

void TExtStringGrid::RemoveRows(int ARow, int Count) {
  if (ARow < 0 || ARow >= GetRowCount() || Count < 1) return;
  ClearPropRect(0, ARow, INT_MAX, Lines::LastOf(ARow, Count, GetRowCount() - 1));
  Lines(*this).RemoveShownRows(ARow, Count, Lines::RowRestore::LastAboveFooter);
  CheckReferences();
}

void TExtStringGrid::RemoveRowsEx(int ARow, int Count) {
  Lines(*this).RemoveShownRows(ARow, Count, Lines::RowRestore::FirstNormal);
}

// Unlike hiding, removing makes the grid shorter: the hidden rows after the removed ones
// move up with the rows shown around them.
void TExtStringGrid::Lines::RemoveShownRows(int ARow, int Count, RowRestore Restore) {
  const int rows = g.GetRowCount();
  DeleteRows(ARow, Count, Restore);
  if (g.GetRowCount() < rows) g.HiddenRows.ShownRemoved(ARow, rows - g.GetRowCount());
}

void TExtStringGrid::Lines::RemoveRowsSelected(bool Selected) {
  for (int r = g.GetFixedRows(); r <= LastNormalRow(g);) {
    if (g.GetRowSelect(r) == Selected)
      g.RemoveRows(r, 1);
    else
      ++r;
  }
}

std::vector<int> TExtStringGrid::Lines::RowsSelected(bool Selected) {
  std::vector<int> rows;
  for (int r = g.GetFixedRows(); r <= LastNormalRow(g); ++r)
    if (g.GetRowSelect(r) == Selected) rows.push_back(r);
  return rows;
}

void TExtStringGrid::RemoveSelectedRows() { Lines(*this).RemoveRowsSelected(true); }

void TExtStringGrid::RemoveUnSelectedRows() { Lines(*this).RemoveRowsSelected(false); }

void TExtStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
  std::unordered_set<AnsiString> kept;
  const int col = RemapCol(ACol);
  for (int r = GetFixedRows(); r <= Lines::LastNormalRow(*this);) {
    const AnsiString value = GetCellEx(col, r);
    if (kept.insert(DoCase ? value : AnsiUpperCase(value)).second)
      ++r;
    else
      RemoveRows(r, 1);
  }
}
