// TExtStringGrid: clearing cells. Texts are emptied and the cells' properties objects let go;
// the row and column counts stay.
#include <algorithm>
#include <cstdint>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"

int TExtStringGrid::Lines::LastOf(int First, int Count, int Limit) {
  return static_cast<int>(std::min<int64_t>(int64_t{First} + Count - 1, Limit));
}

void TExtStringGrid::Lines::ClearStoredRect(const TGridRect& R, TGridCells::Capacity Capacity) {
  const TGridRect cells = ClipGridRect(R, g.GetColCount() + g.NumHiddenColumns(), g.GetRowCount());
  g.ClearPropRect(cells.Left, cells.Top, cells.Right, cells.Bottom);
  g.ClearCellTexts(cells, Capacity);
}

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2, TGridCells::Capacity Capacity) {
  Lines(*this).ClearStoredRect({ACol1, ARow1, ACol2, ARow2}, Capacity);
  CellsChanged(TRect(ACol1, ARow1, ACol2, ARow2));
}

// A hidden column inside the shown range keeps its cells.
void TExtStringGrid::ClearShownRect(const TGridRect& R) {
  Lines lines(*this);
  for (int c = std::max(R.Left, 0); c <= std::min(R.Right, GetColCount() - 1); ++c) {
    const int col = RemapCol(c);
    lines.ClearStoredRect({col, R.Top, col, R.Bottom});
  }
  CellsChanged(TRect(R.Left, R.Top, R.Right, R.Bottom));
}

void TExtStringGrid::ClearRows(int ARow, int Count) {
  if (GetRowCount() == 0 || GetColCount() == 0 || Count < 1) return;
  ClearRect(0, ARow, GetColCount() + NumHiddenColumns() - 1,
            Lines::LastOf(ARow, Count, GetRowCount() - 1));
}

void TExtStringGrid::ClearCols(int ACol, int Count) {
  if (GetRowCount() == 0 || GetColCount() == 0 || Count < 1) return;
  ClearRect(ACol, 0, Lines::LastOf(ACol, Count, GetColCount() + NumHiddenColumns() - 1),
            GetRowCount() - 1);
}

void TExtStringGrid::ClearNormalCells() {
  if (GetRowCount() == 0 || GetColCount() == 0) return;
  ClearRect(GetFixedCols(), GetFixedRows(), Lines::LastNormalCol(*this) + NumHiddenColumns(),
            Lines::LastNormalRow(*this));
}

void TExtStringGrid::Clear() {
  SearchText.clear();
  if (GetRowCount() == 0 || GetColCount() == 0) return;
  ClearRect(0, 0, GetColCount() + NumHiddenColumns() - 1, GetRowCount() - 1);
}

void TExtStringGrid::ClearSelection() {
  if (MouseActions.DisjunctRowSelect) {
    for (int r = GetFixedRows(); r < GetRowCount(); ++r)
      if (GetRowSelect(r)) ClearRows(r, 1);
    return;
  }
  ClearShownRect(GetSelection());
}
