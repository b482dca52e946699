// TExtStringGrid: the background picture behind cells, either lying at one place of the
// client area (bdFixed) or tiled over the cells so that it scrolls with them (bdTile).
#include <algorithm>
#include <cstdint>

#include "components/grid/grid/paint/ExtGridCellPaint.h"

void TExtStringGrid::Painting::DrawBackgroundPicture(CellPaint& P) {
  TBitmap* bitmap = g.BackGround.GetBitmap();
  const TRect picture(g.BackGround.GetLeft(), g.BackGround.GetTop(),
                      g.BackGround.GetLeft() + bitmap->GetWidth(),
                      g.BackGround.GetTop() + bitmap->GetHeight());
  TRect part;
  if (!IntersectRect(part, picture, P.Rect)) return;
  TRect source = part;
  OffsetRect(source, -picture.Left, -picture.Top);
  const int mode = P.Canvas->SetBkMode(TRANSPARENT);
  P.Canvas->CopyRect(part, bitmap->Canvas, source);
  P.Canvas->SetBkMode(mode);
}

// The cell's place in the tiling counts the columns (rows) before it, from the first normal
// one for bcNormal.
void TExtStringGrid::Painting::DrawBackgroundPictureCell(CellPaint& P) {
  TBitmap* bitmap = g.BackGround.GetBitmap();
  const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
  if (w <= 0 || h <= 0) return;
  const bool normal = g.BackGround.GetCells() == bcNormal;
  const int64_t x = g.ColWidthsBetween(normal ? g.GetFixedCols() : 0, P.Col);
  const int64_t y = g.RowHeightsBetween(normal ? g.GetFixedRows() : 0, P.Row);
  const int startX = static_cast<int>(x % w), startY = static_cast<int>(y % h);
  const TRect& cell = P.Rect;
  for (int top = cell.Top, sy = startY; top < cell.Bottom; top += h - sy, sy = 0) {
    const int height = std::min(h - sy, cell.Bottom - top);
    for (int left = cell.Left, sx = startX; left < cell.Right; left += w - sx, sx = 0) {
      const int width = std::min(w - sx, cell.Right - left);
      P.Canvas->CopyRect({left, top, left + width, top + height}, bitmap->Canvas,
                         {sx, sy, sx + width, sy + height});
    }
  }
}
