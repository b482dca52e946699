// TExtStringGrid: the mouse wheel: with Ctrl (and IntelliZoom) it zooms, otherwise each notch
// moves the current row by the wheel's lines, once, within the navigable rows.
#include <algorithm>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/input/Keys.h"

// A notch the grid moves by itself still reaches the OnMouseWheelDown (Up) event.
bool TExtStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (!Keys(*this).WheelStep(WheelLines, Shift))
    return TBaseGrid::DoMouseWheelDown(Shift, MousePos);
  TControl::DoMouseWheelDown(Shift, MousePos);
  return true;
}

bool TExtStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (!Keys(*this).WheelStep(-WheelLines, Shift)) return TBaseGrid::DoMouseWheelUp(Shift, MousePos);
  TControl::DoMouseWheelUp(Shift, MousePos);
  return true;
}

// True when the notch is used up here; the base grid's own step runs only without
// EnableWheel, so a notch never moves twice.
bool TExtStringGrid::Keys::WheelStep(int Lines, TShiftState Shift) {
  if (g.GetPanning()) return true;
  if (Shift.Contains(ssCtrl) && g.IntelliZoom) {
    g.Zoom(Lines);
    return true;
  }
  if (!g.EnableWheel) {
    if (!(g.GetOptions().Contains(goRowSelect) && g.Navigation.KeepHorizScroll)) return false;
    const int left = g.GetLeftCol();
    {
      TUpdateScope lock(g);
      Lines > 0 ? g.TBaseGrid::DoMouseWheelDown({}, {}) : g.TBaseGrid::DoMouseWheelUp({}, {});
    }
    g.SetLeftCol(left);
    return true;
  }
  if (g.FixedRowAlways && g.GetRowCount() == 1) return true;
  const int lastRow = TExtStringGrid::Lines::LastNormalRow(g);
  const int row =
      std::clamp(g.GetRow() + Lines, g.GetFixedRows(), std::max(g.GetFixedRows(), lastRow));
  const int col =
      std::clamp(g.GetCol(), g.GetFixedCols(), std::max(g.GetFixedCols(), g.GetColCount() - 1));
  if (row < 0 || row >= g.GetRowCount() || row == g.GetRow()) return true;
  const int left = g.GetLeftCol();
  {
    TUpdateScope lock(g);
    if (col != g.GetCol()) g.SetCol(col);
    g.SetRow(row);
    g.SelectBaseCell();
  }
  if (g.GetOptions().Contains(goRowSelect) && g.Navigation.KeepHorizScroll) g.SetLeftCol(left);
  return true;
}
