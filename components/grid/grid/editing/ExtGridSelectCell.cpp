// TExtStringGrid: whether the current cell may move to a cell, and the per-cell editing
// switch: goEditing is parked off while the current cell may not be edited.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "platform/grids/inplace_edit.h"

// The floating footer covers the bottom of the grid: a cell under it scrolls up into view,
// and the last row a fixed-last-row footer shows is no cell to select.
bool TExtStringGrid::FooterLetsSelect(int ACol, int ARow) {
  if (!FloatingFooter.GetVisible() || ARow >= GetRowCount()) return true;
  const bool lastRow = FloatingFooter.GetFooterStyle() == fsFixedLastRow;
  if (!lastRow) FloatingFooter.Invalidate();
  if (lastRow && ARow == GetRowCount() - 1) return false;
  const bool covered =
      GetCellRect(ACol, ARow).Bottom > GetClientHeight() - FloatingFooter.GetHeight() + 2;
  if (covered && (!lastRow || ARow < GetRowCount() - 2)) SetTopRow(GetTopRow() + 1);
  return true;
}

bool TExtStringGrid::SelectCell(int ACol, int ARow) {
  const int oldCol = GetCol(), oldRow = GetRow();
  if (!FooterLetsSelect(ACol, ARow)) return false;
  bool allow = true;
  if (ACol < GetColCount() && ARow < GetRowCount()) {
    if (ARow != oldRow && OnRowChanging) OnRowChanging(this, oldRow, ARow, allow);
    if (ACol != oldCol && OnColChanging) OnColChanging(this, oldCol, ACol, allow);
    // AdvanceEdit asks once for its whole move, before its column and row steps.
    if ((ARow != oldRow || ACol != oldCol) && !GetLockFlag() && !Navigating && OnCellChanging)
      OnCellChanging(this, oldRow, oldCol, ARow, ACol, allow);
  }
  if (ACol == 0 && HasNodes() && !GetOptions().Contains(goRowSelect)) allow = false;
  if (!allow) return false;

  const TPoint base = BaseCell(RemapCol(ACol), ARow);
  if (!HasStaticEdit(base.x, base.y)) {
    const bool editing = GetOptions().Contains(goEditing);
    bool canEdit = editing || d_->edit->Parked;
    GetCellReadOnly(ACol, ARow, canEdit);
    if (canEdit) {
      d_->edit->Parked = false;
      if (!editing) {
        InitValidate(ACol, ARow);
        SetOptions(GetOptions() + goEditing);
        if (d_->edit->Shown) HideInplaceEdit();
      }
    } else if (editing) {
      d_->edit->Parked = true;
      SetOptions(GetOptions() - goEditing);
    }
  }

  // An edit still open must take its value before the cell moves: the inplace edit's leaving
  // keys validated it already, a click or a control's edit did not.
  const bool moves = ACol != oldCol || ARow != oldRow;
  if (moves && std::exchange(d_->edit->LeaveRefused, false)) {
    if (d_->edit->Shown && d_->editors->Shown && d_->editors->Shown->CanFocus())
      d_->editors->Shown->SetFocus();
    return false;
  }
  if (moves && EditActive && !ValidateCell(GetCellEx(RemapCol(oldCol), oldRow))) return false;
  TInplaceEdit* inplace = GetInplaceEditor();
  const bool inplaceFocused = inplace && inplace->Focused();
  if ((!d_->edit->Shown || inplaceFocused) && IsFixed(ACol, ARow)) return false;
  if (!TBaseGrid::SelectCell(ACol, ARow)) return false;

  if (GetRowIndicator() && !GetRowIndicator()->GetEmpty() && GetFixedCols() > 0) {
    RepaintCell(0, oldRow);
    RepaintCell(0, ARow);
  }
  if (GetActiveCellShow()) {
    RepaintCell(oldCol, 0);
    RepaintCell(ACol, 0);
    RepaintCell(0, oldRow);
    RepaintCell(0, ARow);
  }
  d_->edit->Cache = GetCellEx(RemapCol(ACol), ARow);
  return true;
}
