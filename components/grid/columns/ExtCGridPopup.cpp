// TExtColumnGrid: the mouse on columns: a column's popup menu, opened by the clicks its popup
// type names, and the header's filter drop-down.
#include "components/grid/columns/ExtCGrid.h"

namespace {
// The popup types of one button, by the cells they open the menu in.
struct ButtonTypes {
  TColumnPopupType fixed, normal, all;
};
constexpr ButtonTypes kLeftTypes{cpFixedCellsLClick, cpNormalCellsLClick, cpAllCellsLClick};
constexpr ButtonTypes kRightTypes{cpFixedCellsRClick, cpNormalCellsRClick, cpAllCellsRClick};
}  // namespace

void TExtColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtStringGrid::MouseDown(Button, Shift, X, Y);
  FilterDropDownClick(X, Y);
  ColumnPopup(Button, X, Y);
}

// A type of the button fires OnColumnPopup; the menu opens when the type also names the kind
// of cell clicked, at the cell's bottom-left corner.
void TExtColumnGrid::ColumnPopup(TMouseButton Button, int X, int Y) {
  if (Button != mbLeft && Button != mbRight) return;
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  const TGridColumnItem* item = col >= 0 && row >= 0 ? ItemOf(RemapCol(col)) : nullptr;
  TPopupMenu* menu = item ? item->GetColumnPopup() : nullptr;
  if (!menu) return;
  const ButtonTypes& types = Button == mbLeft ? kLeftTypes : kRightTypes;
  const TColumnPopupType type = item->ColumnPopupType;
  if (type != types.fixed && type != types.normal && type != types.all) return;
  if (OnColumnPopup) {
    OnColumnPopup(this, col, row, menu);
    // The handler may have changed the columns or freed the menu.
    item = ItemOf(RemapCol(col));
    if (!item || item->GetColumnPopup() != menu) return;
  }
  const bool fixedRow = row < GetFixedRows();
  if (type != types.all && type != (fixedRow ? types.fixed : types.normal)) return;
  const TRect cell = CellRect(col, row);
  const TPoint at = ClientToScreen(TPoint(cell.Left, cell.Bottom));
  menu->Popup(at.x, at.y);
}
