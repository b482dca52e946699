// Advancing to the next editable cell after an edit, and Tab over merged blocks.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditors.h"

namespace {

// Set for a block and cleared however it is left: a handler may raise in the middle of a move,
// and a flag left set would keep silencing the cell-change event.
class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag) : flag_(Flag) { flag_ = true; }
  ~TFlagScope() { flag_ = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TRect TExtStringGrid::NavigableArea() const {
  return TRect(GetFixedColsEx(), GetFixedRowsEx(), GetColCount() - 1 - GetFixedRightCols(),
               GetRowCount() - 1 - GetFixedFooters());
}

// From may lie anywhere in a block: forward steps leave the whole block, so a block spanning
// rows or a whole row does not hold the walk. Growing the grid at the end is left to the
// first time only (MayGrow is cleared then), so a walk that finds nothing to edit ends.
bool TExtStringGrid::AdvanceTarget(TPoint From, bool Forward, bool& MayGrow, TPoint& Target) {
  const TRect area = NavigableArea();
  const TRect block = FullCell(From.x, From.y);
  const bool leftRight = Navigation.AdvanceDirection == adLeftRight;
  const bool grow = Navigation.AdvanceInsert && MayGrow;
  Target = From;
  if (Forward && leftRight) {
    if (block.Right < area.Right) {
      Target.x = block.Right + 1;
    } else if (From.y < area.Bottom) {
      Target = {area.Left, From.y + 1};
    } else if (grow) {
      bool canAdd = true;
      if (OnCanAddRow) OnCanAddRow(this, canAdd);
      if (!canAdd) return false;
      InsertRows(area.Bottom + 1, 1);
      MayGrow = false;
      Target = {area.Left, area.Bottom + 1};
      if (OnAutoAddRow) OnAutoAddRow(this, Target.y);
    } else {
      Target = {area.Left, area.Top};
    }
  } else if (Forward) {
    if (block.Bottom < area.Bottom) {
      Target.y = block.Bottom + 1;
    } else if (block.Right < area.Right) {
      Target = {block.Right + 1, area.Top};
    } else if (grow) {
      SetColCount(GetColCount() + 1);
      MayGrow = false;
      Target = {block.Right + 1, area.Top};
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
  return true;
}

// The walk goes cell by cell and visits each navigable cell at most once: a grid without an
// editable cell keeps its current cell instead of walking for ever. The other cells of the
// block it starts from are passed over.
void TExtStringGrid::AdvanceEdit(int ACol, int ARow, bool Forward, bool ShowEditor, bool Force) {
  if (!Navigation.AdvanceOnEnter && !Force) return;
  const TPoint start = BaseCell(ACol, ARow);
  edit_->StartKey = 0;
  bool mayGrow = true;
  TPoint at = start;
  for (int64_t step = 0; step <= NavigableCellCount(); ++step) {
    if (!AdvanceTarget(at, Forward, mayGrow, at)) return;
    if (!Shape().IsCell(at.x, at.y)) return;
    const TPoint target = BaseCell(at.x, at.y);
    if (target == start && at != start) continue;
    if (IsEditable(RemapCol(target.x), target.y)) return MoveAdvanced(target, ShowEditor);
  }
}

int64_t TExtStringGrid::NavigableCellCount() const {
  const TRect area = NavigableArea();
  return static_cast<int64_t>(std::max(area.Width() + 1, 0)) * std::max(area.Height() + 1, 0);
}

void TExtStringGrid::MoveAdvanced(TPoint Target, bool ShowEditor) {
  bool allow = true;
  if (OnCellChanging) OnCellChanging(this, GetRow(), GetCol(), Target.y, Target.x, allow);
  if (!allow) return;
  {
    const TFlagScope navigating(Navigating);
    SetCol(Target.x);
    SetRow(Target.y);
  }
  const bool pressed = StaticControl(RemapCol(Target.x), Target.y);
  if (ShowEditor || pressed) OpenEditor();
  if (pressed) PressStaticCell(Target);
}

// A check box, radio group or button takes no typing: arriving on it works it the way a
// click near its top-left corner would, and the change is announced once more.
void TExtStringGrid::PressStaticCell(TPoint Cell) {
  SetCol(Cell.x);
  SetRow(Cell.y);
  const TRect r = CellRect(Cell.x, Cell.y);
  if (r.Right - r.Left > 2 && r.Bottom - r.Top > 2) {  // a press beside it would hit another cell
    TWMMouse press{WM_LBUTTONDOWN, MK_LBUTTON, r.Left + 2, r.Top + 2};
    const TFlagScope navigating(Navigating);
    WMLButtonDown(press);
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
    const int next = ShownBlock(col, row).Right + 1;
    if (next > area.Right) {
      col = area.Left;
      row = row >= area.Bottom ? area.Top : row + 1;
    } else {
      col = next;
    }
  }
  const TRect block = ShownBlock(col, row);
  SetCol(block.Left);
  SetRow(block.Top);
}

// The inplace machinery chooses the editor: the inplace edit, or the control of the cell's
// editor type (CanEditShow); a static control opens none.
void TExtStringGrid::OpenEditor() {
  if (GetOptions().Contains(goEditing)) ShowInplaceEdit();
}
