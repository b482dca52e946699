// The grid makes each editor control once, hidden, at the first edit that needs it (the
// control ends the edit when the focus leaves it).
#pragma once

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditorControls.h"

template <typename Control>
Control* MadeEditor(Control*& Slot, TExtStringGrid* Grid) {
  if (!Slot) {
    Slot = new Control(Grid);
    Slot->SetVisible(false);
    Slot->SetParent(Grid);
  }
  return Slot;
}
