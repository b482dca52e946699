// Painting over a control that the platform draws itself (an edit, a combo box): at every
// painting of the control the handler gets a canvas over the whole control, after the control
// has painted. Mouse and keys go through to the control beneath.
#pragma once

#include <functional>
#include <memory>

#include "platform/graphics/canvas.h"

class TControl;
class PaintedWidget;
class OverlayTracker;

class TPaintOver {
 public:
  TPaintOver(TControl* control, std::function<void(TCanvas* Canvas)> paint);
  ~TPaintOver();
  TPaintOver(const TPaintOver&) = delete;
  TPaintOver& operator=(const TPaintOver&) = delete;

  void Invalidate();

 private:
  std::unique_ptr<TCanvas> canvas_;
  PaintedWidget* widget_;  // the control's widget owns it
  std::unique_ptr<OverlayTracker> tracker_;
};
