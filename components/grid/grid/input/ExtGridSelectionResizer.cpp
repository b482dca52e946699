// What a press at the mouse's place will do, and the selection resizer: the handle at the
// bottom-right corner of the selection copies it on a press, a drag extends the selection and
// the release fills it as a smart paste would. The copy stays inside the grid, so the
// clipboard keeps what the user put there.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/files/CopyPaste.h"
#include "components/grid/grid/input/InputState.h"

namespace {

constexpr int kHandleSize = 4;  // the painted square at the selection's corner

// A value lent to a place for a scope, given back at its end.
template <typename T>
class Lent {
 public:
  Lent(T& Place, T Value) : place_(Place), old_(std::exchange(Place, std::move(Value))) {}
  ~Lent() { place_ = std::move(old_); }
  Lent(const Lent&) = delete;
  Lent& operator=(const Lent&) = delete;

 private:
  T& place_;
  T old_;
};

}  // namespace

// A cell scrolled out of view to the left or top is placed under the fixed cells, where its
// handle is not shown.
bool TExtStringGrid::OnResizerHandle(int X, int Y) {
  if (!Navigation.AllowSmartClipboard || !SelectionResizer || !SelectionRectangle) return false;
  if (X < FixedColsWidth() || Y < FixedRowsHeight()) return false;
  const TGridRect sel = GetSelection();
  const TRect r = CellRect(sel.Right, sel.Bottom);
  return X >= r.Right - kHandleSize && X < r.Right && Y >= r.Bottom - kHandleSize && Y < r.Bottom;
}

// The fixed cells select outside the zone where a press sizes a column or row.
TMouseSelectMode TExtStringGrid::SelectModeAt(int X, int Y) {
  if (OnResizerHandle(X, Y)) return msResize;
  TGridState sizing;
  int index, pos, offset;
  CalcSizingState(X, Y, sizing, index, pos, offset);
  if (sizing != gsNormal) return msNormal;
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  if (col < 0 || row < 0) return msNormal;
  const bool fixedCol = col < GetFixedCols(), fixedRow = row < GetFixedRows();
  if (fixedCol && fixedRow && MouseActions.AllSelect) return msAll;
  if (fixedRow && !fixedCol && MouseActions.ColSelect) return msColumn;
  if (fixedCol && !fixedRow && MouseActions.RowSelect) return msRow;
  return msNormal;
}

// After the base grid's and the links' cursors, so the handle's shows over them.
void TExtStringGrid::SelectModeMove(int X, int Y) {
  input_->Resizer.mode = SelectModeAt(X, Y);
  if (input_->Resizer.mode == msResize) ShowClientCursor(crCross);
}

// The mode is taken again at the press: the selection may have changed since the last move.
// The base grid's press runs as an extending one, which never opens the editor, and leaves
// the selecting state on; the selection before the press is put back, so the drag extends it
// from its top-left cell.
bool TExtStringGrid::ResizerPress(TWMMouse& Message) {
  input_->Resizer.mode = SelectModeAt(Message.XPos, Message.YPos);
  input_->Resizer.pastePending =
      input_->Resizer.mode == msResize;  // a release that never came is forgotten
  if (!input_->Resizer.pastePending) return false;
  input_->Resizer.pressed = GetSelection();
  const TGridRect range = CopyPaste(*this).SelectionCopyRange();
  input_->Resizer.origin = TPoint(range.Left, range.Top);
  input_->Resizer.copy = CopyPaste(*this).CopyContent(range, MouseActions.DisjunctRowSelect);
  Message.Keys |= MK_SHIFT;
  TBaseGrid::WMLButtonDown(Message);
  SetSelection(input_->Resizer.pressed);
  return true;
}

// The paste writes as when editing is on, into the cells IsEditable allows, and tells
// PasteNotify the copy's origin; the clipboard's own origin and operation come back after. A
// click that left the selection as it was pastes nothing: the smart paste would make its
// cells a series or reformat them.
void TExtStringGrid::ResizerRelease() {
  if (!std::exchange(input_->Resizer.pastePending, false)) return;
  const ClipContent copy = std::exchange(input_->Resizer.copy, {});
  if (GetSelection() == input_->Resizer.pressed) return;
  const Lent<bool> parked(edit_->Parked, true);
  const Lent<bool> pasting(input_->Resizer.pasting, true);
  const Lent<TPoint> origin(clip_->CopyOrigin, input_->Resizer.origin);
  const Lent<TClipOperation> operation(clip_->Operation, coCopy);
  CopyPaste(*this).PasteSelection(copy);
}
