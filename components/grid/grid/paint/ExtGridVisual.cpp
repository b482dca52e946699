// TExtStringGrid: how one cell looks before anything is drawn. Each source of a cell's look
// overrides the ones before it: the grid's fonts, the cell's own properties, the grid colour
// and the bands, the fixed look, the colour hooks, and last the selection.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/core/GridUtil.h"

// ACol is a stored column; the fixed columns are counted in shown ones.
bool TExtStringGrid::InNormalArea(int ACol, int ARow) const {
  const int shown = RemapColInv(ACol);
  return IsNormalCell(shown, ARow) && shown < GetColCount() - GetFixedRightCols() &&
         ARow < GetRowCount() - GetFixedFooters();
}

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print,
                                         bool Select, bool Remap, TBrush* ABrush, TFont* AFont,
                                         TAlignment& HAlign, TVAlignment& VAlign,
                                         bool& /*WordWrap*/) {
  if (Print)
    AFont->Assign(*PrintSettings.GetFont());
  else
    AFont->Assign(IsNormalCell(ACol, ARow) ? *GetFont() : *GetFixedFont());
  const int realCol = Remap ? RemapCol(ACol) : ACol;

  ABrush->SetColor(clNone);
  if (const TCellProperties* props = FindCellProperties(realCol, ARow))
    props->ApplyLook(*ABrush, *AFont);
  if (ABrush->GetColor() == clNone) {
    ABrush->SetColor(GetColor());
    ApplyBands(realCol, ARow, Print, ABrush);
  }

  if (!Print && IsFixed(ACol, ARow)) {
    ABrush->SetColor(GetFixedColor());
    AFont->SetColor(GetFixedFont()->GetColor());
    AState << gdFixed;
  }
  if (Print)
    GetCellPrintColor(realCol, ARow, AState, ABrush, AFont);
  else
    GetCellColor(realCol, ARow, AState, ABrush, AFont);

  // The selection and the disjunct cells are in shown columns.
  ApplySelection(Remap ? ACol : RemapColInv(ACol), ARow, AState, Select && !Print, ABrush, AFont);
  const TCellAlignment alignment = GetCellAlignment(realCol, ARow);
  HAlign = alignment.HAlign;
  VAlign = alignment.VAlign;
}

// Bands count from the first normal row. Lengths that add up to nothing make no bands.
void TExtStringGrid::ApplyBands(int ACol, int ARow, bool Print, TBrush* ABrush) {
  if (!Bands.GetActive() || (Print && !Bands.Print) || !InNormalArea(ACol, ARow)) return;
  const int primary = Bands.GetPrimaryLength();
  const int64_t period = int64_t{primary} + Bands.GetSecondaryLength();
  if (period < 1) return;
  const int64_t n = (ARow - GetFixedRows()) % period;
  ABrush->SetColor(n < primary ? Bands.GetPrimaryColor() : Bands.GetSecondaryColor());
}

// Select: the grid's own selection shows (a screen painting passes false and leaves it to
// the text step); the disjunct cells and a running row-select drag show in every case.
void TExtStringGrid::ApplySelection(int ACol, int ARow, TGridDrawState& AState, bool Select,
                                    TBrush* ABrush, TFont* AFont) {
  const bool fixed = AState.Contains(gdFixed);
  bool selected = false;
  if (Select && GetShowSelection() && MouseActions.DisjunctRowSelect && IsNormalCell(ACol, ARow) &&
      !fixed) {
    const bool listed = GetRowSelect(ARow);
    bool rowSelected = listed;
    if (RowSelectDragging)
      rowSelected = ARow != GetRow() ? listed || AState.Contains(gdSelected)
                                     : !listed && AState.Contains(gdSelected);
    if (rowSelected) {
      AState = TGridDrawState{gdSelected};
      selected = true;
    }
  } else if (Select && GetShowSelection() && !MouseActions.DisjunctRowSelect && !fixed &&
             IsSelected(ACol, ARow)) {
    AState << gdSelected;
    selected = true;
  }
  if (RowSelectDragging && AState.Contains(gdSelected)) selected = true;
  if (MouseActions.DisjunctCellSelect && GetSelectedCells(ACol, ARow)) {
    AState << gdSelected;
    selected = true;
  }
  if (!selected) return;
  ABrush->SetColor(GetSelectionColor());
  AFont->SetColor(GetSelectionTextColor());
}

TExtStringGrid::TCellAlignment TExtStringGrid::GetCellAlignment(int ACol, int ARow) {
  TCellAlignment result{taLeftJustify, GetVAlignment()};
  if (AutoNumAlign) {
    AnsiString text = GetCellEx(ACol, ARow);
    if (!text.empty() && text[0] == '=') text = CalcCell(ACol, ARow);
    const TAutoType type = IsType(text);
    if (type == atNumeric || type == atFloat) result.HAlign = taRightJustify;
  }
  if (const TCellProperties* props = FindCellProperties(ACol, ARow))
    result.HAlign = props->Alignment;
  GetCellAlign(ACol, ARow, result.HAlign, result.VAlign);
  return result;
}
