// A release on a header cell: the check box and radio release events, then the sort by the
// clicked column.
#include <chrono>
#include <utility>

#include "components/grid/core/SortState.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"

namespace {
constexpr int kFilterButton = 16;  // the filter button at a header's right edge
}  // namespace

void TExtStringGrid::Mouse::HeaderRelease(int ACol, int ARow, int X, TShiftState Shift) {
  // Only the release right after the double click is no sort click.
  const bool dblSized = std::exchange(g.d_->input->Mouse.dblSized, false);
  if (g.d_->input->Mouse.moved || ACol < 0 || ARow < 0) return;
  const TSortSettings& sort = g.SortSettings;
  if (ACol < g.GetFixedCols() && !sort.FixedCols) return;
  const int real = g.RemapCol(ACol);
  if (bool state = false; g.HasCheckBox(real, ARow) && g.GetCheckBoxState(real, ARow, state)) {
    if (g.OnCheckBoxMouseUp) g.OnCheckBoxMouseUp(&g, ACol, ARow, state);
  } else if (int index = -1; g.IsRadio(real, ARow) && g.GetRadioIdx(real, ARow, index)) {
    if (g.OnRadioMouseUp) g.OnRadioMouseUp(&g, ACol, ARow, index);
  }
  if (dblSized) return;
  const TRect r = g.CellRect(ACol, ARow);
  if (ARow == 0 && g.GetOptions().Contains(goColSizing) &&
      (X - r.Left <= kSizingSlack || r.Right - X <= kSizingSlack))
    return;
  // The filter button opens the column's filter list instead.
  if (g.GetFilter(real) && r.Right - X <= kFilterButton) return;
  if (ARow != sort.GetRow() || g.d_->input->Mouse.down.Y != ARow || g.GetFixedRows() == 0 ||
      !sort.GetShow() || g.GetRowCount() <= 2)
    return;
  bool doSort = true;
  if (g.OnCanSort) g.OnCanSort(&g, ACol, doSort);
  if (doSort) SortByHeader(ACol, Shift);
}

// A click on the sort column turns its direction; another column sorts ascending.
void TExtStringGrid::Mouse::SortByHeader(int ACol, TShiftState Shift) {
  TSortSettings& sort = g.SortSettings;
  g.HideInplaceEdit();
  if (sort.AutoColumnMerge) g.UndoColumnMerge();
  const auto start = std::chrono::steady_clock::now();
  if (!sort.GetIndexShow()) {
    if (sort.GetColumn() == ACol) {
      sort.SetDirection(sort.GetDirection() == sdAscending ? sdDescending : sdAscending);
    } else {
      sort.SetColumn(ACol);
      sort.SetDirection(sdAscending);
    }
    g.HasNodes() ? g.QSortGroup() : g.QSort();
  } else {
    SortIndexClick(ACol, Shift);
    g.QSortIndexed();
  }
  const auto spent = std::chrono::steady_clock::now() - start;
  g.d_->sort->LastSortTime =
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(spent).count());
  if (sort.AutoColumnMerge) g.ApplyColumnMerge();
  if (g.OnClickSort) g.OnClickSort(&g, ACol);
}

// Shift adds the column to the sort index list or turns its direction there; a plain click
// sorts by the column alone, turning it when it is already the only one.
void TExtStringGrid::Mouse::SortIndexClick(int ACol, TShiftState Shift) {
  TSortIndexList& indexes = g.SortIndexes;
  const bool listed = indexes.FindIndex(ACol) >= 0;
  if (Shift.Contains(ssShift)) {
    listed ? indexes.ToggleIndex(ACol) : indexes.AddIndex(ACol, true);
  } else if (listed && indexes.Count() == 1) {
    indexes.ToggleIndex(ACol);
  } else {
    indexes.Clear();
    indexes.AddIndex(ACol, true);
  }
}
