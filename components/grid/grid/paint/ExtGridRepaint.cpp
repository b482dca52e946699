// TExtStringGrid: repainting a rectangle of cells with the merged blocks at its corners.
#include "components/grid/grid/ExtGrid.h"

void TExtStringGrid::RepaintRect(const TGridRect& R) {
  if (IsRectEmpty(TCustomGrid::CellRect(R.Left, R.Top)) ||
      IsRectEmpty(TCustomGrid::CellRect(R.Right, R.Bottom)))
    return Invalidate();
  TRect pixels;
  UnionRect(pixels, CellRect(R.Left, R.Top), CellRect(R.Right, R.Bottom));
  InvalidateClientRect(pixels);
}
