// A control that holds other controls: its children are placed on it and freed with it.
#pragma once

#include <vector>

#include "platform/control.h"

class TWinControl : public TControl {
 public:
  ~TWinControl() override;

  int GetControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* GetControl(int index) const { return controls_.at(index); }

 protected:
  using TControl::TControl;
  void FontChanged() override;

 private:
  friend class TControl;  // SetParent keeps the list
  std::vector<TControl*> controls_;
};
