#include "platform/grids/grid_navigation.h"

#include <algorithm>

namespace {

int ClampTo(const TGridAxis& axis, int index) {
  return std::clamp(index, axis.Fixed(), std::max(axis.Fixed(), axis.Count() - 1));
}

// Tab's next cell: along the row, then on to the next row, from the last cell to the first.
TGridCoord TabStep(const TGridShape& shape, TGridCoord cell, int direction) {
  const TGridAxis& cols = shape.Cols();
  const TGridAxis& rows = shape.Rows();
  cell.X += direction;
  if (cell.X >= cols.Count() || cell.X < cols.Fixed()) {
    cell.X = direction > 0 ? cols.Fixed() : cols.Count() - 1;
    cell.Y += direction;
    if (cell.Y >= rows.Count() || cell.Y < rows.Fixed())
      cell.Y = direction > 0 ? rows.Fixed() : rows.Count() - 1;
  }
  return cell;
}

}  // namespace

TGridMoveTarget GridStepTarget(const TGridShape& shape, GridStep step, bool toCorner) {
  const TGridAxis& cols = shape.Cols();
  const TGridAxis& rows = shape.Rows();
  bool rowSelect = shape.Options().Contains(goRowSelect);
  TGridCoord cell = shape.Current();
  TGridCoord topLeft{cols.First(), rows.First()};
  int page = rows.VisibleCount();
  switch (step) {
    case GridStep::Up: --cell.Y; break;
    case GridStep::Down: ++cell.Y; break;
    case GridStep::Left: (rowSelect ? topLeft.X : cell.X) -= 1; break;
    case GridStep::Right: (rowSelect ? topLeft.X : cell.X) += 1; break;
    case GridStep::PageUp:
      cell.Y -= page;
      topLeft.Y -= page;
      break;
    case GridStep::PageDown:
      cell.Y += page;
      topLeft.Y += page;
      break;
    case GridStep::Home:
      cell.X = cols.Fixed();
      if (toCorner || rowSelect) cell.Y = rows.Fixed();
      break;
    case GridStep::End:
      cell.X = cols.Count() - 1;
      if (toCorner || rowSelect) cell.Y = rows.Count() - 1;
      break;
    case GridStep::Tab: cell = TabStep(shape, cell, 1); break;
    case GridStep::BackTab: cell = TabStep(shape, cell, -1); break;
  }
  cell = {ClampTo(cols, cell.X), ClampTo(rows, cell.Y)};
  topLeft = {std::clamp(topLeft.X, cols.Fixed(), std::max(cols.Fixed(), cols.MaxFirst())),
             std::clamp(topLeft.Y, rows.Fixed(), std::max(rows.Fixed(), rows.MaxFirst()))};
  return {cell, topLeft};
}
