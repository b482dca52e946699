// The pictures of HTML cell text that the grid holds.
#include "components/grid/grid/ExtGrid.h"

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value) {
  if (Value == GetPictureContainer()) return;
  pictureContainer_.Set(Value);
  Invalidate();
}
