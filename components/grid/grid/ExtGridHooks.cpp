// TExtStringGrid: the virtual cell hooks. Each applies the grid's own rule and then lets the
// user's event change the result; derived grids answer them from their columns.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridCoreState.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/ExtGridVersion.h"

void TExtStringGrid::GetCellHint(int ACol, int ARow, AnsiString& Hint) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
}

void TExtStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                  TFont* AFont) {
  if (GetActiveCellShow()) {
    const bool rowHeader = GetFixedCols() > 0 && ACol == 0 && ARow == GetRow();
    const bool colHeader = GetFixedRows() > 0 && ARow == 0 && ACol == RemapCol(GetCol());
    if (rowHeader || colHeader) {
      AFont->Assign(*GetActiveCellFont());
      ABrush->SetColor(GetActiveCellColor());
    }
  }
  if (const TCellProperties* props = FindCellProperties(ACol, ARow))
    props->ApplyLook(*ABrush, *AFont);
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetColFormat(int ACol, TSortStyle& AStyle, AnsiString& Prefix,
                                  AnsiString& Suffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, Prefix, Suffix);
}

void TExtStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetCellFixed(int ACol, int ARow, bool& IsFixed) {
  IsFixed = IsFixed || (FixedRowAlways && ARow == 0 && GetRowCount() == 1) ||
            (FixedColAlways && ACol == 0 && GetColCount() == 1) || ACol < GetFixedCols() ||
            ARow < GetFixedRows();
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

// Footer rows and right fixed columns are fixed by the grid's shape, whatever the hooks say;
// a merged block counts by its base cell, at its real column.
bool TExtStringGrid::IsFixed(int ACol, int ARow) {
  const TPoint base = BaseCell(RemapCol(ACol), ARow);
  if (base.y >= GetRowCount() - GetFixedFooters() ||
      base.x >= GetColCount() - GetFixedRightCols() + NumHiddenColumns())
    return true;
  bool fixed = false;
  GetCellFixed(ACol, ARow, fixed);
  return fixed;
}

void TExtStringGrid::GetCellReadOnly(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtStringGrid::GetCellPassword(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, AnsiString& Value) {
  Value = CheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, AnsiString& Value) {
  Value = CheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

void TExtStringGrid::CellsChanged(TRect R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  // A notifier told may unregister or free itself or another: only those still registered
  // are told.
  const std::vector<TGridChangeNotifier*> notifiers = d_->core->Notifiers;
  for (TGridChangeNotifier* notifier : notifiers)
    if (std::find(d_->core->Notifiers.begin(), d_->core->Notifiers.end(), notifier) !=
        d_->core->Notifiers.end())
      notifier->CellsChanged(this, R);
  CalcFooter(-1);
}

uint32_t TExtStringGrid::GetVersionNr() { return kExtGridVersionNr; }

AnsiString TExtStringGrid::GetVersionString() { return ExtGridVersionString(GetVersionNr()); }
