// The grid's named bitmaps, drawn in code at their fixed sizes.
#include "components/grid/GridResources.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr TColor kBackground = clFuchsia;  // no glyph uses it

void Clear(TBitmap& Bitmap, int Size) {
  Bitmap.SetSize(Size, Size);
  TCanvas& canvas = *Bitmap.Canvas;
  canvas.Brush->SetStyle(bsSolid);
  canvas.Brush->SetColor(kBackground);
  canvas.FillRect({0, 0, Size, Size});
  canvas.Pen->SetColor(clBlack);
  canvas.Pen->SetWidth(1);
}

// A funnel: a wide rim narrowing to a spout.
void DrawFilter(TBitmap& Bitmap) {
  Clear(Bitmap, 16);
  TCanvas& canvas = *Bitmap.Canvas;
  canvas.Brush->SetColor(clGray);
  canvas.Polygon({{2, 3}, {13, 3}, {9, 8}, {9, 13}, {6, 14}, {6, 8}});
}

// A filled arrow head from the centre of a 32-pixel square towards (dx, dy).
void DrawArrow(TCanvas& Canvas, int dx, int dy) {
  const int c = 15;
  const int tip = 13, base = 7, half = 4;
  // Across the arrow's direction.
  const int ax = -dy, ay = dx;
  Canvas.Polygon({{c + dx * tip, c + dy * tip},
                  {c + dx * base + ax * half, c + dy * base + ay * half},
                  {c + dx * base - ax * half, c + dy * base - ay * half}});
}

// A ring round a dot, with arrows the ways panning may go.
void DrawPanOrigin(TBitmap& Bitmap, bool Vertical, bool Horizontal) {
  Clear(Bitmap, 32);
  TCanvas& canvas = *Bitmap.Canvas;
  canvas.Brush->SetColor(clWhite);
  canvas.Ellipse(4, 4, 27, 27);
  canvas.Brush->SetColor(clBlack);
  canvas.Ellipse(13, 13, 18, 18);
  if (Vertical) {
    DrawArrow(canvas, 0, -1);
    DrawArrow(canvas, 0, 1);
  }
  if (Horizontal) {
    DrawArrow(canvas, -1, 0);
    DrawArrow(canvas, 1, 0);
  }
}

}  // namespace

bool LoadBitmapResource(TBitmap& Bitmap, const AnsiString& Name) {
  if (Name == "ESGFILT")
    DrawFilter(Bitmap);
  else if (Name == "INTLI1")
    DrawPanOrigin(Bitmap, true, false);
  else if (Name == "INTLI2")
    DrawPanOrigin(Bitmap, false, true);
  else if (Name == "INTLI3")
    DrawPanOrigin(Bitmap, true, true);
  else
    return false;
  return true;
}
