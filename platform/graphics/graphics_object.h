// The base of fonts, pens and brushes: an object that tells its owner when it changes.
#pragma once

#include "platform/core/notify_event.h"

class TGraphicsObject : public TObject {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};
