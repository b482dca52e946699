// Selecting by the mouse beyond the class library's: whole rows from the fixed columns, whole
// columns from the fixed rows, everything from the top-left cell, disjunct cells by Ctrl
// clicks; the anchors the mouse passes over, and sizing the first column from any row.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/dragdrop/OleDrag.h"
#include "components/grid/grid/input/InputState.h"
#include "components/grid/grid/input/Mouse.h"
#include "platform/controls/keys.h"

bool TExtStringGrid::Mouse::FixedSelectPress(int ACol, int ARow, int X, int Y) {
  if (!g.GetOptions().Contains(goRangeSelect)) return false;
  const TMouseSelectMode mode = SelectModeAt(X, Y);
  const int fixedCols = g.GetFixedCols(), fixedRows = g.GetFixedRows();
  const int lastCol = g.GetColCount() - 1, lastRow = g.GetRowCount() - 1;
  if (mode == msAll) {
    if (g.CanFocus()) g.SetFocus();
    g.SelectRange(fixedCols, lastCol, fixedRows, lastRow);
    return true;
  }
  if (mode == msRow) {
    g.SelectRange(fixedCols, lastCol, ARow, ARow);
    g.d_->input->Mouse.rangeAnchor = ARow;
    g.d_->input->Mouse.rangeRows = true;
    g.RowSelectDragging = g.MouseActions.DisjunctRowSelect;
    return true;
  }
  if (mode == msColumn) {
    g.SelectRange(ACol, ACol, fixedRows, lastRow);
    g.d_->input->Mouse.rangeAnchor = ACol;
    g.d_->input->Mouse.rangeRows = false;
    return true;
  }
  return false;
}

void TExtStringGrid::Mouse::ExtendFixedSelect(int X, int Y) {
  int col = -1, row = -1;
  g.MouseToCell(X, Y, col, row);
  const int anchor = g.d_->input->Mouse.rangeAnchor;
  if (g.d_->input->Mouse.rangeRows && row >= g.GetFixedRows())
    g.SelectRange(g.GetFixedCols(), g.GetColCount() - 1, std::min(anchor, row),
                  std::max(anchor, row));
  else if (!g.d_->input->Mouse.rangeRows && col >= g.GetFixedCols())
    g.SelectRange(std::min(anchor, col), std::max(anchor, col), g.GetFixedRows(),
                  g.GetRowCount() - 1);
}

bool TExtStringGrid::Mouse::NearFixedColEdge(int X) const {
  if (!g.MouseActions.SizeFixedCol || g.GetFixedCols() == 0) return false;
  return std::abs(X - g.ColWidths(0)) <= kSizingSlack;
}

// The base grid draws no line here, so the grid's own sizing line shows the new edge.
void TExtStringGrid::Mouse::MoveFixedColLine(int X) {
  int& line = g.d_->input->Mouse.fixedSizingX;
  if (line >= 0) g.DrawSizingLine(line);
  line = X;
  if (X >= 0) g.DrawSizingLine(X);
}

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  Mouse mouse(*this);
  if (d_->input->Mouse.fixedSizingX >= 0) return mouse.FixedColSizingMove(X, Y);
  if (d_->input->Mouse.rangeAnchor >= 0 && Shift.Contains(ssLeft))
    return mouse.ExtendFixedSelect(X, Y);
  if (d_->input->Mouse.dragPending && Shift.Contains(ssLeft) && OleDrag(*this).OleDragMove(X, Y))
    return;
  mouse.MoveMouse(Shift, X, Y);
  mouse.ShowSizingHint(X, Y);
  mouse.HoverAnchor(X, Y);
  mouse.SelectModeMove(X, Y);
}

// Leaving an anchor is told before entering the next one.
void TExtStringGrid::Mouse::HoverAnchor(int X, int Y) {
  int col = -1, row = -1;
  g.MouseToCell(X, Y, col, row);
  AnsiString anchor;
  if (col < 0 || row < 0 || !g.HTMLAnchorAt(col, row, X, Y, anchor) || anchor == "ctrl")
    anchor.clear();
  // The base grid has just set its own cursor, which leaving the link keeps.
  if (!anchor.empty() || (col >= 0 && row >= 0 && URLCellAt(col, row)))
    g.ShowClientCursor(crHandPoint);
  AnsiString& hovered = g.d_->input->HoverAnchor;
  if (anchor == hovered) return;
  if (!hovered.empty() && g.OnAnchorExit) g.OnAnchorExit(&g, row, col, hovered);
  hovered = anchor;
  if (!anchor.empty() && g.OnAnchorEnter) g.OnAnchorEnter(&g, row, col, anchor);
}

bool TExtStringGrid::Mouse::URLCellAt(int ACol, int ARow) {
  if (!g.URLShow) return false;
  const AnsiString text = g.GetCellEx(g.RemapCol(ACol), ARow);
  return TextType(text, g.EnableHTML) != ttHTML && IsURL(text);
}

// A plain click (of any button) leaves only the clicked cell listed; a Ctrl click adds or
// removes it.
void TExtStringGrid::Mouse::DisjunctCellRelease(TGridCoord Cell, bool Ctrl) {
  if (!g.MouseActions.DisjunctCellSelect || Cell.X < g.GetFixedCols() || Cell.Y < g.GetFixedRows())
    return;
  if (!Ctrl) {
    g.ClearSelectedCells();
    g.SetSelectedCells(Cell.X, Cell.Y, true);
  } else {
    g.SetSelectedCells(Cell.X, Cell.Y, !g.GetSelectedCells(Cell.X, Cell.Y));
  }
}

// A plain press that selects a row starts the row selection afresh; a Ctrl press on a
// selected row takes it out at the release. Other presses (a header click, the fixed column
// without RowSelect, the footer) leave the rows alone: they select no row of their own.
void TExtStringGrid::Mouse::DisjunctRowPress(int ACol, int ARow) {
  const bool normal =
      ACol >= g.GetFixedCols() && ARow >= g.GetFixedRows() && !g.IsFixed(ACol, ARow);
  const bool wholeRow =
      g.d_->input->Resizer.mode == msRow && g.GetOptions().Contains(goRangeSelect);
  auto& state = g.d_->input->Mouse;
  state.rowSelectPress = g.MouseActions.DisjunctRowSelect && (normal || wholeRow);
  state.rowDeselect = -1;
  if (!state.rowSelectPress) return;
  if (GetKeyState(VK_CONTROL) >= 0)
    g.ClearRowSelect();
  else if (g.GetRowSelect(ARow))
    state.rowDeselect = ARow;
}

void TExtStringGrid::Mouse::DisjunctRowRelease() {
  auto& state = g.d_->input->Mouse;
  const int deselect = std::exchange(state.rowDeselect, -1);
  if (!std::exchange(state.rowSelectPress, false) || !g.MouseActions.DisjunctRowSelect) return;
  g.SelectToRowSelect(false);
  if (deselect >= 0 && deselect < g.GetRowCount()) g.SetRowSelect(deselect, false);
}
