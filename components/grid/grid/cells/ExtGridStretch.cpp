// TExtStringGrid: sizing: a column stretched over what the client width leaves, all columns
// (rows) scaled with the one the mouse sizes, the widths following the grid's own width
// (ColumnSize.SynchWithGrid), the size zone, and the events at the end of a mouse sizing.
#include <algorithm>
#include <cmath>

#include "components/grid/grid/ExtGrid.h"

void TExtStringGrid::StretchColumn(int ACol) {
  const int count = GetColCount();
  if (count <= 0 || !ColumnSize.Stretch) return;
  if (ACol == -1) ACol = count - 1;
  // A column that does not exist has no width to take.
  if (ACol < 0 || ACol >= count) return;
  const bool wasEnabled = stretchEnabled_;
  stretchEnabled_ = false;
  if (count == 1) {
    SetColWidths(ACol, GetClientWidth());
  } else {
    int others = 0;
    for (int c = 0; c < count; ++c)
      if (c != ACol) others += ColWidths(c);
    if (GetClientWidth() > others) SetColWidths(ACol, GetClientWidth() - others - 1);
  }
  stretchEnabled_ = wasEnabled;
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
  if (fixedFooters_ > 0 || fixedRightCols_ > 0) Invalidate();
}

// Every other non-fixed line scaled as the sized one was; the sizing flag is off meanwhile,
// so the changes do not scale again.
void TExtStringGrid::ScaleOtherLines(bool Columns, int Sized, double Ratio) {
  mouseSizing_ = false;
  const int count = Columns ? GetColCount() : GetRowCount();
  const int fixed = Columns ? GetFixedCols() : GetFixedRows();
  for (int i = fixed; i < count; ++i) {
    if (i == Sized) continue;
    const int size = static_cast<int>(std::lround((Columns ? ColWidths(i) : RowHeights(i)) * Ratio));
    Columns ? SetColWidths(i, size) : SetRowHeights(i, size);
  }
  mouseSizing_ = true;
}

void TExtStringGrid::ColWidthsChanged() {
  if (!synching_) synchWidths_.clear();
  if (stretchEnabled_) StretchColumn(ColumnSize.StretchColumn);
  TBaseGrid::ColWidthsChanged();
  if (mouseSizing_ && sizeCol_ >= 0 && sizeCol_ < GetColCount()) {
    const int col = sizeCol_;
    if (MouseActions.AllColumnSize && sizeColWidth_ > 0)
      ScaleOtherLines(true, col, static_cast<double>(ColWidths(col)) / sizeColWidth_);
    EndSizing();
    if (OnEndColumnSize) OnEndColumnSize(this, col);
    int width = ColWidths(col);
    UpdateColSize(col, width);
    SetColWidths(col, width);
  }
  UpdateFooter();
}

void TExtStringGrid::RowHeightsChanged() {
  TBaseGrid::RowHeightsChanged();
  if (!mouseSizing_ || sizeRow_ < 0 || sizeRow_ >= GetRowCount()) return;
  const int row = sizeRow_;
  if (MouseActions.AllRowSize && sizeRowHeight_ > 0)
    ScaleOtherLines(false, row, static_cast<double>(RowHeights(row)) / sizeRowHeight_);
  EndSizing();
  if (OnEndRowSize) OnEndRowSize(this, row);
}

void TExtStringGrid::EndSizing() {
  sizeCol_ = -1;
  sizeRow_ = -1;
  mouseSizing_ = false;
}

// The line a press at a border would size, noted for MouseDown.
void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  const TGridState state = GetGridState();
  if (Button != mbLeft || (state != gsColSizing && state != gsRowSizing)) return;
  EndSizing();
  if (state == gsColSizing) {
    sizeCol_ = sizeCandidate_.x;
    sizeColWidth_ = sizeCol_ >= 0 ? ColWidths(sizeCol_) : 0;
  } else {
    sizeRow_ = sizeCandidate_.y;
    sizeRowHeight_ = sizeRow_ >= 0 ? RowHeights(sizeRow_) : 0;
  }
  mouseSizing_ = true;
}

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // A column move is the left button's: a right release would end it.
  if (Button == mbRight && GetGridState() == gsColMoving) return;
  DisjunctCellRelease(MouseCoord(X, Y), Shift.Contains(ssCtrl));
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) EndSizing();  // a sizing that changed nothing
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
      previousWidth_ = width;
      return;
    }
  }
  TBaseGrid::Resize();
  // Widths keep their exact share: rounded ones would never grow back from 0.
  if (ColumnSize.SynchWithGrid && previousWidth_ > 0 && width > 0) {
    const double ratio = static_cast<double>(width) / previousWidth_;
    if (synchWidths_.size() != static_cast<size_t>(GetColCount())) {
      synchWidths_.assign(GetColCount(), 0);
      for (int c = 0; c < GetColCount(); ++c) synchWidths_[c] = ColWidths(c);
    }
    synching_ = true;
    for (int c = 0; c < GetColCount(); ++c) {
      synchWidths_[c] *= ratio;
      SetColWidths(c, static_cast<int>(std::lround(synchWidths_[c])));
    }
    synching_ = false;
  }
  if (width > 0) previousWidth_ = width;
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
