// TExtStringGrid: sizing: a column stretched over what the client width leaves, all columns
// (rows) scaled with the one the mouse sizes, the widths following the grid's own width
// (ColumnSize.SynchWithGrid), the size zone, and the events at the end of a mouse sizing.
#include <algorithm>
#include <cmath>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/input/Mouse.h"

void TExtStringGrid::StretchColumn(int ACol) {
  const int count = GetColCount();
  if (count <= 0 || !ColumnSize.Stretch) return;
  if (ACol == -1) ACol = count - 1;
  // A column that does not exist has no width to take.
  if (ACol < 0 || ACol >= count) return;
  const bool wasEnabled = d_->lines->StretchEnabled;
  d_->lines->StretchEnabled = false;
  if (count == 1) {
    SetColWidths(ACol, GetClientWidth());
  } else {
    int others = 0;
    for (int c = 0; c < count; ++c)
      if (c != ACol) others += ColWidths(c);
    if (GetClientWidth() > others) SetColWidths(ACol, GetClientWidth() - others - 1);
  }
  d_->lines->StretchEnabled = wasEnabled;
}

void TExtStringGrid::SetColumnStretch(bool Value) {
  ColumnSize.Stretch = Value;
  StretchColumn(ColumnSize.StretchColumn);
}

void TExtStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  if (GetParent() && ColumnSize.Stretch) StretchColumn(ColumnSize.StretchColumn);
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  if (!GetParent()) return;
  UpdateVScrollBar();
  UpdateHScrollBar();
  if (d_->lines->FixedFooters > 0 || d_->lines->FixedRightCols > 0) Invalidate();
}

// Every other non-fixed line scaled as the sized one was; the sizing flag is off meanwhile,
// so the changes do not scale again.
void TExtStringGrid::Lines::ScaleOtherLines(bool Columns, int Sized, double Ratio) {
  g.d_->lines->MouseSizing = false;
  const int count = Columns ? g.GetColCount() : g.GetRowCount();
  const int fixed = Columns ? g.GetFixedCols() : g.GetFixedRows();
  for (int i = fixed; i < count; ++i) {
    if (i == Sized) continue;
    const int size =
        static_cast<int>(std::lround((Columns ? g.ColWidths(i) : g.RowHeights(i)) * Ratio));
    Columns ? g.SetColWidths(i, size) : g.SetRowHeights(i, size);
  }
  g.d_->lines->MouseSizing = true;
}

void TExtStringGrid::ColWidthsChanged() {
  if (!d_->lines->Synching) d_->lines->SynchWidths.clear();
  if (d_->lines->StretchEnabled) StretchColumn(ColumnSize.StretchColumn);
  TBaseGrid::ColWidthsChanged();
  if (d_->lines->MouseSizing && d_->lines->SizeCol >= 0 && d_->lines->SizeCol < GetColCount()) {
    const int col = d_->lines->SizeCol;
    Lines lines(*this);
    if (MouseActions.AllColumnSize && d_->lines->SizeColWidth > 0)
      lines.ScaleOtherLines(true, col,
                            static_cast<double>(ColWidths(col)) / d_->lines->SizeColWidth);
    lines.EndSizing();
    if (OnEndColumnSize) OnEndColumnSize(this, col);
    int width = ColWidths(col);
    UpdateColSize(col, width);
    SetColWidths(col, width);
  }
  UpdateFooter();
}

void TExtStringGrid::RowHeightsChanged() {
  TBaseGrid::RowHeightsChanged();
  if (!d_->lines->MouseSizing || d_->lines->SizeRow < 0 || d_->lines->SizeRow >= GetRowCount())
    return;
  const int row = d_->lines->SizeRow;
  Lines lines(*this);
  if (MouseActions.AllRowSize && d_->lines->SizeRowHeight > 0)
    lines.ScaleOtherLines(false, row,
                          static_cast<double>(RowHeights(row)) / d_->lines->SizeRowHeight);
  lines.EndSizing();
  if (OnEndRowSize) OnEndRowSize(this, row);
}

void TExtStringGrid::Lines::EndSizing() {
  g.d_->lines->SizeCol = -1;
  g.d_->lines->SizeRow = -1;
  g.d_->lines->MouseSizing = false;
}

// The line a press at a border would size, noted for MouseDown.
void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  const TGridState state = GetGridState();
  if (Button != mbLeft || (state != gsColSizing && state != gsRowSizing)) return;
  Lines(*this).EndSizing();
  if (state == gsColSizing) {
    d_->lines->SizeCol = d_->lines->SizeCandidate.x;
    d_->lines->SizeColWidth = d_->lines->SizeCol >= 0 ? ColWidths(d_->lines->SizeCol) : 0;
  } else {
    d_->lines->SizeRow = d_->lines->SizeCandidate.y;
    d_->lines->SizeRowHeight = d_->lines->SizeRow >= 0 ? RowHeights(d_->lines->SizeRow) : 0;
  }
  d_->lines->MouseSizing = true;
}

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // A column move is the left button's: a right release would end it.
  if (Button == mbRight && GetGridState() == gsColMoving) return;
  Mouse(*this).DisjunctCellRelease(MouseCoord(X, Y), Shift.Contains(ssCtrl));
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) Lines(*this).EndSizing();  // a sizing that changed nothing
}

// The stretch column takes what the others leave; the base's sizing follows only when they
// already fill the width.
void TExtStringGrid::Resize() {
  const int width = GetWidth();
  if (ColumnSize.Stretch && GetColCount() > 0) {
    const int count = GetColCount();
    const int stretch = ColumnSize.StretchColumn < 0 || ColumnSize.StretchColumn >= count
                            ? count - 1
                            : ColumnSize.StretchColumn;
    int others = 0;
    for (int c = 0; c < count; ++c)
      if (c != stretch) others += ColWidths(c);
    if (others < width) {
      TBaseGrid::Resize();
      StretchColumn(stretch);
      d_->lines->PreviousWidth = width;
      return;
    }
  }
  TBaseGrid::Resize();
  // Widths keep their exact share: rounded ones would never grow back from 0.
  if (ColumnSize.SynchWithGrid && d_->lines->PreviousWidth > 0 && width > 0) {
    const double ratio = static_cast<double>(width) / d_->lines->PreviousWidth;
    if (d_->lines->SynchWidths.size() != static_cast<size_t>(GetColCount())) {
      d_->lines->SynchWidths.assign(GetColCount(), 0);
      for (int c = 0; c < GetColCount(); ++c) d_->lines->SynchWidths[c] = ColWidths(c);
    }
    d_->lines->Synching = true;
    for (int c = 0; c < GetColCount(); ++c) {
      d_->lines->SynchWidths[c] *= ratio;
      SetColWidths(c, static_cast<int>(std::lround(d_->lines->SynchWidths[c])));
    }
    d_->lines->Synching = false;
  }
  if (width > 0) d_->lines->PreviousWidth = width;
  UpdateVScrollBar();
  UpdateHScrollBar();
}

bool TExtStringGrid::InSizeZone(int X, int Y) {
  constexpr int kZone = 4;
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return false;
  const TRect r = CellRect(cell.X, cell.Y);
  bool result = false;
  if (GetOptions().Contains(goColSizing) && cell.Y <= GetFixedRows())
    result = std::abs(X - r.Left) < kZone || std::abs(X - r.Right) < kZone;
  if (GetOptions().Contains(goRowSizing) && cell.X <= GetFixedCols())
    result = std::abs(Y - r.Top) < kZone || std::abs(Y - r.Bottom) < kZone;
  return result;
}

void TExtStringGrid::ScreenToCell(TPoint Point, int& ACol, int& ARow) {
  const TPoint client = ScreenToClient(Point);
  MouseToCell(client.x, client.y, ACol, ARow);
}
