#include "components/grid/core/CellProperties.h"

#include "components/grid/core/CellGraphic.h"
#include "components/grid/core/CellPropertyGrid.h"

TCellProperties::TCellProperties(TCellPropertyGrid* AGrid, int ACol, int ARow)
    : OwnerCol(ACol), OwnerRow(ARow), grid_(AGrid) {}

TCellProperties::~TCellProperties() { delete Graphic; }

void TCellProperties::Assign(const TCellProperties& Source) {
  if (&Source == this) return;
  BrushStyle = Source.BrushStyle;
  brushColor_ = Source.brushColor_;
  FontSize = Source.FontSize;
  FontColor = Source.FontColor;
  FontStyle = Source.FontStyle;
  CellSpanY = Source.CellSpanY;
  CellSpanX = Source.CellSpanX;
  BorderWidth = Source.BorderWidth;
  BorderColor = Source.BorderColor;
  Alignment = Source.Alignment;
  vAlignment_ = Source.vAlignment_;
  wordWrap_ = Source.wordWrap_;
  IsBaseCell = Source.IsBaseCell;
  NodeLevel = Source.NodeLevel;
  Editor = Source.Editor;
  FontName = Source.FontName;
  ReadOnly = Source.ReadOnly;
}

void TCellProperties::ApplyLook(TBrush& Brush, TFont& Font) const {
  if (brushColor_ != clNone) Brush.SetColor(brushColor_);
  if (FontColor != clNone) Font.SetColor(FontColor);
  if (!FontStyle.Empty()) Font.SetStyle(FontStyle);
  if (FontSize != 0) Font.SetSize(FontSize);
  if (!FontName.empty()) Font.SetName(FontName);
}

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const {
  if (IsBaseCell || CellSpanX == -1 || CellSpanY == -1) return {ACol, ARow};
  // A distance that points forward or off the grid's edge is not a block of this grid.
  if (CellSpanX < 0 || CellSpanY < 0 || CellSpanX > ACol || CellSpanY > ARow) return {ACol, ARow};
  return {ACol - CellSpanX, ARow - CellSpanY};
}

void TCellProperties::SetBrushColor(TColor Value) {
  brushColor_ = Value;
  RepaintOwner();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  vAlignment_ = Value;
  RepaintOwner();
}

void TCellProperties::SetWordWrap(bool Value) {
  wordWrap_ = Value;
  RepaintOwner();
}

void TCellProperties::Release(TCellProperties* Props) {
  if (Props && --Props->holders_ <= 0) delete Props;
}

void TCellProperties::RepaintOwner() {
  if (grid_) grid_->RepaintStoredCell(OwnerCol, OwnerRow);
}
