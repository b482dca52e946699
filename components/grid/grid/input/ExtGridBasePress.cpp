// TExtStringGrid: how the grid hands a left press to the class library, and the presses it
// makes itself: the one a double click replays with editing on, and a right press that
// edits a URL cell.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/input/Keys.h"
#include "components/grid/grid/input/Mouse.h"

// The focus a press gives is no reason to edit with AlwaysEdit: the press decides that itself.
void TExtStringGrid::Mouse::BasePress(TWMMouse& Message) {
  const int leftCol = g.GetLeftCol();
  const bool alwaysEdit = std::exchange(g.Navigation.AlwaysEdit, false);
  g.TBaseGrid::WMLButtonDown(Message);
  g.Navigation.AlwaysEdit = alwaysEdit;
  if (!g.GetOptions().Contains(goRowSelect) || !g.Navigation.KeepHorizScroll) return;
  if (g.GetLeftCol() == leftCol) return;
  g.BeginUpdate();
  g.SetLeftCol(leftCol);
  g.EndUpdate();
}

// The press runs as a click's would, so the editor the cell chooses opens where a click
// opens one (not over a fixed cell).
void TExtStringGrid::Mouse::ReplayPress(const TWMMouse& Message) {
  g.SetOptions(g.GetOptions() + goEditing);
  TWMMouse press = Message;
  press.Msg = WM_LBUTTONDOWN;
  g.WMLButtonDown(press);
}

void TExtStringGrid::Mouse::URLEditPress(int ACol, int ARow) {
  if (!g.URLEdit || ACol < g.GetFixedCols() || ARow < g.GetFixedRows() || !URLCellAt(ACol, ARow))
    return;
  g.SetCol(ACol);
  g.SetRow(ARow);
  // A cell SelectCell refused is not the one to edit.
  if (g.GetCol() == ACol && g.GetRow() == ARow) Keys(g).OpenEditor();
}
