// Something outside a grid that wants to hear of every change of its cells: a registered
// notifier is told the rectangle (in cells, both corners included) that changed. A notifier
// freed while registered leaves the grids it was registered with.
#pragma once

#include "platform/core/component.h"
#include "platform/graphics/geometry.h"

class TGridChangeNotifier : public TComponent {
 public:
  explicit TGridChangeNotifier(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  // The application's: the base does nothing.
  virtual void CellsChanged(TObject* /*Grid*/, const TRect& /*R*/) {}
};
