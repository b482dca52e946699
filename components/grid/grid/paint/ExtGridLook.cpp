// TExtStringGrid: the look settings it keeps for its painting code, read and set; a change
// repaints.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/paint/PaintState.h"

TFont* TExtStringGrid::GetFixedFont() const { return paint_->FixedFont.get(); }
void TExtStringGrid::SetFixedFont(const TFont* Value) { paint_->FixedFont->Assign(*Value); }
TFont* TExtStringGrid::GetActiveCellFont() const { return paint_->ActiveCellFont.get(); }
void TExtStringGrid::SetActiveCellFont(const TFont* Value) {
  paint_->ActiveCellFont->Assign(*Value);
}

TBitmap* TExtStringGrid::GetRowIndicator() const { return paint_->RowIndicator.get(); }
void TExtStringGrid::SetRowIndicator(const TBitmap* Value) {
  paint_->RowIndicator->Assign(Value);
  RepaintCell(0, GetRow());
}

bool TExtStringGrid::GetActiveCellShow() const { return paint_->ActiveCellShow; }
void TExtStringGrid::SetActiveCellShow(bool Value) { Restyle(paint_->ActiveCellShow, Value); }
TColor TExtStringGrid::GetActiveCellColor() const { return paint_->ActiveCellColor; }
void TExtStringGrid::SetActiveCellColor(TColor Value) { Restyle(paint_->ActiveCellColor, Value); }
TPoint TExtStringGrid::GetXYOffset() const { return paint_->XYOffset; }
void TExtStringGrid::SetXYOffset(TPoint Value) { Restyle(paint_->XYOffset, Value); }
TColor TExtStringGrid::GetSelectionColor() const { return paint_->SelectionColor; }
void TExtStringGrid::SetSelectionColor(TColor Value) { Restyle(paint_->SelectionColor, Value); }
TColor TExtStringGrid::GetSelectionTextColor() const { return paint_->SelectionTextColor; }
void TExtStringGrid::SetSelectionTextColor(TColor Value) {
  Restyle(paint_->SelectionTextColor, Value);
}
bool TExtStringGrid::GetShowSelection() const { return paint_->ShowSelection; }
void TExtStringGrid::SetShowSelection(bool Value) { Restyle(paint_->ShowSelection, Value); }

TVAlignment TExtStringGrid::GetVAlignment() const { return paint_->VAlignment; }
void TExtStringGrid::SetVAlignment(TVAlignment Value) {
  paint_->VAlignment = Value;
  if (!GetLockFlag()) Invalidate();
}

TColor TExtStringGrid::GetOrvikGradFrom() const { return paint_->OrvikGradFrom; }
void TExtStringGrid::SetOrvikGradFrom(TColor Value) { Restyle(paint_->OrvikGradFrom, Value); }
TColor TExtStringGrid::GetOrvikGradTo() const { return paint_->OrvikGradTo; }
void TExtStringGrid::SetOrvikGradTo(TColor Value) { Restyle(paint_->OrvikGradTo, Value); }

TImageList* TExtStringGrid::GetGridImages() const { return paint_->GridImages; }
void TExtStringGrid::SetImages(TImageList* Value) { Restyle(paint_->GridImages, Value); }
