// The pictures of HTML cell text that the grid holds.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/paint/PaintState.h"

THTMLPictureCache* TExtStringGrid::GetPictureCache() { return &paint_->PictureCache; }
TPictureContainer* TExtStringGrid::GetPictureContainer() const {
  return paint_->PictureContainer.Get();
}

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value) {
  if (Value == GetPictureContainer()) return;
  paint_->PictureContainer.Set(Value);
  Invalidate();
}
