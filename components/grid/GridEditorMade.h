// The grid makes each editor control once, hidden, at the first edit that needs it; the edit
// ends when the focus leaves the control.
#pragma once

#include "components/grid/ExtGrid.h"

template <typename Control>
Control* MadeEditor(Control*& Slot, TExtStringGrid* Grid) {
  if (!Slot) {
    Slot = new Control(Grid);
    Slot->SetVisible(false);
    Slot->SetParent(Grid);
    Slot->OnExit = [Grid](TObject*) { Grid->HideInplaceEdit(); };
  }
  return Slot;
}
