// TExtStringGrid: drawing the graphics that are marks or controls: rotated text, progress
// bars, comment marks and buttons.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "components/grid/controls/ExtXPVS.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/logfont.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/edge.h"

// The text's turned box around its start point, then that box placed in R.
TPoint TExtStringGrid::CalcTextPos(TCanvas* Canvas, const TRect& R, int Angle,
                                   const AnsiString& Text, TAlignment Alignment,
                                   TVAlignment VAlignment) {
  const double a = Angle * std::numbers::pi / 180.0;
  const double w = Canvas->TextWidth(Text), h = Canvas->TextHeight("gh");
  // Screen y grows downwards: a counter-clockwise turn moves the text's end up.
  const double xs[] = {0, w * std::cos(a), h * std::sin(a), w * std::cos(a) + h * std::sin(a)};
  const double ys[] = {0, -w * std::sin(a), h * std::cos(a), h * std::cos(a) - w * std::sin(a)};
  const auto [minX, maxX] = std::minmax_element(std::begin(xs), std::end(xs));
  const auto [minY, maxY] = std::minmax_element(std::begin(ys), std::end(ys));
  double x = R.Left - *minX;
  if (Alignment == taRightJustify)
    x = R.Right - *maxX;
  else if (Alignment == taCenter)
    x = (R.Left + R.Right) / 2.0 - (*minX + *maxX) / 2;
  double y = R.Top - *minY;
  if (VAlignment == vtaBottom)
    y = R.Bottom - *maxY;
  else if (VAlignment == vtaCenter)
    y = (R.Top + R.Bottom) / 2.0 - (*minY + *maxY) / 2;
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

void TExtStringGrid::Painting::DrawRotated(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  const AnsiString text = g.GetCellEx(P.RealCol, P.Row);
  TRect r = P.Rect;
  InflateRect(r, -2, -2);
  // An angle read from a stream may be anything; a turn is a turn.
  const int angle = P.Graphic->CellAngle % 360;
  LOGFONT font = canvas->CurrentLogFont();
  font.lfEscapement = font.lfOrientation = angle * 10;
  HFONT rotated = CreateFontIndirect(&font);
  HFONT old = canvas->SelectFont(rotated);
  const unsigned oldAlign = canvas->SetTextAlign(TA_LEFT | TA_TOP);
  const TPoint at = g.CalcTextPos(canvas, r, angle, text, P.HAlign, P.VAlign);
  const TBrushStyle oldStyle = canvas->Brush->GetStyle();
  canvas->Brush->SetStyle(bsClear);
  canvas->TextRect(r, at.x, at.y, text);
  canvas->Brush->SetStyle(oldStyle);
  canvas->SetTextAlign(oldAlign);
  canvas->SelectFont(old);
  DeleteObject(rotated);
}

namespace {

TColor Inverse(TColor Color) { return ColorToRGB(Color) ^ 0xFFFFFF; }

}  // namespace

// The value is the cell's integer in percent, cut to 0..100, so the bar stays in its cell.
void TExtStringGrid::Painting::DrawProgress(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  const TCellGraphic& graphic = *P.Graphic;
  TRect bar = P.Rect;
  InflateRect(bar, -2, -2);
  const int value = std::clamp(CellGraphics(g).CellIntValue(P.RealCol, P.Row), 0, 100);
  const int split = bar.Left + static_cast<int>(std::lround(value * bar.Width() / 100.0));
  const TRect done(bar.Left, bar.Top, split, bar.Bottom);
  const TRect rest(split, bar.Top, bar.Right, bar.Bottom);
  const auto fill = [canvas](const TRect& R, TColor Color) {
    canvas->Brush->SetStyle(bsSolid);
    canvas->Brush->SetColor(Color);
    canvas->Pen->SetColor(Color);
    if (R.Width() > 0) canvas->FillRect(R);
  };
  fill(done, graphic.CellColor);
  fill(rest, graphic.CellColor2);

  const AnsiString text = g.GetCellEx(P.RealCol, P.Row) + "%";
  const int x = bar.Left + (bar.Width() - canvas->TextWidth(text)) / 2;
  const int y = bar.Top + (bar.Height() - canvas->TextHeight(text)) / 2;
  const bool own = graphic.CellBoolean;  // the extended form's text colours
  const int oldMode = canvas->SetBkMode(TRANSPARENT);
  canvas->Brush->SetStyle(bsClear);
  if (done.Width() > 0) {
    canvas->Font->SetColor(own ? static_cast<TColor>(graphic.CellIndex)
                               : Inverse(graphic.CellColor));
    canvas->TextRect(done, x, y, text);
  }
  if (rest.Width() > 0) {
    canvas->Font->SetColor(own ? static_cast<TColor>(graphic.CellAngle)
                               : Inverse(graphic.CellColor2));
    canvas->TextRect(rest, x, y, text);
  }
  canvas->SetBkMode(oldMode);
  canvas->Font->SetColor(P.FontColor);
  canvas->Brush->SetStyle(bsSolid);
  canvas->Brush->SetColor(clBlack);
  canvas->FrameRect(bar);
  InflateRect(bar, 1, 1);
  canvas->Brush->SetColor(P.Brush);
  canvas->FrameRect(bar);
}

void TExtStringGrid::Painting::DrawComment(CellPaint& P) {
  if (g.CommentColor == clNone) return;
  TCanvas* canvas = P.Canvas;
  const TRect& r = P.Rect;
  canvas->Brush->SetStyle(bsSolid);
  canvas->Brush->SetColor(g.CommentColor);
  canvas->Pen->SetColor(g.CommentColor);
  canvas->Polygon({{r.Right - 7, r.Top + 1}, {r.Right - 2, r.Top + 1}, {r.Right - 2, r.Top + 6}});
  canvas->Pen->SetColor(clBlack);
}

// The button's place in the cell is kept for the mouse (ButtonRect).
// A button's size comes from streams and pasted grids; it never draws beyond its cell, where
// the style would make room for all of it.
void TExtStringGrid::Painting::DrawButton(CellPaint& P, const TRect& Area) {
  TCanvas* canvas = P.Canvas;
  TCellGraphic& graphic = *P.Graphic;
  TRect R;
  IntersectRect(R, Area, P.Rect);
  graphic.CellValue =
      static_cast<double>((static_cast<uint32_t>((R.Top - P.Rect.Top) & 0xFFFF) << 16) |
                          static_cast<uint32_t>((R.Left - P.Rect.Left) & 0xFFFF));
  const bool down = graphic.CellBoolean;
  TRect caption = R;
  const bool themed = g.IsWinXP && DrawThemed(&g, "button", canvas, BP_PUSHBUTTON,
                                              down ? PBS_PRESSED : PBS_NORMAL, R);
  if (!themed) {
    TRect face = R;
    DrawFrameControl(canvas, &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (g.ControlLook.GetFlatButton() ? DFCS_FLAT : 0u) |
                         (down ? DFCS_PUSHED : 0u));
    InflateRect(caption, down ? -3 : -2, down ? -3 : -2);
  }
  if (TBitmap* glyph = graphic.GetBitmap();
      graphic.CellType == ctBitButton && glyph && !glyph->GetEmpty()) {
    const int top = caption.Top + (caption.Height() - glyph->GetHeight()) / 2;
    DrawBitmapTransp(canvas, glyph, clBtnFace, {caption.Left, top, caption.Right, caption.Bottom});
    caption.Left += glyph->GetWidth() + 2;
  }
  const int oldMode = canvas->SetBkMode(TRANSPARENT);
  DrawText(canvas, graphic.CellText.c_str(), static_cast<int>(graphic.CellText.size()), &caption,
           DT_END_ELLIPSIS | DT_VCENTER | DT_CENTER);
  canvas->SetBkMode(oldMode);
}
