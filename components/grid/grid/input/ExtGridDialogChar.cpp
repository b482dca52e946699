// TExtStringGrid: accelerator characters the form offers its controls.
#include "components/grid/grid/ExtGrid.h"

bool TExtStringGrid::CMDialogChar(char Key, TShiftState Shift) {
  return Shift.Contains(ssAlt) && TBaseGrid::CMDialogChar(Key, Shift);
}
