// TExtStringGrid: zooming grows or shrinks every column and row by the same number of pixels.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/UpdateScope.h"
#include "components/grid/grid/paint/PaintState.h"

namespace {
constexpr int kZoomLimit = 10;
}

int TExtStringGrid::GetZoomLevel() const { return d_->paint->ZoomLevel; }

void TExtStringGrid::Zoom(int Delta) {
  const long long level = static_cast<long long>(d_->paint->ZoomLevel) + Delta;
  if (level < -kZoomLimit || level > kZoomLimit) return;
  d_->paint->ZoomLevel = static_cast<int>(level);
  TUpdateScope lock(*this);
  for (int c = 0; c < GetColCount(); ++c)
    if (ColWidths(c) + Delta > 0) SetColWidths(c, ColWidths(c) + Delta);
  for (int r = 0; r < GetRowCount(); ++r)
    if (RowHeights(r) + Delta > 0) SetRowHeights(r, RowHeights(r) + Delta);
}
