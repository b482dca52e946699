// What a press at the mouse's place will do, and the selection resizer: the handle at the
// bottom-right corner of the selection copies it on a press, a drag extends the selection and
// the release fills it as a smart paste would. The copy stays inside the grid, so the
// clipboard keeps what the user put there.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/files/CopyPaste.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"

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
bool TExtStringGrid::Mouse::OnResizerHandle(int X, int Y) {
  if (!g.Navigation.AllowSmartClipboard || !g.SelectionResizer || !g.SelectionRectangle)
    return false;
  if (X < g.FixedColsWidth() || Y < g.FixedRowsHeight()) return false;
  const TGridRect sel = g.GetSelection();
  const TRect r = g.CellRect(sel.Right, sel.Bottom);
  return X >= r.Right - kHandleSize && X < r.Right && Y >= r.Bottom - kHandleSize && Y < r.Bottom;
}

// The fixed cells select outside the zone where a press sizes a column or row.
TMouseSelectMode TExtStringGrid::Mouse::SelectModeAt(int X, int Y) {
  if (OnResizerHandle(X, Y)) return msResize;
  TGridState sizing;
  int index, pos, offset;
  g.CalcSizingState(X, Y, sizing, index, pos, offset);
  if (sizing != gsNormal) return msNormal;
  int col = -1, row = -1;
  g.MouseToCell(X, Y, col, row);
  if (col < 0 || row < 0) return msNormal;
  const bool fixedCol = col < g.GetFixedCols(), fixedRow = row < g.GetFixedRows();
  if (fixedCol && fixedRow && g.MouseActions.AllSelect) return msAll;
  if (fixedRow && !fixedCol && g.MouseActions.ColSelect) return msColumn;
  if (fixedCol && !fixedRow && g.MouseActions.RowSelect) return msRow;
  return msNormal;
}

// After the base grid's and the links' cursors, so the handle's shows over them.
void TExtStringGrid::Mouse::SelectModeMove(int X, int Y) {
  g.d_->input->Resizer.mode = SelectModeAt(X, Y);
  if (g.d_->input->Resizer.mode == msResize) g.ShowClientCursor(crCross);
}

// The mode is taken again at the press: the selection may have changed since the last move.
// The base grid's press runs as an extending one, which never opens the editor, and leaves
// the selecting state on; the selection before the press is put back, so the drag extends it
// from its top-left cell.
bool TExtStringGrid::Mouse::ResizerPress(TWMMouse& Message) {
  auto& resizer = g.d_->input->Resizer;
  resizer.mode = SelectModeAt(Message.XPos, Message.YPos);
  resizer.pastePending = resizer.mode == msResize;  // a release that never came is forgotten
  if (!resizer.pastePending) return false;
  resizer.pressed = g.GetSelection();
  CopyPaste paste(g);
  const TGridRect range = paste.SelectionCopyRange();
  resizer.origin = TPoint(range.Left, range.Top);
  resizer.copy = paste.CopyContent(range, g.MouseActions.DisjunctRowSelect);
  Message.Keys |= MK_SHIFT;
  g.TBaseGrid::WMLButtonDown(Message);
  g.SetSelection(resizer.pressed);
  return true;
}

// The paste writes as when editing is on, into the cells IsEditable allows, and tells
// PasteNotify the copy's origin; the clipboard's own origin and operation come back after. A
// click that left the selection as it was pastes nothing: the smart paste would make its
// cells a series or reformat them.
void TExtStringGrid::Mouse::ResizerRelease() {
  auto& resizer = g.d_->input->Resizer;
  if (!std::exchange(resizer.pastePending, false)) return;
  const ClipContent copy = std::exchange(resizer.copy, {});
  if (g.GetSelection() == resizer.pressed) return;
  const Lent<bool> parked(g.d_->edit->Parked, true);
  const Lent<bool> pasting(resizer.pasting, true);
  const Lent<TPoint> origin(g.d_->clip->CopyOrigin, resizer.origin);
  const Lent<TClipOperation> operation(g.d_->clip->Operation, coCopy);
  CopyPaste(g).PasteSelection(copy);
}
