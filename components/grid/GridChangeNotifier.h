// Something outside a grid that wants to hear of every change of its cells: a registered
// notifier is told the rectangle (in cells, both corners included) that changed.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/core/object.h"

class TGridChangeNotifier : public TObject {
 public:
  virtual void CellsChanged(TObject* Grid, const TRect& R) = 0;
};
