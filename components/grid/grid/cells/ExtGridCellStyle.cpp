// TExtStringGrid: the colours, fonts and alignment of single cells, kept in their
// properties objects.
#include "components/grid/grid/ExtGrid.h"

namespace {

template <typename T>
T Field(const TCellProperties* props, T TCellProperties::*field, T none) {
  return props ? props->*field : none;
}

template <typename Change>
void StyleCell(TExtStringGrid& Grid, int ACol, int ARow, Change change) {
  change(*Grid.GetCellProperties(ACol, ARow));
  Grid.RepaintCell(Grid.RemapColInv(ACol), ARow);
}

}  // namespace

TColor TExtStringGrid::GetColors(int ACol, int ARow) const {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  return props ? props->GetBrushColor() : clNone;
}

void TExtStringGrid::SetColors(int ACol, int ARow, TColor Value) {
  StyleCell(*this, ACol, ARow, [Value](TCellProperties& p) { p.SetBrushColor(Value); });
}

TColor TExtStringGrid::GetFontColors(int ACol, int ARow) const {
  return Field(FindCellProperties(ACol, ARow), &TCellProperties::FontColor, clNone);
}

void TExtStringGrid::SetFontColors(int ACol, int ARow, TColor Value) {
  StyleCell(*this, ACol, ARow, [Value](TCellProperties& p) { p.FontColor = Value; });
}

TFontStyles TExtStringGrid::GetFontStyles(int ACol, int ARow) const {
  return Field(FindCellProperties(ACol, ARow), &TCellProperties::FontStyle, TFontStyles());
}

void TExtStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value) {
  StyleCell(*this, ACol, ARow, [Value](TCellProperties& p) { p.FontStyle = Value; });
}

int TExtStringGrid::GetFontSizes(int ACol, int ARow) const {
  return Field(FindCellProperties(ACol, ARow), &TCellProperties::FontSize, 0);
}

void TExtStringGrid::SetFontSizes(int ACol, int ARow, int Value) {
  StyleCell(*this, ACol, ARow, [Value](TCellProperties& p) { p.FontSize = Value; });
}

AnsiString TExtStringGrid::GetFontNames(int ACol, int ARow) const {
  return Field(FindCellProperties(ACol, ARow), &TCellProperties::FontName, AnsiString());
}

void TExtStringGrid::SetFontNames(int ACol, int ARow, const AnsiString& Value) {
  StyleCell(*this, ACol, ARow, [&Value](TCellProperties& p) { p.FontName = Value; });
}

TAlignment TExtStringGrid::GetAlignments(int ACol, int ARow) const {
  return Field(FindCellProperties(ACol, ARow), &TCellProperties::Alignment, taLeftJustify);
}

void TExtStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value) {
  StyleCell(*this, ACol, ARow, [Value](TCellProperties& p) { p.Alignment = Value; });
}
