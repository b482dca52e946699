// The shape of a grid and where it stands, apart from any window: both axes with their
// counts, fixed lines and sizes, the grid lines the options draw, the current cell, the anchor
// of a range selection and the selection they span. It keeps the class library's rules (fixed
// counts below the counts, the current cell inside the grid, the first lines shown clamped)
// and raises its messages.
#pragma once

#include "platform/graphics/geometry.h"
#include "platform/grids/grid_axis.h"
#include "platform/grids/grid_types.h"

enum class GridAxis { Columns, Rows };

class TGridShape {
 public:
  TGridShape();

  const TGridAxis& Axis(GridAxis axis) const { return axis == GridAxis::Columns ? cols_ : rows_; }
  const TGridAxis& Cols() const { return cols_; }
  const TGridAxis& Rows() const { return rows_; }

  // A count that drops below the current cell moves it to the last line.
  void SetCount(GridAxis axis, int count);
  // Raises EInvalidGridOperation unless 0 <= fixed < count; the current cell and the anchor
  // leave the fixed lines.
  void SetFixed(GridAxis axis, int fixed);
  void SetDefaultSize(GridAxis axis, int size);
  void SetSize(GridAxis axis, int index, int size);  // raises outside the count
  // Raises outside the count; the current cell and the anchor follow the lines they are on.
  void MoveLine(GridAxis axis, int from, int to);
  // Line p takes the size of line order[p]; the current cell and the anchor stay.
  void PermuteLines(GridAxis axis, const std::vector<int>& order) { Edit(axis).Permute(order); }
  void SetFirst(GridAxis axis, int index) { Edit(axis).SetFirst(index); }

  int GridLineWidth() const { return lineWidth_; }
  void SetGridLineWidth(int width);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options);
  void SetClientSize(int width, int height);

  bool IsCell(int col, int row) const;
  TGridCoord Current() const { return current_; }
  TGridCoord Anchor() const { return anchor_; }
  // Places the current cell (and the anchor with it) where the caller decided.
  void SetCurrent(TGridCoord cell, bool moveAnchor);
  // The rectangle of the anchor and the current cell; whole rows with goRowSelect.
  TGridRect Selection() const;
  // Any rectangle, even outside the grid: its top left becomes the anchor, its bottom right
  // the current cell.
  void SetSelection(const TGridRect& rect);
  // The cell's rectangle in client pixels, its grid lines outside it; empty when the cell is
  // not shown.
  TRect CellRect(int col, int row) const;
  // The cell under a client point, its grid lines included; (-1, -1) outside every cell shown.
  TGridCoord CellAt(int x, int y) const;

  // Scrolls as little as shows the cell whole.
  void ScrollInView(TGridCoord cell);

 private:
  TGridAxis cols_;
  TGridAxis rows_;
  int lineWidth_ = 1;
  TGridOptions options_ = kDefaultGridOptions;
  TGridCoord current_;
  TGridCoord anchor_;

  TGridAxis& Edit(GridAxis axis) { return axis == GridAxis::Columns ? cols_ : rows_; }
  void ApplyLineWidths();
  void CheckIndex(GridAxis axis, int index) const;
};
