// The grid's named bitmaps, drawn in code at their fixed sizes.
#include "components/grid/core/GridResources.h"

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

// The two looks of the check boxes and radio buttons: soft (a grey rim on a light face, a dark
// mark) and themed (a blue rim, a green mark). Disabled ones are grey through.
struct ControlArt {
  TColor Rim, Face, Mark;
};

ControlArt ArtOf(bool Themed, bool Enabled) {
  if (!Enabled) return {clGray, clBtnFace, clGray};
  return Themed ? ControlArt{RGB(0x1C, 0x51, 0x80), RGB(0xF4, 0xF4, 0xF0), RGB(0x21, 0xA1, 0x21)}
                : ControlArt{RGB(0x80, 0x80, 0x80), clWhite, RGB(0x20, 0x20, 0x60)};
}

constexpr int kCheckSize = 15;
constexpr int kRadioSize = 16;

// A square box with a tick, or a round button with a dot.
void DrawControlArt(TBitmap& Bitmap, bool Check, bool Themed, bool On, bool Enabled) {
  const int size = Check ? kCheckSize : kRadioSize;
  Clear(Bitmap, size);
  TCanvas& canvas = *Bitmap.Canvas;
  const ControlArt art = ArtOf(Themed, Enabled);
  canvas.Pen->SetColor(art.Rim);
  canvas.Brush->SetColor(art.Face);
  Check ? canvas.Rectangle(1, 1, size - 1, size - 1) : canvas.Ellipse(2, 2, size - 2, size - 2);
  if (!On) return;
  canvas.Pen->SetColor(art.Mark);
  canvas.Brush->SetColor(art.Mark);
  if (!Check) {
    canvas.Ellipse(5, 5, 11, 11);
    return;
  }
  for (int d = 0; d < 2; ++d) {  // a tick two pixels thick
    canvas.MoveTo(4, 7 + d);
    canvas.LineTo(6, 9 + d);
    canvas.LineTo(11, 4 + d);
  }
}

// A leaf: a small page with a corner turned, a triangle on it pointing right (closed) or
// down (open).
void DrawLeaf(TBitmap& Bitmap, bool Open) {
  Clear(Bitmap, 16);
  TCanvas& canvas = *Bitmap.Canvas;
  canvas.Brush->SetColor(clWhite);
  canvas.Polygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
  canvas.MoveTo(10, 1);
  canvas.LineTo(10, 4);
  canvas.LineTo(13, 4);
  canvas.Brush->SetColor(clNavy);
  canvas.Pen->SetColor(clNavy);
  if (Open)
    canvas.Polygon({{5, 7}, {11, 7}, {8, 10}});
  else
    canvas.Polygon({{6, 5}, {9, 8}, {6, 11}});
}

// "ESGCHK01" .. "ESGCHK08" and "ESGRAD01" .. "ESGRAD08": 1 on, 2 off, 3 on disabled,
// 4 off disabled; 5 to 8 the same in the themed look.
bool DrawNumberedControl(TBitmap& Bitmap, const AnsiString& Name) {
  const bool check = Name.rfind("ESGCHK0", 0) == 0;
  if ((!check && Name.rfind("ESGRAD0", 0) != 0) || Name.size() != 8) return false;
  const int n = Name[7] - '1';
  if (n < 0 || n > 7) return false;
  const bool themed = n >= 4, on = n % 2 == 0, enabled = n % 4 < 2;
  DrawControlArt(Bitmap, check, themed, on, enabled);
  return true;
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
  else if (Name == "ESGLEAFOPEN" || Name == "ESGLEAFCLOSE")
    DrawLeaf(Bitmap, Name == "ESGLEAFOPEN");
  else
    return DrawNumberedControl(Bitmap, Name);
  return true;
}
