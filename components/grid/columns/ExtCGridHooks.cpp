// TExtColumnGrid: the cell hooks answered from the cell's column. Each applies the column's
// rule and then the inherited hook, so cell properties and the grid's events still have the
// last word; only the check texts of a column win over the events.
#include "components/grid/columns/ExtCGrid.h"
#include "platform/graphics/brush.h"

void TExtColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                  TFont* AFont) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && InNormalArea(ACol, ARow)) {
    if (item->GetFixed())
      ABrush->SetColor(GetFixedColor());
    else if (!(item->GetShowBands() && Bands.GetActive()))
      ABrush->SetColor(item->GetColor());
    AFont->Assign(*item->GetFont());
  }
  TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState,
                                       TBrush* ABrush, TFont* AFont) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && InNormalArea(ACol, ARow)) {
    if (item->GetFixed())
      ABrush->SetColor(GetFixedColor());
    else if (!(item->GetShowBands() && Bands.GetActive() && Bands.Print))
      ABrush->SetColor(item->PrintColor);
    AFont->Assign(*item->GetPrintFont());
  }
  TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && IsNormalCell(ACol, ARow)) {
    Borders = item->GetBorders();
    APen->Assign(*item->GetBorderPen());
  }
  TExtStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen,
                                        TCellBorders& Borders) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && IsNormalCell(ACol, ARow)) {
    Borders = item->PrintBorders;
    APen->Assign(*item->GetPrintBorderPen());
  }
  TExtStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (const TGridColumnItem* item = ItemOf(ACol)) HAlign = item->GetAlignment();
  TExtStringGrid::GetCellAlign(ACol, ARow, HAlign, VAlign);
}

void TExtColumnGrid::GetColFormat(int ACol, TSortStyle& AStyle, AnsiString& Prefix,
                                  AnsiString& Suffix) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && ACol >= GetFixedCols()) {
    AStyle = item->SortStyle;
    Prefix = item->SortPrefix;
    Suffix = item->SortSuffix;
  }
  TExtStringGrid::GetColFormat(ACol, AStyle, Prefix, Suffix);
}

void TExtColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && IsNormalCell(ACol, ARow)) AEditor = item->GetEditor();
  TExtStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

TEditLink* TExtColumnGrid::GetCellEditLink(int ACol, int ARow) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && item->EditLink && IsNormalCell(ACol, ARow)) return item->EditLink;
  return TExtStringGrid::GetCellEditLink(ACol, ARow);
}

void TExtColumnGrid::GetCellFixed(int ACol, int ARow, bool& IsFixed) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && IsNormalCell(ACol, ARow)) IsFixed = item->GetFixed();
  TExtStringGrid::GetCellFixed(ACol, ARow, IsFixed);
}

void TExtColumnGrid::GetCellReadOnly(int ACol, int ARow, bool& CanEdit) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && IsNormalCell(ACol, ARow)) CanEdit = !item->ReadOnly && !item->GetFixed();
  TExtStringGrid::GetCellReadOnly(ACol, ARow, CanEdit);
}

void TExtColumnGrid::GetCellPassword(int ACol, int ARow, bool& IsPassword) {
  if (const TGridColumnItem* item = ItemOf(ACol)) IsPassword = item->GetPassword();
  TExtStringGrid::GetCellPassword(ACol, ARow, IsPassword);
}

void TExtColumnGrid::GetCheckTrue(int ACol, int ARow, AnsiString& Value) {
  TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && InNormalArea(ACol, ARow)) Value = item->CheckTrue;
}

void TExtColumnGrid::GetCheckFalse(int ACol, int ARow, AnsiString& Value) {
  TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
  const TGridColumnItem* item = ItemOf(ACol);
  if (item && InNormalArea(ACol, ARow)) Value = item->CheckFalse;
}

bool TExtColumnGrid::GetFilter(int ACol) {
  const TGridColumnItem* item = ItemOf(ACol);
  return item && item->GetFilter()->Count() > 0;
}

namespace {
// Raised to Min, then lowered to Max, where those are above 0.
void Limit(int& Width, int Min, int Max) {
  if (Min > 0 && Width < Min) Width = Min;
  if (Max > 0 && Width > Max) Width = Max;
}
}  // namespace

void TExtColumnGrid::UpdateColSize(int ACol, int& AWidth) {
  if (const TGridColumnItem* item = ItemOf(ACol)) Limit(AWidth, item->MinSize, item->MaxSize);
  TExtStringGrid::UpdateColSize(ACol, AWidth);
}

void TExtColumnGrid::UpdateAutoColSize(int ACol, int& AWidth) {
  if (const TGridColumnItem* item = ItemOf(ACol))
    Limit(AWidth, item->AutoMinSize, item->AutoMaxSize);
  TExtStringGrid::UpdateAutoColSize(ACol, AWidth);
}

void TExtColumnGrid::UpdateColHeaders() {
  // Each header set rebuilds ColumnHeaders from the items.
  TStringList headers;
  headers.Assign(ColumnHeaders);
  for (int i = 0; i < headers.Count() && i < columns_->Count(); ++i)
    columns_->GetItem(i)->SetHeader(headers.Strings(i));
  TExtStringGrid::UpdateColHeaders();
}

int TExtColumnGrid::GetEditLimit() {
  if (GetCol() < GetFixedCols()) return 0;
  const TGridColumnItem* item = ItemOf(RemapCol(GetCol()));
  return item ? item->EditLength : 0;
}

AnsiString TExtColumnGrid::GetEditMask(int ACol, int ARow) {
  const AnsiString mask = TExtStringGrid::GetEditMask(ACol, ARow);
  const TGridColumnItem* item = ItemOf(RemapCol(ACol));
  return mask.empty() && item ? item->EditMask : mask;
}
