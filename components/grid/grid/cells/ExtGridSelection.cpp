// TExtStringGrid: what is selected: the grid's own selection, the disjunct list of selected
// cells (full coordinates, so rows past 65535 never collide), the selection as text, and
// finding a cell by its text.
#include <algorithm>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"

namespace {

// Rich text as its plain text; a cell of several lines as CSV text when cells may hold them.
AnsiString SelectedCellText(TExtStringGrid& Grid, int ACol, int ARow) {
  AnsiString text = Grid.GetCellEx(ACol, ARow);
  if (text.find("{\\") != AnsiString::npos) {
    TRichText rich;
    Grid.CellToRich(ACol, ARow, rich);
    text = rich.GetText();
  }
  if (Grid.Multilinecells && text.find('\n') != AnsiString::npos) LineFeedsToCSV(text);
  return text;
}

}  // namespace

bool TExtStringGrid::IsSelected(int ACol, int ARow) {
  if (IsFixed(ACol, ARow)) return false;
  if (!MouseActions.DisjunctRowSelect) return TBaseGrid::IsSelected(ACol, ARow);
  return ARow >= 0 && ARow < GetRowCount() && GetRowSelect(ARow);
}

bool TExtStringGrid::GetSelectedCells(int ACol, int ARow) const {
  return std::find(d_->lines->SelectedCells.begin(), d_->lines->SelectedCells.end(),
                   TGridCoord{ACol, ARow}) != d_->lines->SelectedCells.end();
}

void TExtStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
  const auto found = std::find(d_->lines->SelectedCells.begin(), d_->lines->SelectedCells.end(),
                               TGridCoord{ACol, ARow});
  const bool present = found != d_->lines->SelectedCells.end();
  if (Value == present) return;
  if (Value)
    d_->lines->SelectedCells.push_back({ACol, ARow});
  else
    d_->lines->SelectedCells.erase(found);
  RepaintCell(ACol, ARow);
}

int TExtStringGrid::GetSelectedCellsCount() const {
  return static_cast<int>(d_->lines->SelectedCells.size());
}
TGridCoord TExtStringGrid::GetSelectedCell(int Index) const {
  return d_->lines->SelectedCells.at(Index);
}

void TExtStringGrid::ClearSelectedCells() {
  d_->lines->SelectedCells.clear();
  Invalidate();
}

// The selection is in shown columns; a hidden column inside it is left out, as in a copy.
AnsiString TExtStringGrid::SelectedText() {
  const TGridRect selection = GetSelection();
  int left = selection.Left;
  int right = selection.Right;
  if (GetOptions().Contains(goRowSelect) && DragDropSettings.OleEntireRows) {
    left = 0;
    right = GetColCount() - 1;
  }
  const bool disjunct = MouseActions.DisjunctRowSelect;
  AnsiString text;
  for (int r = disjunct ? GetFixedRows() : selection.Top;
       r <= (disjunct ? GetRowCount() - 1 : selection.Bottom); ++r) {
    if (disjunct && !GetRowSelect(r)) continue;
    for (int c = left; c <= right; ++c) {
      text += SelectedCellText(*this, RemapCol(c), r);
      if (c < right) text += '\t';
    }
    text += "\r\n";
  }
  return text;
}

void TExtStringGrid::InvalidateGridRect(const TGridRect& GridRect) { RepaintRect(GridRect); }

// A search of the store: hidden columns' cells count, and ACol is a stored column.
bool TExtStringGrid::IsCell(const AnsiString& Text, int& ACol, int& ARow) {
  for (int r = 0; r < GetRowCount(); ++r) {
    for (int c = 0; c < CellColCount(); ++c) {
      if (Cells(c, r) != Text) continue;
      ACol = c;
      ARow = r;
      return true;
    }
  }
  return false;
}
