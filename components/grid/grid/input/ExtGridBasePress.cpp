// TExtStringGrid: how the grid hands a left press to the class library, and the presses it
// makes itself: the one a double click replays with editing on, and a right press that
// edits a URL cell.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/input/Keys.h"

// The focus a press gives is no reason to edit with AlwaysEdit: the press decides that itself.
void TExtStringGrid::BasePress(TWMMouse& Message) {
  const int leftCol = GetLeftCol();
  const bool alwaysEdit = std::exchange(Navigation.AlwaysEdit, false);
  TBaseGrid::WMLButtonDown(Message);
  Navigation.AlwaysEdit = alwaysEdit;
  if (!GetOptions().Contains(goRowSelect) || !Navigation.KeepHorizScroll) return;
  if (GetLeftCol() == leftCol) return;
  BeginUpdate();
  SetLeftCol(leftCol);
  EndUpdate();
}

// The press runs as a click's would, so the editor the cell chooses opens where a click
// opens one (not over a fixed cell).
void TExtStringGrid::ReplayPress(const TWMMouse& Message) {
  SetOptions(GetOptions() + goEditing);
  TWMMouse press = Message;
  press.Msg = WM_LBUTTONDOWN;
  WMLButtonDown(press);
}

void TExtStringGrid::URLEditPress(int ACol, int ARow) {
  if (!URLEdit || ACol < GetFixedCols() || ARow < GetFixedRows() || !URLCellAt(ACol, ARow)) return;
  SetCol(ACol);
  SetRow(ARow);
  // A cell SelectCell refused is not the one to edit.
  if (GetCol() == ACol && GetRow() == ARow) Keys(*this).OpenEditor();
}
