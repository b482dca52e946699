// Where the navigation keys take a grid's current cell: one cell along, a page along, to the
// first or last cell, and Tab's walk from cell to cell, wrapping from row to row.
#pragma once

#include "platform/grids/grid_shape.h"

enum class GridStep { Up, Down, Left, Right, PageUp, PageDown, Home, End, Tab, BackTab };

struct TGridMoveTarget {
  TGridCoord cell;     // the new current cell
  TGridCoord topLeft;  // the new first column and row shown
};

// With row selection Left and Right scroll instead of moving, and Home and End go to the
// first and last row; with `toCorner` (Ctrl) Home and End do so in any grid. The target stays
// inside the scrollable cells.
TGridMoveTarget GridStepTarget(const TGridShape& shape, GridStep step, bool toCorner);
