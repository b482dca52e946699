// Advancing to the next editable cell after an edit, and Tab over merged blocks.
#include "components/grid/ExtGrid.h"

TRect TExtStringGrid::NavigableArea() const {
  return TRect(GetFixedColsEx(), GetFixedRowsEx(), GetColCount() - 1 - fixedRightCols_,
               GetRowCount() - 1 - fixedFooters_);
}

bool TExtStringGrid::AdvanceTarget(TPoint From, bool Forward, TPoint& Target) {
  const TRect area = NavigableArea();
  const int span = CellSpan(From.x, From.y).x;
  const bool leftRight = Navigation.AdvanceDirection == adLeftRight;
  Target = From;
  if (Forward && leftRight) {
    if (From.x + span < area.Right) {
      Target.x = From.x + span + 1;
    } else if (From.y < area.Bottom) {
      Target = {area.Left, From.y + 1};
    } else if (Navigation.AdvanceInsert) {
      bool canAdd = true;
      if (OnCanAddRow) OnCanAddRow(this, canAdd);
      if (!canAdd) return false;
      InsertRows(area.Bottom + 1, 1);
      Target = {area.Left, area.Bottom + 1};
      if (OnAutoAddRow) OnAutoAddRow(this, Target.y);
    } else {
      Target = {area.Left, area.Top};
    }
  } else if (Forward) {
    if (From.y < area.Bottom) {
      Target.y = From.y + 1;
    } else if (From.x + span < area.Right) {
      Target = {From.x + span + 1, area.Top};
    } else if (Navigation.AdvanceInsert) {
      SetColCount(GetColCount() + 1);
      Target = {From.x + span + 1, area.Top};
      if (OnAutoInsertCol) OnAutoInsertCol(this, Target.x);
      Invalidate();
    } else {
      Target = {area.Left, area.Top};
      Invalidate();
    }
  } else if (leftRight) {
    if (From.x > area.Left)
      Target.x = From.x - 1;
    else
      Target = {area.Right, From.y > area.Top ? From.y - 1 : area.Bottom};
  } else {
    if (From.y > area.Top)
      Target.y = From.y - 1;
    else
      Target = {From.x > area.Left ? From.x - 1 : area.Right, area.Bottom};
  }
  Target = BaseCell(Target.x, Target.y);
  return true;
}

// The walk visits each navigable cell at most once: a grid without an editable cell keeps
// its current cell instead of walking for ever.
void TExtStringGrid::AdvanceEdit(int ACol, int ARow, bool Forward, bool ShowEditor, bool Force) {
  if (!Navigation.AdvanceOnEnter && !Force) return;
  TPoint at = BaseCell(ACol, ARow);
  edit_.StartKey = 0;
  const TRect area = NavigableArea();
  const int64_t cells =
      static_cast<int64_t>(area.Width() + 1) * static_cast<int64_t>(area.Height() + 1);
  for (int64_t step = 0; step <= cells; ++step) {
    if (!AdvanceTarget(at, Forward, at)) return;
    if (!Shape().IsCell(at.x, at.y)) return;
    if (!IsEditable(RemapCol(at.x), at.y)) continue;
    bool allow = true;
    if (OnCellChanging) OnCellChanging(this, GetRow(), GetCol(), at.y, at.x, allow);
    if (!allow) return;
    Navigating = true;
    SetCol(at.x);
    SetRow(at.y);
    Navigating = false;
    const bool pressed = StaticControl(RemapCol(at.x), at.y);
    if (ShowEditor || pressed) OpenEditor();
    if (pressed) PressStaticCell(at);
    return;
  }
}

// A check box, radio group or button takes no typing: arriving on it works it the way a
// click near its top-left corner would, and the change is announced once more.
void TExtStringGrid::PressStaticCell(TPoint Cell) {
  SetCol(Cell.x);
  SetRow(Cell.y);
  const TRect r = CellRect(Cell.x, Cell.y);
  if (r.Right - r.Left > 2 && r.Bottom - r.Top > 2) {  // a press beside it would hit another cell
    TWMMouse press{WM_LBUTTONDOWN, MK_LBUTTON, r.Left + 2, r.Top + 2};
    Navigating = true;
    WMLButtonDown(press);
    Navigating = false;
  }
  bool allow = true;
  if (OnCellChanging) OnCellChanging(this, GetRow(), GetCol(), GetRow(), GetCol(), allow);
}

void TExtStringGrid::TabEdit(bool Backward) {
  const TRect area = NavigableArea();
  int col = GetCol(), row = GetRow();
  if (Backward) {
    if (col <= area.Left) {
      col = area.Right;
      row = row <= area.Top ? area.Bottom : row - 1;
    } else {
      col -= 1;
    }
  } else {
    const int next = col + CellSpan(col, row).x + 1;
    if (next > area.Right) {
      col = area.Left;
      row = row >= area.Bottom ? area.Top : row + 1;
    } else {
      col = next;
    }
  }
  const TPoint base = BaseCell(col, row);
  SetCol(base.x);
  SetRow(base.y);
}

// The inplace machinery chooses the editor: the inplace edit, or the control of the cell's
// editor type (CanEditShow); a static control opens none.
void TExtStringGrid::OpenEditor() {
  if (GetOptions().Contains(goEditing)) ShowInplaceEdit();
}
