// TExtStringGrid: sizing: a column stretched over what the client width leaves, all columns
// (rows) scaled with the one the mouse sizes, the widths following the grid's own width
// (ColumnSize.SynchWithGrid), the size zone, and the events at the end of a mouse sizing.
#include <algorithm>
#include <cmath>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/cells/LineState.h"
#include "components/grid/grid/cells/Lines.h"
#include "components/grid/grid/input/Mouse.h"

void TExtStringGrid::StretchColumn(int ACol) {
  const int count = GetColCount();
  if (count <= 0 || !ColumnSize.Stretch) return;
  if (ACol == -1) ACol = count - 1;
  // A column that does not exist has no width to take.
  if (ACol < 0 || ACol >= count) return;
  const bool wasEnabled = lines_->StretchEnabled;
  lines_->StretchEnabled = false;
  if (count == 1) {
    SetColWidths(ACol, GetClientWidth());
  } else {
    int others = 0;
    for (int c = 0; c < count; ++c)
      if (c != ACol) others += ColWidths(c);
    if (GetClientWidth() > others) SetColWidths(ACol, GetClientWidth() - others - 1);
  }
  lines_->StretchEnabled = wasEnabled;
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
  if (lines_->FixedFooters > 0 || lines_->FixedRightCols > 0) Invalidate();
}

// Every other non-fixed line scaled as the sized one was; the sizing flag is off meanwhile,
// so the changes do not scale again.
void TExtStringGrid::Lines::ScaleOtherLines(bool Columns, int Sized, double Ratio) {
  g.lines_->MouseSizing = false;
  const int count = Columns ? g.GetColCount() : g.GetRowCount();
  const int fixed = Columns ? g.GetFixedCols() : g.GetFixedRows();
  for (int i = fixed; i < count; ++i) {
    if (i == Sized) continue;
    const int size =
        static_cast<int>(std::lround((Columns ? g.ColWidths(i) : g.RowHeights(i)) * Ratio));
    Columns ? g.SetColWidths(i, size) : g.SetRowHeights(i, size);
  }
  g.lines_->MouseSizing = true;
}

void TExtStringGrid::ColWidthsChanged() {
  if (!lines_->Synching) lines_->SynchWidths.clear();
  if (lines_->StretchEnabled) StretchColumn(ColumnSize.StretchColumn);
  TBaseGrid::ColWidthsChanged();
  if (lines_->MouseSizing && lines_->SizeCol >= 0 && lines_->SizeCol < GetColCount()) {
    const int col = lines_->SizeCol;
    Lines lines(*this);
    if (MouseActions.AllColumnSize && lines_->SizeColWidth > 0)
      lines.ScaleOtherLines(true, col, static_cast<double>(ColWidths(col)) / lines_->SizeColWidth);
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
  if (!lines_->MouseSizing || lines_->SizeRow < 0 || lines_->SizeRow >= GetRowCount()) return;
  const int row = lines_->SizeRow;
  Lines lines(*this);
  if (MouseActions.AllRowSize && lines_->SizeRowHeight > 0)
    lines.ScaleOtherLines(false, row, static_cast<double>(RowHeights(row)) / lines_->SizeRowHeight);
  lines.EndSizing();
  if (OnEndRowSize) OnEndRowSize(this, row);
}

void TExtStringGrid::Lines::EndSizing() {
  g.lines_->SizeCol = -1;
  g.lines_->SizeRow = -1;
  g.lines_->MouseSizing = false;
}

// The line a press at a border would size, noted for MouseDown.
void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  const TGridState state = GetGridState();
  if (Button != mbLeft || (state != gsColSizing && state != gsRowSizing)) return;
  Lines(*this).EndSizing();
  if (state == gsColSizing) {
    lines_->SizeCol = lines_->SizeCandidate.x;
    lines_->SizeColWidth = lines_->SizeCol >= 0 ? ColWidths(lines_->SizeCol) : 0;
  } else {
    lines_->SizeRow = lines_->SizeCandidate.y;
    lines_->SizeRowHeight = lines_->SizeRow >= 0 ? RowHeights(lines_->SizeRow) : 0;
  }
  lines_->MouseSizing = true;
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
      lines_->PreviousWidth = width;
      return;
    }
  }
  TBaseGrid::Resize();
  // Widths keep their exact share: rounded ones would never grow back from 0.
  if (ColumnSize.SynchWithGrid && lines_->PreviousWidth > 0 && width > 0) {
    const double ratio = static_cast<double>(width) / lines_->PreviousWidth;
    if (lines_->SynchWidths.size() != static_cast<size_t>(GetColCount())) {
      lines_->SynchWidths.assign(GetColCount(), 0);
      for (int c = 0; c < GetColCount(); ++c) lines_->SynchWidths[c] = ColWidths(c);
    }
    lines_->Synching = true;
    for (int c = 0; c < GetColCount(); ++c) {
      lines_->SynchWidths[c] *= ratio;
      SetColWidths(c, static_cast<int>(std::lround(lines_->SynchWidths[c])));
    }
    lines_->Synching = false;
  }
  if (width > 0) lines_->PreviousWidth = width;
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
