// The grid as a drag source: the selected cells (a single rich-text cell also as rich text)
// or a header's column dragged out, and what a move takes away afterwards. Also the switches
// of DragDropSettings that make the grid a drop target and rich text welcome, and the press
// and move of the mouse that start a drag.
#include "components/grid/controls/PopupButton.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/dragdrop/OleDrag.h"
#include "components/grid/grid/dragdrop/esgdd.h"
#include "components/grid/grid/input/InputState.h"

#include <cstdlib>
#include <utility>

namespace {
bool IsRTF(const AnsiString& text) { return text.rfind("{\\rtf", 0) == 0; }
}  // namespace

// The event outlives this helper, so it captures the grid, which owns the settings.
void TExtStringGrid::OleDrag::InitOleDragDrop() {
  g.d_->ole = std::make_unique<TGridOleState>(&g);
  g.DragDropSettings.OnOleDropRTFChange = [](bool On) { Esgdd::SetRTFAware(On); };
  g.DragDropSettings.OnOleDropTargetChange = [grid = &g](bool On) {
    OleDrag(*grid).SetOleDropTargetOn(On);
  };
}

void TExtStringGrid::OleDrag::SetOleDropTargetOn(bool On) {
  if (g.GetComponentState().Contains(csDesigning)) return;
  TGridOleState& state = *g.d_->ole;
  if (On && !state.Registered)
    state.Registered = RegisterDragDrop(&g, std::make_shared<TGridDropTarget>(&g)) == S_OK;
  else if (!On && state.Registered)
    state.Registered = RevokeDragDrop(&g) != S_OK;
}

// The cells dragged out are remembered rather than read from the selection afterwards: a
// drop into this same grid selects what it pasted.
bool TExtStringGrid::OleDragCell(int ACol, int ARow) {
  bool allow = true;
  if (OnOleDrag) OnOleDrag(this, ARow, ACol, "", allow);
  if (!allow) return false;
  auto source = std::make_shared<TGridDropSource>(this);
  if (OnOleDragStart) OnOleDragStart(this, ARow, ACol);
  DWORD effect = DROPEFFECT_NONE;
  HRESULT result;
  if (ARow < GetFixedRows() && DragDropSettings.OleColumnDragDrop) {
    TPopupButton* button = d_->ole->ColumnButton();
    const TRect r = CellRect(ACol, ARow);
    const TPoint at = ClientToScreen(TPoint(r.Left, r.Top));
    button->SetCaption(GetCellEx(RemapCol(ACol), ARow));
    button->SetBounds(at.x, at.y, r.Right - r.Left, r.Bottom - r.Top);
    button->SetVisible(true);
    result = Esgdd::StartColDoDragDrop(source, ACol, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    d_->ole->HideAll();
  } else {
    const TGridRect selection = GetSelection();
    const bool oneCell = selection.Left == selection.Right && selection.Top == selection.Bottom;
    const AnsiString cell = Cells(RemapCol(selection.Left), selection.Top);
    d_->ole->Dragging = true;
    d_->ole->DragRect = selection;
    result = Esgdd::StartTextDoDragDrop(source, SelectedText(), oneCell && IsRTF(cell) ? cell : "",
                                        DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    d_->ole->Dragging = false;
    if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE)
      OleDrag(*this).RemoveDragged(d_->ole->DragRect);
  }
  d_->ole->LastEffect = source->LastEffect();
  if (result != DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
  return true;
}

void TExtStringGrid::OleDrag::RemoveDragged(const TGridRect& R) {
  if (g.DragDropSettings.OleRemoveRows && g.GetOptions().Contains(goRowSelect)) {
    if (g.MouseActions.DisjunctRowSelect)
      g.RemoveSelectedRows();
    else
      g.RemoveRows(R.Top, R.Bottom - R.Top + 1);
  } else if (!g.DragDropSettings.OleCopyAlways) {
    g.ClearShownRect(R);
  }
}

namespace {
constexpr int kDragSlack = 3;  // pixels the mouse moves, or stays inside a cell's sides
}  // namespace

// The press stays off the base grid: selecting now would lose the selection to be dragged.
bool TExtStringGrid::OleDrag::OleDragPress(int ACol, int ARow, int X, int Y) {
  if (!g.DragDropSettings.OleDropSource || g.GetOptions().Contains(goEditing)) return false;
  if (!g.IsSelected(ACol, ARow) && (ARow >= g.GetFixedRows() || g.EnhRowColMove)) return false;
  const TRect r = g.CellRect(ACol, ARow);
  const bool clearOfBorders = X > r.Left + kDragSlack && X < r.Right - kDragSlack;
  if (!clearOfBorders && g.GetOptions().Contains(goColSizing)) return false;
  g.d_->input->Mouse.dragPending = true;
  g.d_->input->Mouse.downAt = TPoint(X, Y);
  if (g.OnClickCell) g.OnClickCell(&g, ARow, ACol);
  return true;
}

// A refused drag selects from the pressed cell on, as a press that never waited would have.
bool TExtStringGrid::OleDrag::OleDragMove(int X, int Y) {
  if (std::abs(X - g.d_->input->Mouse.downAt.x) <= kDragSlack &&
      std::abs(Y - g.d_->input->Mouse.downAt.y) <= kDragSlack)
    return false;
  if (!g.DragDropSettings.OleDropSource || g.GetGridState() == gsColSizing) return false;
  g.d_->input->Mouse.dragPending = false;
  if (g.OleDragCell(g.d_->input->Mouse.down.X, g.d_->input->Mouse.down.Y)) return true;
  if (SelectPressedCell()) g.SetGridState(gsSelecting);
  return false;
}

void TExtStringGrid::OleDrag::OleDragRelease() {
  if (std::exchange(g.d_->input->Mouse.dragPending, false)) SelectPressedCell();
}

bool TExtStringGrid::OleDrag::SelectPressedCell() {
  const TGridCoord cell = g.d_->input->Mouse.down;
  if (cell.X < g.GetFixedCols() || cell.Y < g.GetFixedRows() || g.IsFixed(cell.X, cell.Y))
    return false;
  return g.MoveColRow(cell.X, cell.Y, true, true);
}
