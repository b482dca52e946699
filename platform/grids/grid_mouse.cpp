// The mouse of TCustomGrid: a press selects a cell (Shift extends from the anchor, a drag
// extends a range and scrolls on past the edges), a press at a border in the fixed cells sizes
// a column or row, a press on a fixed cell moves its column or row, and the wheel moves the
// current row.
#include <QApplication>
#include <QWidget>

#include "platform/grids/grid.h"
#include "platform/grids/inplace_edit.h"
#include "platform/graphics/qt/qt_cursor.h"
#include "platform/grids/qt/qt_grid_widget.h"

namespace {
constexpr int kSizingSlack = 3;  // pixels on each side of a border that size it
constexpr int kMinimumSize = 1;
constexpr int kScrollTimer = 1;  // drag selection and moves scroll on while it runs
constexpr int kScrollInterval = 60;

bool Sizing(TGridState state) { return state == gsColSizing || state == gsRowSizing; }
bool Moving(TGridState state) { return state == gsColMoving || state == gsRowMoving; }
GridAxis AxisOf(TGridState state) {
  return state == gsColSizing || state == gsColMoving ? GridAxis::Columns : GridAxis::Rows;
}
}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                  int& SizingOfs) {
  State = gsNormal;
  Index = -1;
  const TGridAxis& cols = shape_.Cols();
  const TGridAxis& rows = shape_.Rows();
  auto check = [&](const TGridAxis& along, int pos, int across, const TGridAxis& other,
                   TGridOption option, TGridState state) {
    if (State != gsNormal || !GetOptions().Contains(option) || across >= other.FixedExtent())
      return;
    int line = along.BorderNear(pos, kSizingSlack);
    int start, end;
    if (line < 0 || !along.Span(line, start, end)) return;
    State = state;
    Index = line;
    SizingPos = end;
    SizingOfs = pos - end;
  };
  check(rows, Y, X, cols, goRowSizing, gsRowSizing);
  check(cols, X, Y, rows, goColSizing, gsColSizing);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  dragMouse_ = {X, Y};
  if (!Focused() && !EditorFocused() && view_->isVisible() && CanFocus()) SetFocus();
  if (Button == mbLeft && !StartDrag(X, Y)) {
    TGridCoord cell = MouseCoord(X, Y);
    bool scrollable = cell.X >= GetFixedCols() && cell.Y >= GetFixedRows();
    // A second click, or a double click, on the same cell opens the editor.
    bool again = cell == shape_.Current() && (!Shift.Contains(ssDouble) || cell == pressCell_);
    bool editing = GetOptions().Contains(goEditing) && !GetOptions().Contains(goRowSelect);
    pressCell_ = cell;
    if (scrollable && again && editing && !Shift.Contains(ssShift)) {
      ShowEditor();
    } else if (scrollable) {
      bool extend = Shift.Contains(ssShift) && GetOptions().Contains(goRangeSelect);
      // A refused move (a value its validation refused) selects nothing by the drag either.
      const bool moved = MoveColRow(cell.X, cell.Y, !extend, true);
      if (moved && GetOptions().Contains(goRangeSelect) && !Shift.Contains(ssDouble)) {
        gridState_ = gsSelecting;
        SetTimer(kScrollTimer, kScrollInterval);
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  dragMouse_ = {X, Y};
  if (gridState_ == gsSelecting) {
    ExtendSelection(X, Y);
  } else if (gridState_ != gsNormal) {
    TrackDrag(X, Y);
  } else {
    TGridState state;
    int index, pos, offset;
    CalcSizingState(X, Y, state, index, pos, offset);
    TCursor cursor = state == gsColSizing   ? crHSplit
                     : state == gsRowSizing ? crVSplit
                                            : GetCursor();
    ShowClientCursor(cursor);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::ShowClientCursor(TCursor value) {
  clientCursor_ = value;
  view_->viewport()->setCursor(ToCursorShape(value));
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (gridState_ == gsSelecting) {
    ExtendSelection(X, Y);
    KillTimer(kScrollTimer);
    gridState_ = gsNormal;
  } else if (gridState_ != gsNormal) {
    TrackDrag(X, Y);
    EndDrag();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// Sizing at a border of the fixed cells, or moving a fixed cell's column or row.
bool TCustomGrid::StartDrag(int x, int y) {
  TGridState state;
  int index, pos, offset;
  CalcSizingState(x, y, state, index, pos, offset);
  if (state == gsNormal) {
    TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0) return false;
    if (GetOptions().Contains(goColMoving) && cell.Y < GetFixedRows() && cell.X >= GetFixedCols())
      state = gsColMoving, index = cell.X;
    else if (GetOptions().Contains(goRowMoving) && cell.X < GetFixedCols() &&
             cell.Y >= GetFixedRows())
      state = gsRowMoving, index = cell.Y;
    else
      return false;
    pos = offset = 0;
  }
  gridState_ = state;
  drag_ = {index, pos, offset, index};
  if (Moving(state)) SetTimer(kScrollTimer, kScrollInterval);
  Invalidate();
  return true;
}

void TCustomGrid::TrackDrag(int x, int y) {
  GridAxis axis = AxisOf(gridState_);
  const TGridAxis& along = shape_.Axis(axis);
  int pos = axis == GridAxis::Columns ? x : y;
  if (Sizing(gridState_)) {
    int start, end;
    if (along.Span(drag_.index, start, end))
      drag_.pos = std::max(pos - drag_.offset, start + kMinimumSize);
  } else {
    int line = along.LineAt(std::clamp(pos, along.FixedExtent(), std::max(along.Extent() - 1, 0)));
    if (line >= along.Fixed()) drag_.target = line;
  }
  Invalidate();
}

int TCustomGrid::GetSizingSize() const {
  int start, end;
  if (!Sizing(gridState_) || !shape_.Axis(AxisOf(gridState_)).Span(drag_.index, start, end))
    return -1;
  return drag_.pos - start;
}

void TCustomGrid::EndDrag() {
  TGridState state = gridState_;
  gridState_ = gsNormal;
  KillTimer(kScrollTimer);
  GridAxis axis = AxisOf(state);
  int start, end;
  if (Sizing(state) && shape_.Axis(axis).Span(drag_.index, start, end))
    SetLineSize(axis, drag_.index, drag_.pos - start);
  else if (Moving(state) && drag_.target != drag_.index)
    MoveLine(axis, drag_.index, drag_.target);
  Invalidate();
}

// The cell under the mouse, or the nearest shown one when the mouse is past an edge.
void TCustomGrid::ExtendSelection(int x, int y) {
  const TGridAxis& cols = shape_.Cols();
  const TGridAxis& rows = shape_.Rows();
  auto nearest = [](const TGridAxis& axis, int pos) {
    int line = axis.LineAt(std::clamp(pos, axis.FixedExtent(), std::max(axis.Extent() - 1, 0)));
    if (line < 0 || line < axis.Fixed())
      line = pos < axis.FixedExtent() ? axis.First() : axis.LastShown();
    return line;
  };
  int col = GetOptions().Contains(goRowSelect) ? GetCol() : nearest(cols, x);
  int row = nearest(rows, y);
  if (shape_.IsCell(col, row) && col >= cols.Fixed() && row >= rows.Fixed() &&
      TGridCoord{col, row} != shape_.Current())
    MoveColRow(col, row, false, true);
}

// While a drag rests past an edge of the cells, the grid scrolls on towards it.
void TCustomGrid::ScrollTowards(int x, int y) {
  const TGridAxis& cols = shape_.Cols();
  const TGridAxis& rows = shape_.Rows();
  auto step = [](const TGridAxis& axis, int pos) {
    if (pos < axis.FixedExtent()) return -1;
    return pos >= axis.Extent() ? 1 : 0;
  };
  TGridCoord topLeft = TopLeft();
  if (!Sizing(gridState_)) {
    if (gridState_ != gsRowMoving) topLeft.X += step(cols, x);
    if (gridState_ != gsColMoving) topLeft.Y += step(rows, y);
  }
  if (topLeft == TopLeft()) return;
  SetTopLeft(topLeft);
  gridState_ == gsSelecting ? ExtendSelection(x, y) : TrackDrag(x, y);
}

void TCustomGrid::WMTimer(int TimerID) {
  if (TimerID == kScrollTimer && gridState_ != gsNormal) ScrollTowards(dragMouse_.x, dragMouse_.y);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  int row = std::min(GetRow() + QApplication::wheelScrollLines(), GetRowCount() - 1);
  if (row > GetRow() && row >= GetFixedRows()) SetRow(row);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  int row = std::max(GetRow() - QApplication::wheelScrollLines(), GetFixedRows());
  if (row < GetRow() && row < GetRowCount()) SetRow(row);
  return true;
}
