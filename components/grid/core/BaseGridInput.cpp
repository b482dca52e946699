// TBaseGrid: the current cell and merged blocks. Keys and the wheel leave the current cell on
// its block's base cell; the arrow keys step out of a block as a whole.
#include "components/grid/core/BaseGrid.h"
#include "platform/controls/keys.h"

namespace {

bool ExitOf(WORD key, TBlockExit& exit) {
  switch (key) {
    case VK_LEFT: exit = TBlockExit::Left; return true;
    case VK_RIGHT: exit = TBlockExit::Right; return true;
    case VK_UP: exit = TBlockExit::Up; return true;
    case VK_DOWN: exit = TBlockExit::Down; return true;
    default: return false;
  }
}

}  // namespace

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  RepaintCell(GetCol(), GetRow());
  const bool result = TStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

// A block whose base column is hidden rests on its first shown column.
void TBaseGrid::SelectBaseCell() {
  if (!HasCellProperties(RemapCol(GetCol()), GetRow())) return;
  const TRect block = ShownBlock(GetCol(), GetRow());
  SetCol(block.Left);
  SetRow(block.Top);
}

bool TBaseGrid::IsSelected(int ACol, int ARow) const {
  if (GetSelection().Contains(ACol, ARow)) return true;
  if (!IsMergedCell(RemapCol(ACol), ARow)) return false;
  const TRect block = ShownBlock(ACol, ARow);
  return GetCol() >= block.Left && GetCol() <= block.Right && GetRow() >= block.Top &&
         GetRow() <= block.Bottom;
}

void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift) {
  const int rows = GetRowCount();
  if (footerShown_ && Key == VK_NEXT && rows > 1 &&
      GetVisibleRowCount() + GetTopRow() - GetFixedRows() == rows - 1)
    SetRow(rows - 2);
  // Every cell of a block counts, its base cell too: the current cell rests on the base cell,
  // and the inherited step into the block would only bring it back there.
  TBlockExit exit;
  TPoint target;
  const TPoint current{GetCol(), GetRow()};
  const TRect room{GetFixedCols(), GetFixedRows(), GetColCount() - 1, GetRowCount() - 1};
  if (ExitOf(Key, exit) && IsMergedCell(RemapCol(current.x), current.y) &&
      LeaveBlock(ShownBlock(current.x, current.y), current, exit, room, target)) {
    if (target.x != GetCol()) SetCol(target.x);
    if (target.y != GetRow()) SetRow(target.y);
    Key = 0;
  }
  TStringGrid::KeyDown(Key, Shift);
  SelectBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool handled = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (footerShown_ && GetRow() != GetRowCount() - 1 &&
      GetVisibleRowCount() - GetFixedRows() <= GetRow() - GetTopRow())
    SetTopRow(GetTopRow() + 1);
  SelectBaseCell();
  return handled;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool handled = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  SelectBaseCell();
  return handled;
}

void TBaseGrid::TopLeftChanged() {
  TStringGrid::TopLeftChanged();
  // Merged fixed cells are drawn whole from their base cell, which may lie off screen.
  const int lastRow = GetTopRow() + GetVisibleRowCount();
  const int lastCol = GetLeftCol() + GetVisibleColCount();
  for (int r = GetTopRow(); r <= lastRow && r < GetRowCount(); ++r)
    for (int c = 0; c < GetFixedCols(); ++c)
      if (IsMergedCell(RemapCol(c), r)) RepaintCell(c, r);
  for (int c = GetLeftCol(); c <= lastCol && c < GetColCount(); ++c)
    for (int r = 0; r < GetFixedRows(); ++r)
      if (IsMergedCell(RemapCol(c), r)) RepaintCell(c, r);
}
