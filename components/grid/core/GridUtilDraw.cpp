// Drawing helpers: bitmaps with a transparent background colour, colour gradients and the red
// zigzag under a marked stretch of text.
#include <cmath>

#include "components/grid/core/EditLayout.h"
#include "components/grid/core/GridResources.h"
#include "components/grid/core/GridUtil.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr int kZigzagStep = 3;
constexpr int kZigzagDepth = 3;
constexpr int kPastEndGap = 4;

// The character's position; past the end of the text, a little right of the last character.
TPoint MarkerPos(const EditLayout& layout, int index, int lastIndex) {
  TPoint pos;
  if (layout.PosFromChar(index, pos)) return pos;
  layout.PosFromChar(lastIndex, pos);
  return {pos.x + kPastEndGap, pos.y};
}

}  // namespace

void DrawBitmapTransp(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& Rect) {
  const int w = Bitmap->GetWidth(), h = Bitmap->GetHeight();
  if (w <= 0 || h <= 0) return;
  TBitmap work;
  work.SetSize(w, h);
  const TColor background = Bitmap->Canvas->GetPixels(0, 0);
  const TColor fill = ColorToRGB(Color);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      TColor pixel = Bitmap->Canvas->GetPixels(x, y);
      work.Canvas->SetPixels(x, y, pixel == background ? fill : pixel);
    }
  Canvas->Draw(Rect.Left, Rect.Top, &work);
}

void DrawBitmapResourceTransp(TCanvas* Canvas, TColor Color, const TRect& Rect,
                              const AnsiString& ResourceName) {
  TBitmap bitmap;
  if (LoadBitmapResource(bitmap, ResourceName)) DrawBitmapTransp(Canvas, &bitmap, Color, Rect);
}

void DrawGradient(TCanvas* Canvas, TColor From, TColor To, int Steps, bool Vertical,
                  const TRect& Rect) {
  if (Steps <= 0) Steps = 1;
  const TColor from = ColorToRGB(From), to = ColorToRGB(To);
  const double stepR = (GetRValue(to) - GetRValue(from)) / static_cast<double>(Steps);
  const double stepG = (GetGValue(to) - GetGValue(from)) / static_cast<double>(Steps);
  const double stepB = (GetBValue(to) - GetBValue(from)) / static_cast<double>(Steps);
  const double band = (Vertical ? Rect.Height() : Rect.Width()) / static_cast<double>(Steps);
  for (int i = 0; i < Steps; ++i) {
    const TColor color = RGB(GetRValue(from) + static_cast<int>(std::lround(i * stepR)),
                             GetGValue(from) + static_cast<int>(std::lround(i * stepG)),
                             GetBValue(from) + static_cast<int>(std::lround(i * stepB)));
    Canvas->Pen->SetColor(color);
    Canvas->Brush->SetColor(color);
    const int start = static_cast<int>(std::lround(i * band));
    const int end = static_cast<int>(std::lround((i + 1) * band)) + 1;
    if (Vertical)
      Canvas->Rectangle(Rect.Left, Rect.Top + start, Rect.Right, Rect.Top + end);
    else
      Canvas->Rectangle(Rect.Left + start, Rect.Top, Rect.Left + end, Rect.Bottom);
  }
}

void DrawErrorLines(TWinControl* /*Parent*/, TCanvas* Canvas, const AnsiString& Text,
                    const TRect& Rect, int YOffset, int ErrorStart, int ErrorLength) {
  if (Text.empty()) return;
  const EditLayout layout(*Canvas, Text, Rect.Width());
  const int last = static_cast<int>(Text.size()) - 1;
  const TPoint start = MarkerPos(layout, ErrorStart, last);
  TPoint end = MarkerPos(layout, ErrorStart + ErrorLength - 1, last);
  if (ErrorStart + ErrorLength - 1 > last) end.y = start.y;

  const TColor penColor = Canvas->Pen->GetColor();
  const int penWidth = Canvas->Pen->GetWidth();
  Canvas->Pen->SetColor(clRed);
  Canvas->Pen->SetWidth(2);
  const int base = Rect.Top + YOffset;
  Canvas->MoveTo(Rect.Left + start.x, base + start.y + kZigzagDepth);
  bool deep = true;
  for (int x = start.x; x <= end.x;) {
    x += kZigzagStep;
    deep = !deep;
    Canvas->LineTo(Rect.Left + x, base + end.y + (deep ? kZigzagDepth : 0));
  }
  Canvas->Pen->SetColor(penColor);
  Canvas->Pen->SetWidth(penWidth);
}
