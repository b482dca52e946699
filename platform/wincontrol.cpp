#include "platform/wincontrol.h"

TWinControl::~TWinControl() {
  // Children go before this control's widget, which would otherwise take theirs along.
  while (!controls_.empty()) delete controls_.back();
}

void TWinControl::FontChanged() {
  for (TControl* child : controls_)
    if (child->parentFont_) child->ApplyFont(GetFont(), false);
}
