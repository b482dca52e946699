// The pictures of HTML cell text that the grid holds.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/paint/PaintState.h"

THTMLPictureCache* TExtStringGrid::GetPictureCache() { return &d_->paint->PictureCache; }
TPictureContainer* TExtStringGrid::GetPictureContainer() const {
  return d_->paint->PictureContainer.Get();
}

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value) {
  if (Value == GetPictureContainer()) return;
  d_->paint->PictureContainer.Set(Value);
  Invalidate();
}
