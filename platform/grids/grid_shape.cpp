#include "platform/grids/grid_shape.h"

#include <algorithm>

#include "platform/grids/grid_error.h"

namespace {
constexpr int kDefaultCount = 5;
constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 24;

int& Along(TGridCoord& cell, GridAxis axis) { return axis == GridAxis::Columns ? cell.X : cell.Y; }

// Where a line's index goes when the line at `from` moves to `to`.
int FollowMove(int index, int from, int to) {
  if (index == from) return to;
  if (from < to && index > from && index <= to) return index - 1;
  if (to < from && index >= to && index < from) return index + 1;
  return index;
}
}  // namespace

TGridShape::TGridShape()
    : cols_(kDefaultCount, 1, kDefaultColWidth),
      rows_(kDefaultCount, 1, kDefaultRowHeight),
      current_{1, 1},
      anchor_{1, 1} {
  ApplyLineWidths();
}

void TGridShape::SetCount(GridAxis axis, int count) {
  Edit(axis).SetCount(count);
  int last = std::max(Axis(axis).Count() - 1, 0);
  for (TGridCoord* cell : {&current_, &anchor_})
    Along(*cell, axis) = std::min(Along(*cell, axis), last);
}

void TGridShape::SetFixed(GridAxis axis, int fixed) {
  const TGridAxis& a = Axis(axis);
  if (fixed < 0) throw EInvalidGridOperation(kGridIndexOutOfRange);
  if (fixed > 0 && fixed >= a.Count())
    throw EInvalidGridOperation(axis == GridAxis::Columns ? kFixedColTooBig : kFixedRowTooBig);
  Edit(axis).SetFixed(fixed);
  for (TGridCoord* cell : {&current_, &anchor_})
    if (Along(*cell, axis) < fixed) Along(*cell, axis) = fixed;
}

void TGridShape::SetDefaultSize(GridAxis axis, int size) { Edit(axis).SetDefaultSize(size); }

void TGridShape::SetSize(GridAxis axis, int index, int size) {
  CheckIndex(axis, index);
  Edit(axis).SetSize(index, size);
}

void TGridShape::MoveLine(GridAxis axis, int from, int to) {
  CheckIndex(axis, from);
  CheckIndex(axis, to);
  Edit(axis).MoveLine(from, to);
  for (TGridCoord* cell : {&current_, &anchor_})
    Along(*cell, axis) = FollowMove(Along(*cell, axis), from, to);
}

void TGridShape::CheckIndex(GridAxis axis, int index) const {
  if (index < 0 || index >= Axis(axis).Count()) throw EInvalidGridOperation(kGridIndexOutOfRange);
}

void TGridShape::SetGridLineWidth(int width) {
  lineWidth_ = std::max(width, 0);
  ApplyLineWidths();
}

void TGridShape::SetOptions(TGridOptions options) {
  options_ = options;
  ApplyLineWidths();
}

// A grid line takes room only where the options draw it.
void TGridShape::ApplyLineWidths() {
  auto width = [this](TGridOption option) { return options_.Contains(option) ? lineWidth_ : 0; };
  cols_.SetLineWidths(width(goFixedVertLine), width(goVertLine));
  rows_.SetLineWidths(width(goFixedHorzLine), width(goHorzLine));
}

void TGridShape::SetClientSize(int width, int height) {
  cols_.SetExtent(width);
  rows_.SetExtent(height);
}

bool TGridShape::IsCell(int col, int row) const {
  return col >= 0 && row >= 0 && col < cols_.Count() && row < rows_.Count();
}

void TGridShape::SetCurrent(TGridCoord cell, bool moveAnchor) {
  current_ = cell;
  if (moveAnchor) anchor_ = cell;
}

TGridRect TGridShape::Selection() const {
  TGridRect rect = GridRectOf(anchor_, current_);
  if (options_.Contains(goRowSelect)) {
    rect.Left = cols_.Fixed();
    rect.Right = cols_.Count() - 1;
  }
  return rect;
}

void TGridShape::SetSelection(const TGridRect& rect) {
  anchor_ = rect.TopLeft();
  current_ = rect.BottomRight();
}

void TGridShape::ScrollInView(TGridCoord cell) {
  if (!options_.Contains(goRowSelect)) cols_.SetFirst(cols_.FirstShowing(cell.X));
  rows_.SetFirst(rows_.FirstShowing(cell.Y));
}

TRect TGridShape::CellRect(int col, int row) const {
  TRect r;
  if (!cols_.Span(col, r.Left, r.Right) || !rows_.Span(row, r.Top, r.Bottom)) return {};
  return r;
}

TGridCoord TGridShape::CellAt(int x, int y) const {
  TGridCoord cell{cols_.LineAt(x), rows_.LineAt(y)};
  if (cell.X < 0 || cell.Y < 0) return {-1, -1};
  return cell;
}
