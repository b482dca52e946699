// TExtStringGrid: bringing a cell into view, hiding the selection, the cells the exports save,
// and look settings that act when set.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridCoreState.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"
#include "platform/grids/inplace_edit.h"

void TExtStringGrid::ScrollInView(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= GetColCount() || ARow >= GetRowCount()) return;
  int left = GetLeftCol();
  int top = GetTopRow();
  const int columns = GetVisibleColCount();
  const int rows = GetVisibleRowCount();
  if (ACol < left || ACol >= left + columns) {
    SetCol(ACol);
    left = std::max(ACol - columns / 2, GetFixedCols());
  }
  if (ARow < top || ARow >= top + rows) {
    SetRow(ARow);
    top = std::max(ARow - rows / 2, GetFixedRows());
  }
  SetLeftCol(std::min(left, GetColCount() - columns + 1));
  SetTopRow(std::min(top, GetRowCount() - rows + 1));
}

void TExtStringGrid::HideSelection() {
  d_->lines->HiddenSelection = GetSelection();
  SetSelection({GetColCount(), GetRowCount(), GetColCount(), GetRowCount()});
}

void TExtStringGrid::UnHideSelection() { SetSelection(d_->lines->HiddenSelection); }

int TExtStringGrid::GetSaveStartCol() const { return SaveFixedCells ? 0 : GetFixedCols(); }

int TExtStringGrid::GetSaveStartRow() const { return SaveFixedCells ? 0 : GetFixedRows(); }

int TExtStringGrid::GetSaveEndCol() const {
  return GetColCount() - 1 - (SaveFixedCells ? 0 : d_->lines->FixedRightCols);
}

int TExtStringGrid::GetSaveEndRow() const {
  return GetRowCount() - 1 - (SaveFixedCells ? 0 : d_->lines->FixedFooters);
}

int TExtStringGrid::GetMaxEditLength() const { return d_->core->MaxEditLength; }
void TExtStringGrid::SetMaxEditLength(int Value) {
  d_->core->MaxEditLength = Value;
  if (TInplaceEdit* editor = GetInplaceEditor()) editor->SetMaxLength(Value);
}

void TExtStringGrid::SetAutoSize(bool Value) {
  AutoSize = Value;
  if (Value) AutoSizeColumns(false, 10);
}

void TExtStringGrid::SetFlat(bool Value) {
  Flat = Value;
  if (!GetComponentState().Contains(csLoading)) Invalidate();
}
