// TExtStringGrid: validating the value an edit ends with, and the update lock.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridCheck.h"
#include "components/grid/grid/ExtGridCoreState.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/TextOperations.h"
#include "components/grid/grid/input/Keys.h"
#include "platform/grids/inplace_edit.h"

void TExtStringGrid::InitValidate(int ACol, int ARow) {
  d_->core->ValidateCell = {ACol, ARow};
  d_->core->ValidateValue = GetCellEx(RemapCol(ACol), ARow);
}

bool TExtStringGrid::ValidateCell(const AnsiString& NewValue) {
  if (!EditActive || Validating) return true;
  EditActive = false;
  Validating = true;
  bool valid = true;
  const int col = d_->core->ValidateCell.x;
  const int row = d_->core->ValidateCell.y;
  const int realCol = RemapCol(col);
  if (NewValue != d_->core->ValidateValue || ForceValidation) {
    UpdateCell(col, row);
    TextOperations texts(*this);
    AnsiString value = NewValue;
    if (CellChecker && CellChecker->AutoCorrect)
      value = texts.CheckText(col, row, value, true, false);
    if (OnCellValidate) OnCellValidate(this, col, row, value, valid);
    if (CellChecker && CellChecker->AutoMarkError)
      value = texts.CheckText(col, row, value, false, true);
    CellsChanged({col, row, col, row});
    if (valid) {
      SetCellEx(realCol, row, value);
    } else {
      SetCellEx(realCol, row, value != NewValue ? value : d_->core->ValidateValue);
      Keys(*this).ReopenEditor(col, row);
    }
    d_->core->ValidateValue = GetCellEx(realCol, row);
  }
  Validating = false;
  InitValidate(GetCol(), GetRow());
  return valid;
}

void TExtStringGrid::Keys::ReopenEditor(int ACol, int ARow) {
  if (ACol != g.GetCol()) g.SetCol(ACol);
  if (ARow != g.GetRow()) g.SetRow(ARow);
  g.ShowEditor();
  g.InvalidateEditor();
  g.EditActive = true;
  // A click that left the editor for the grid is refused: the editor takes the focus back.
  TInplaceEdit* inplace = g.GetInplaceEditor();
  if (inplace && inplace->GetVisible() && g.Focused()) inplace->SetFocus();
}

void TExtStringGrid::BeginUpdate() { d_->core->UpdateLock.Begin(); }
void TExtStringGrid::ResetUpdate() { d_->core->UpdateLock.Reset(); }
bool TExtStringGrid::GetLockFlag() const { return d_->core->UpdateLock.Locked(); }

void TExtStringGrid::EndUpdate() {
  if (d_->core->UpdateLock.End()) Invalidate();
}
