// The base of fonts, pens and brushes: an object that tells its owner when it changes.
#pragma once

#include <functional>

#include "platform/object.h"

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TGraphicsObject : public TObject {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};
