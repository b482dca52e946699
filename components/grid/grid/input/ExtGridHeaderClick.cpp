// A release on a header cell: the check box and radio release events, then the sort by the
// clicked column.
#include <chrono>
#include <utility>

#include "components/grid/core/SortState.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/input/InputState.h"

namespace {
constexpr int kSizingSlack = 3;   // pixels beside a header border that size the column
constexpr int kFilterButton = 16;  // the filter button at a header's right edge
}  // namespace

void TExtStringGrid::HeaderRelease(int ACol, int ARow, int X, TShiftState Shift) {
  // Only the release right after the double click is no sort click.
  const bool dblSized = std::exchange(input_->Mouse.dblSized, false);
  if (input_->Mouse.moved || ACol < 0 || ARow < 0) return;
  if (ACol < GetFixedCols() && !SortSettings.FixedCols) return;
  const int real = RemapCol(ACol);
  if (bool state = false; HasCheckBox(real, ARow) && GetCheckBoxState(real, ARow, state)) {
    if (OnCheckBoxMouseUp) OnCheckBoxMouseUp(this, ACol, ARow, state);
  } else if (int index = -1; IsRadio(real, ARow) && GetRadioIdx(real, ARow, index)) {
    if (OnRadioMouseUp) OnRadioMouseUp(this, ACol, ARow, index);
  }
  if (dblSized) return;
  const TRect r = CellRect(ACol, ARow);
  if (ARow == 0 && GetOptions().Contains(goColSizing) &&
      (X - r.Left <= kSizingSlack || r.Right - X <= kSizingSlack))
    return;
  // The filter button opens the column's filter list instead.
  if (GetFilter(real) && r.Right - X <= kFilterButton) return;
  if (ARow != SortSettings.GetRow() || input_->Mouse.down.Y != ARow || GetFixedRows() == 0 ||
      !SortSettings.GetShow() || GetRowCount() <= 2)
    return;
  bool doSort = true;
  if (OnCanSort) OnCanSort(this, ACol, doSort);
  if (doSort) SortByHeader(ACol, Shift);
}

// A click on the sort column turns its direction; another column sorts ascending.
void TExtStringGrid::SortByHeader(int ACol, TShiftState Shift) {
  HideInplaceEdit();
  if (SortSettings.AutoColumnMerge) UndoColumnMerge();
  const auto start = std::chrono::steady_clock::now();
  if (!SortSettings.GetIndexShow()) {
    if (SortSettings.GetColumn() == ACol) {
      SortSettings.SetDirection(SortSettings.GetDirection() == sdAscending ? sdDescending
                                                                            : sdAscending);
    } else {
      SortSettings.SetColumn(ACol);
      SortSettings.SetDirection(sdAscending);
    }
    HasNodes() ? QSortGroup() : QSort();
  } else {
    SortIndexClick(ACol, Shift);
    QSortIndexed();
  }
  const auto spent = std::chrono::steady_clock::now() - start;
  sort_->LastSortTime =
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(spent).count());
  if (SortSettings.AutoColumnMerge) ApplyColumnMerge();
  if (OnClickSort) OnClickSort(this, ACol);
}

// Shift adds the column to the sort index list or turns its direction there; a plain click
// sorts by the column alone, turning it when it is already the only one.
void TExtStringGrid::SortIndexClick(int ACol, TShiftState Shift) {
  const bool listed = SortIndexes.FindIndex(ACol) >= 0;
  if (Shift.Contains(ssShift)) {
    listed ? SortIndexes.ToggleIndex(ACol) : SortIndexes.AddIndex(ACol, true);
  } else if (listed && SortIndexes.Count() == 1) {
    SortIndexes.ToggleIndex(ACol);
  } else {
    SortIndexes.Clear();
    SortIndexes.AddIndex(ACol, true);
  }
}
