// Selecting by the mouse beyond the class library's: whole rows from the fixed columns, whole
// columns from the fixed rows, everything from the top-left cell, disjunct cells by Ctrl
// clicks; the anchors the mouse passes over, and sizing the first column from any row.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/dragdrop/OleDrag.h"
#include "components/grid/grid/input/InputState.h"
#include "platform/controls/keys.h"

bool TExtStringGrid::FixedSelectPress(int ACol, int ARow, int X, int Y) {
  if (!GetOptions().Contains(goRangeSelect)) return false;
  const TMouseSelectMode mode = SelectModeAt(X, Y);
  const int fixedCols = GetFixedCols(), fixedRows = GetFixedRows();
  const int lastCol = GetColCount() - 1, lastRow = GetRowCount() - 1;
  if (mode == msAll) {
    if (CanFocus()) SetFocus();
    SelectRange(fixedCols, lastCol, fixedRows, lastRow);
    return true;
  }
  if (mode == msRow) {
    SelectRange(fixedCols, lastCol, ARow, ARow);
    input_->Mouse.rangeAnchor = ARow;
    input_->Mouse.rangeRows = true;
    RowSelectDragging = MouseActions.DisjunctRowSelect;
    return true;
  }
  if (mode == msColumn) {
    SelectRange(ACol, ACol, fixedRows, lastRow);
    input_->Mouse.rangeAnchor = ACol;
    input_->Mouse.rangeRows = false;
    return true;
  }
  return false;
}

void TExtStringGrid::ExtendFixedSelect(int X, int Y) {
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  const int anchor = input_->Mouse.rangeAnchor;
  if (input_->Mouse.rangeRows && row >= GetFixedRows())
    SelectRange(GetFixedCols(), GetColCount() - 1, std::min(anchor, row), std::max(anchor, row));
  else if (!input_->Mouse.rangeRows && col >= GetFixedCols())
    SelectRange(std::min(anchor, col), std::max(anchor, col), GetFixedRows(), GetRowCount() - 1);
}

namespace {
constexpr int kSizingSlack = 3;
}  // namespace

bool TExtStringGrid::NearFixedColEdge(int X) const {
  if (!MouseActions.SizeFixedCol || GetFixedCols() == 0) return false;
  return std::abs(X - ColWidths(0)) <= kSizingSlack;
}

// The base grid draws no line here, so the grid's own sizing line shows the new edge.
void TExtStringGrid::MoveFixedColLine(int X) {
  if (input_->Mouse.fixedSizingX >= 0) DrawSizingLine(input_->Mouse.fixedSizingX);
  input_->Mouse.fixedSizingX = X;
  if (X >= 0) DrawSizingLine(X);
}

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (input_->Mouse.fixedSizingX >= 0) return FixedColSizingMove(X, Y);
  if (input_->Mouse.rangeAnchor >= 0 && Shift.Contains(ssLeft)) return ExtendFixedSelect(X, Y);
  if (input_->Mouse.dragPending && Shift.Contains(ssLeft) && OleDrag(*this).OleDragMove(X, Y))
    return;
  MoveMouse(Shift, X, Y);
  ShowSizingHint(X, Y);
  HoverAnchor(X, Y);
  SelectModeMove(X, Y);
}

// Leaving an anchor is told before entering the next one.
void TExtStringGrid::HoverAnchor(int X, int Y) {
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  AnsiString anchor;
  if (col < 0 || row < 0 || !HTMLAnchorAt(col, row, X, Y, anchor) || anchor == "ctrl")
    anchor.clear();
  // The base grid has just set its own cursor, which leaving the link keeps.
  if (!anchor.empty() || (col >= 0 && row >= 0 && URLCellAt(col, row)))
    ShowClientCursor(crHandPoint);
  if (anchor == input_->HoverAnchor) return;
  if (!input_->HoverAnchor.empty() && OnAnchorExit)
    OnAnchorExit(this, row, col, input_->HoverAnchor);
  input_->HoverAnchor = anchor;
  if (!anchor.empty() && OnAnchorEnter) OnAnchorEnter(this, row, col, anchor);
}

bool TExtStringGrid::URLCellAt(int ACol, int ARow) {
  if (!URLShow) return false;
  const AnsiString text = GetCellEx(RemapCol(ACol), ARow);
  return TextType(text, EnableHTML) != ttHTML && IsURL(text);
}

// A plain click (of any button) leaves only the clicked cell listed; a Ctrl click adds or
// removes it.
void TExtStringGrid::DisjunctCellRelease(TGridCoord Cell, bool Ctrl) {
  if (!MouseActions.DisjunctCellSelect || Cell.X < GetFixedCols() || Cell.Y < GetFixedRows())
    return;
  if (!Ctrl) {
    ClearSelectedCells();
    SetSelectedCells(Cell.X, Cell.Y, true);
  } else {
    SetSelectedCells(Cell.X, Cell.Y, !GetSelectedCells(Cell.X, Cell.Y));
  }
}

// A plain press that selects a row starts the row selection afresh; a Ctrl press on a
// selected row takes it out at the release. Other presses (a header click, the fixed column
// without RowSelect, the footer) leave the rows alone: they select no row of their own.
void TExtStringGrid::DisjunctRowPress(int ACol, int ARow) {
  const bool normal = ACol >= GetFixedCols() && ARow >= GetFixedRows() && !IsFixed(ACol, ARow);
  const bool wholeRow = input_->Resizer.mode == msRow && GetOptions().Contains(goRangeSelect);
  input_->Mouse.rowSelectPress = MouseActions.DisjunctRowSelect && (normal || wholeRow);
  input_->Mouse.rowDeselect = -1;
  if (!input_->Mouse.rowSelectPress) return;
  if (GetKeyState(VK_CONTROL) >= 0)
    ClearRowSelect();
  else if (GetRowSelect(ARow))
    input_->Mouse.rowDeselect = ARow;
}

void TExtStringGrid::DisjunctRowRelease() {
  const int deselect = std::exchange(input_->Mouse.rowDeselect, -1);
  if (!std::exchange(input_->Mouse.rowSelectPress, false) || !MouseActions.DisjunctRowSelect)
    return;
  SelectToRowSelect(false);
  if (deselect >= 0 && deselect < GetRowCount()) SetRowSelect(deselect, false);
}
