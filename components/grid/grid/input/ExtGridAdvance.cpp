// Advancing to the next editable cell after an edit, and Tab over merged blocks.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/input/Keys.h"

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

TRect TExtStringGrid::Keys::NavigableArea() const {
  return TRect(g.GetFixedColsEx(), g.GetFixedRowsEx(), g.GetColCount() - 1 - g.GetFixedRightCols(),
               g.GetRowCount() - 1 - g.GetFixedFooters());
}

// From may lie anywhere in a block: forward steps leave the whole block, so a block spanning
// rows or a whole row does not hold the walk. Growing the grid at the end is left to the
// first time only (MayGrow is cleared then), so a walk that finds nothing to edit ends.
bool TExtStringGrid::Keys::AdvanceTarget(TPoint From, bool Forward, bool& MayGrow, TPoint& Target) {
  const TRect area = NavigableArea();
  const TRect block = g.FullCell(From.x, From.y);
  const bool leftRight = g.Navigation.AdvanceDirection == adLeftRight;
  const bool grow = g.Navigation.AdvanceInsert && MayGrow;
  Target = From;
  if (Forward && leftRight) {
    if (block.Right < area.Right) {
      Target.x = block.Right + 1;
    } else if (From.y < area.Bottom) {
      Target = {area.Left, From.y + 1};
    } else if (grow) {
      bool canAdd = true;
      if (g.OnCanAddRow) g.OnCanAddRow(&g, canAdd);
      if (!canAdd) return false;
      g.InsertRows(area.Bottom + 1, 1);
      MayGrow = false;
      Target = {area.Left, area.Bottom + 1};
      if (g.OnAutoAddRow) g.OnAutoAddRow(&g, Target.y);
    } else {
      Target = {area.Left, area.Top};
    }
  } else if (Forward) {
    if (block.Bottom < area.Bottom) {
      Target.y = block.Bottom + 1;
    } else if (block.Right < area.Right) {
      Target = {block.Right + 1, area.Top};
    } else if (grow) {
      g.SetColCount(g.GetColCount() + 1);
      MayGrow = false;
      Target = {block.Right + 1, area.Top};
      if (g.OnAutoInsertCol) g.OnAutoInsertCol(&g, Target.x);
      g.Invalidate();
    } else {
      Target = {area.Left, area.Top};
      g.Invalidate();
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
  Keys keys(*this);
  const TPoint start = BaseCell(ACol, ARow);
  d_->edit->StartKey = 0;
  bool mayGrow = true;
  TPoint at = start;
  for (int64_t step = 0; step <= keys.NavigableCellCount(); ++step) {
    if (!keys.AdvanceTarget(at, Forward, mayGrow, at)) return;
    if (!Shape().IsCell(at.x, at.y)) return;
    const TPoint target = BaseCell(at.x, at.y);
    if (target == start && at != start) continue;
    if (IsEditable(RemapCol(target.x), target.y)) return keys.MoveAdvanced(target, ShowEditor);
  }
}

int64_t TExtStringGrid::Keys::NavigableCellCount() const {
  const TRect area = NavigableArea();
  return static_cast<int64_t>(std::max(area.Width() + 1, 0)) * std::max(area.Height() + 1, 0);
}

void TExtStringGrid::Keys::MoveAdvanced(TPoint Target, bool ShowEditor) {
  bool allow = true;
  if (g.OnCellChanging) g.OnCellChanging(&g, g.GetRow(), g.GetCol(), Target.y, Target.x, allow);
  if (!allow) return;
  {
    const TFlagScope navigating(g.Navigating);
    g.SetCol(Target.x);
    g.SetRow(Target.y);
  }
  const bool pressed = StaticControl(g.RemapCol(Target.x), Target.y);
  if (ShowEditor || pressed) OpenEditor();
  if (pressed) PressStaticCell(Target);
}

// A check box, radio group or button takes no typing: arriving on it works it the way a
// click near its top-left corner would, and the change is announced once more.
void TExtStringGrid::Keys::PressStaticCell(TPoint Cell) {
  g.SetCol(Cell.x);
  g.SetRow(Cell.y);
  const TRect r = g.CellRect(Cell.x, Cell.y);
  if (r.Right - r.Left > 2 && r.Bottom - r.Top > 2) {  // a press beside it would hit another cell
    TWMMouse press{WM_LBUTTONDOWN, MK_LBUTTON, r.Left + 2, r.Top + 2};
    const TFlagScope navigating(g.Navigating);
    g.WMLButtonDown(press);
  }
  bool allow = true;
  if (g.OnCellChanging) g.OnCellChanging(&g, g.GetRow(), g.GetCol(), g.GetRow(), g.GetCol(), allow);
}

void TExtStringGrid::TabEdit(bool Backward) {
  const TRect area = Keys(*this).NavigableArea();
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
void TExtStringGrid::Keys::OpenEditor() {
  if (g.GetOptions().Contains(goEditing)) g.ShowInplaceEdit();
}
