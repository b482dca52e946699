// TExtStringGrid: the look settings it keeps for its painting code, read and set; a change
// repaints.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/paint/PaintState.h"

TFont* TExtStringGrid::GetFixedFont() const { return d_->paint->FixedFont.get(); }
void TExtStringGrid::SetFixedFont(const TFont* Value) { d_->paint->FixedFont->Assign(*Value); }
TFont* TExtStringGrid::GetActiveCellFont() const { return d_->paint->ActiveCellFont.get(); }
void TExtStringGrid::SetActiveCellFont(const TFont* Value) {
  d_->paint->ActiveCellFont->Assign(*Value);
}

TBitmap* TExtStringGrid::GetRowIndicator() const { return d_->paint->RowIndicator.get(); }
void TExtStringGrid::SetRowIndicator(const TBitmap* Value) {
  d_->paint->RowIndicator->Assign(Value);
  RepaintCell(0, GetRow());
}

bool TExtStringGrid::GetActiveCellShow() const { return d_->paint->ActiveCellShow; }
void TExtStringGrid::SetActiveCellShow(bool Value) { Restyle(d_->paint->ActiveCellShow, Value); }
TColor TExtStringGrid::GetActiveCellColor() const { return d_->paint->ActiveCellColor; }
void TExtStringGrid::SetActiveCellColor(TColor Value) {
  Restyle(d_->paint->ActiveCellColor, Value);
}
TPoint TExtStringGrid::GetXYOffset() const { return d_->paint->XYOffset; }
void TExtStringGrid::SetXYOffset(TPoint Value) { Restyle(d_->paint->XYOffset, Value); }
TColor TExtStringGrid::GetSelectionColor() const { return d_->paint->SelectionColor; }
void TExtStringGrid::SetSelectionColor(TColor Value) { Restyle(d_->paint->SelectionColor, Value); }
TColor TExtStringGrid::GetSelectionTextColor() const { return d_->paint->SelectionTextColor; }
void TExtStringGrid::SetSelectionTextColor(TColor Value) {
  Restyle(d_->paint->SelectionTextColor, Value);
}
bool TExtStringGrid::GetShowSelection() const { return d_->paint->ShowSelection; }
void TExtStringGrid::SetShowSelection(bool Value) { Restyle(d_->paint->ShowSelection, Value); }

TVAlignment TExtStringGrid::GetVAlignment() const { return d_->paint->VAlignment; }
void TExtStringGrid::SetVAlignment(TVAlignment Value) {
  d_->paint->VAlignment = Value;
  if (!GetLockFlag()) Invalidate();
}

TColor TExtStringGrid::GetOrvikGradFrom() const { return d_->paint->OrvikGradFrom; }
void TExtStringGrid::SetOrvikGradFrom(TColor Value) { Restyle(d_->paint->OrvikGradFrom, Value); }
TColor TExtStringGrid::GetOrvikGradTo() const { return d_->paint->OrvikGradTo; }
void TExtStringGrid::SetOrvikGradTo(TColor Value) { Restyle(d_->paint->OrvikGradTo, Value); }

TImageList* TExtStringGrid::GetGridImages() const { return d_->paint->GridImages; }
void TExtStringGrid::SetImages(TImageList* Value) { Restyle(d_->paint->GridImages, Value); }
