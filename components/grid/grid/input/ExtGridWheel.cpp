// TExtStringGrid: the mouse wheel: with Ctrl (and IntelliZoom) it zooms, otherwise each notch
// moves the current row by the wheel's lines, once, within the navigable rows.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/UpdateScope.h"

// A notch the grid moves by itself still reaches the OnMouseWheelDown (Up) event.
bool TExtStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (!WheelStep(WheelLines, Shift)) return TBaseGrid::DoMouseWheelDown(Shift, MousePos);
  TControl::DoMouseWheelDown(Shift, MousePos);
  return true;
}

bool TExtStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (!WheelStep(-WheelLines, Shift)) return TBaseGrid::DoMouseWheelUp(Shift, MousePos);
  TControl::DoMouseWheelUp(Shift, MousePos);
  return true;
}

// True when the notch is used up here; the base grid's own step runs only without
// EnableWheel, so a notch never moves twice.
bool TExtStringGrid::WheelStep(int Lines, TShiftState Shift) {
  if (GetPanning()) return true;
  if (Shift.Contains(ssCtrl) && IntelliZoom) {
    Zoom(Lines);
    return true;
  }
  if (!EnableWheel) {
    if (!(GetOptions().Contains(goRowSelect) && Navigation.KeepHorizScroll)) return false;
    const int left = GetLeftCol();
    {
      TUpdateScope lock(*this);
      Lines > 0 ? TBaseGrid::DoMouseWheelDown({}, {}) : TBaseGrid::DoMouseWheelUp({}, {});
    }
    SetLeftCol(left);
    return true;
  }
  if (FixedRowAlways && GetRowCount() == 1) return true;
  const int lastRow = TExtStringGrid::Lines::LastNormalRow(*this);
  const int row = std::clamp(GetRow() + Lines, GetFixedRows(), std::max(GetFixedRows(), lastRow));
  const int col = std::clamp(GetCol(), GetFixedCols(), std::max(GetFixedCols(), GetColCount() - 1));
  if (row < 0 || row >= GetRowCount() || row == GetRow()) return true;
  const int left = GetLeftCol();
  {
    TUpdateScope lock(*this);
    if (col != GetCol()) SetCol(col);
    SetRow(row);
    SelectBaseCell();
  }
  if (GetOptions().Contains(goRowSelect) && Navigation.KeepHorizScroll) SetLeftCol(left);
  return true;
}
