// TExtStringGrid: how one cell looks before anything is drawn. Each source of a cell's look
// overrides the ones before it: the grid's fonts, the cell's own properties, the grid colour
// and the bands, the fixed look, the colour hooks, and last the selection.
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/paint/Painting.h"

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
  Painting paint(*this);

  ABrush->SetColor(clNone);
  if (const TCellProperties* props = FindCellProperties(realCol, ARow))
    props->ApplyLook(*ABrush, *AFont);
  if (ABrush->GetColor() == clNone) {
    ABrush->SetColor(GetColor());
    paint.ApplyBands(realCol, ARow, Print, ABrush);
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
  paint.ApplySelection(Remap ? ACol : RemapColInv(ACol), ARow, AState, Select && !Print, ABrush,
                       AFont);
  const TCellAlignment alignment = GetCellAlignment(realCol, ARow);
  HAlign = alignment.HAlign;
  VAlign = alignment.VAlign;
}

// Bands count from the first normal row. Lengths that add up to nothing make no bands.
void TExtStringGrid::Painting::ApplyBands(int ACol, int ARow, bool Print, TBrush* ABrush) {
  if (!g.Bands.GetActive() || (Print && !g.Bands.Print) || !g.InNormalArea(ACol, ARow)) return;
  const int primary = g.Bands.GetPrimaryLength();
  const int64_t period = int64_t{primary} + g.Bands.GetSecondaryLength();
  if (period < 1) return;
  const int64_t n = (ARow - g.GetFixedRows()) % period;
  ABrush->SetColor(n < primary ? g.Bands.GetPrimaryColor() : g.Bands.GetSecondaryColor());
}

// Select: the grid's own selection shows (a screen painting passes false and leaves it to
// the text step); the disjunct cells and a running row-select drag show in every case.
void TExtStringGrid::Painting::ApplySelection(int ACol, int ARow, TGridDrawState& AState,
                                              bool Select, TBrush* ABrush, TFont* AFont) {
  const bool fixed = AState.Contains(gdFixed);
  bool selected = false;
  if (Select && g.GetShowSelection() && g.MouseActions.DisjunctRowSelect &&
      g.IsNormalCell(ACol, ARow) && !fixed) {
    const bool listed = g.GetRowSelect(ARow);
    bool rowSelected = listed;
    if (g.RowSelectDragging)
      rowSelected = ARow != g.GetRow() ? listed || AState.Contains(gdSelected)
                                       : !listed && AState.Contains(gdSelected);
    if (rowSelected) {
      AState = TGridDrawState{gdSelected};
      selected = true;
    }
  } else if (Select && g.GetShowSelection() && !g.MouseActions.DisjunctRowSelect && !fixed &&
             g.IsSelected(ACol, ARow)) {
    AState << gdSelected;
    selected = true;
  }
  if (g.RowSelectDragging && AState.Contains(gdSelected)) selected = true;
  if (g.MouseActions.DisjunctCellSelect && g.GetSelectedCells(ACol, ARow)) {
    AState << gdSelected;
    selected = true;
  }
  if (!selected) return;
  ABrush->SetColor(g.GetSelectionColor());
  AFont->SetColor(g.GetSelectionTextColor());
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
