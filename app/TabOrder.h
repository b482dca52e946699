// The keyboard's way through a window: Tab follows the reading order a window gives, which
// need not be the order its controls were made in.
#pragma once

#include <map>
#include <vector>

#include "platform/controls/wincontrol.h"
#include "platform/stdctrls/edit.h"

// Each control goes after the one before it of the same parent, at the front of its parent's
// tab order; controls not named follow them as they were.
inline void SetTabOrders(const std::vector<TWinControl*>& controls) {
  std::map<TWinControl*, int> next;
  for (TWinControl* control : controls) control->SetTabOrder(next[control->GetParent()]++);
}

// A field that only shows what the window works out: the user reads it but does not stop on
// it.
inline void ShowOnly(TCustomEdit* field) {
  field->SetReadOnly(true);
  field->SetTabStop(false);
}
