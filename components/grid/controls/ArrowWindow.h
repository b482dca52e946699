// Small arrow-shaped windows that mark where a dragged column or row will land. Each is a
// window of its own, shaped by a polygon, placed in screen coordinates; the direction names the
// side of the target the arrow sits on (arrUp sits above it and points down).
#pragma once

#include "platform/stdctrls/panel.h"

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public TPanel {
 public:
  TArrowWindow(TComponent* AOwner, TArrowDirection Direction);

  TArrowDirection GetDirection() const { return direction_; }

 protected:
  void VisibleChanged() override;

 private:
  TArrowDirection direction_;
};
