// TExtStringGrid: drawing a row on the printed page: each cell of the strip (the repeated
// fixed columns first) in its print colours, with its lines, its graphic and its text, and
// the page's own lines around the table. y grows upwards, so a row runs down from Y.
#include <algorithm>
#include <cmath>

#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/paint/CellTextFlags.h"
#include "components/grid/grid/printing/Printing.h"
#include "components/grid/html/FilePicture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

int TExtStringGrid::Printing::PrintRow(int ARow, int Y) {
  const int height = PrintedRowHeight(ARow);
  if (!P.Output()) return height;
  const Pass::Strip strip = P.Strips[static_cast<std::size_t>(P.StripIndex)];
  if (P.RepeatCols)
    for (int c = 0; c < std::min(g.GetFixedCols(), strip.First); ++c)
      PrintCell(c, ARow, P.X[static_cast<std::size_t>(c)], Y, height);
  for (int c = strip.First; c <= strip.Last; ++c)
    PrintCell(c, ARow, P.X[static_cast<std::size_t>(c)], Y, height);
  return height;
}

void TExtStringGrid::Printing::PrintCell(int ACol, int ARow, int X, int Y, int RowHeight) {
  const int real = g.RemapCol(ACol);
  if (!g.IsBaseCell(real, ARow)) return;  // its block is drawn with the base cell
  TCanvas* canvas = P.Canvas;
  const TPoint span = g.CellSpan(real, ARow);
  int right = X;
  for (int c = ACol; c <= std::min(ACol + std::max(0, span.x), g.GetColCount() - 1); ++c)
    right += P.Widths[static_cast<std::size_t>(c)] + P.Spacing;
  if (right > P.W) right = P.Right;
  int bottom = Y - RowHeight;
  for (int r = ARow + 1; r <= std::min(ARow + std::max(0, span.y), g.GetRowCount() - 1); ++r)
    bottom -= PrintedRowHeight(r);
  const bool cut = bottom < -P.H + g.PrintSettings.FooterSize;
  if (cut) bottom = Y - RowHeight;
  const TRect cell(X, Y, right, bottom);

  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  const int angle = PrintFont(real, ARow, hAlign, vAlign);
  canvas->Brush->SetStyle(bsSolid);
  canvas->FillRect(cell);
  PrintCellLines(real, ARow, cell, cut);

  const int h = PrintRowHeight(ARow);
  const int inset = P.Spacing / 2;
  const int above = P.Gap + h / 16 + g.PrintSettings.RowSpacing / 2;
  TRect text(X + inset, Y - above, right - inset, bottom + P.Gap);
  if (g.PrintSettings.PrintGraphics && !PrintCellGraphic(real, ARow, text, hAlign)) return;

  TTextType type = ttText;
  AnsiString value = PrintText(real, ARow, type);
  if (type == ttRTF) {
    canvas->Brush->SetStyle(bsClear);
    g.RTFPaint(real, ARow, canvas, text);
    return;
  }
  if (type == ttHTML) {
    PrintHTML(value, text, false);
    return;
  }
  if (g.URLShow && IsURL(value)) {
    if (!g.URLFull) StripURLProtocol(value);
    TFontStyles style = canvas->Font->GetStyle();
    canvas->Font->SetStyle(style << fsUnderline);
    canvas->Font->SetColor(g.URLColor);
  }
  const int mode = canvas->SetBkMode(TRANSPARENT);
  if (angle != 0) {
    // The placement is worked out with y growing downwards.
    const TRect down(text.Left, -text.Top, text.Right, -text.Bottom);
    const TPoint at = g.CalcTextPos(canvas, down, angle, value, hAlign, vAlign);
    canvas->TextOut(at.x, -at.y, value);
  } else {
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | HorizontalFlags(hAlign) | VerticalFlags(vAlign) |
                     WrapFlags(g.WordWrap, g.Multilinecells);
    if (!g.WordWrap && LinesInText(value, true) > 1) flags &= ~unsigned{DT_SINGLELINE};
    DrawText(canvas, value.c_str(), static_cast<int>(value.size()), &text, flags);
  }
  canvas->SetBkMode(mode);
}

// The lines the page's border style gives every cell, as the cell's hook changes them.
void TExtStringGrid::Printing::PrintCellLines(int RealCol, int ARow, const TRect& R,
                                              bool BottomCut) {
  TCellBorders sides;
  switch (g.PrintSettings.Borders) {
    case pbSingle:
    case pbDouble:
      sides << cbTop << cbLeft << cbRight << cbBottom;
      break;
    case pbVertical:
    case pbAroundVertical:
      sides << cbLeft << cbRight;
      break;
    case pbHorizontal:
    case pbAroundHorizontal:
      sides << cbTop << cbBottom;
      break;
    default:
      break;
  }
  TCanvas* canvas = P.Canvas;
  TPen pen;
  pen.Assign(*canvas->Pen);
  g.GetCellPrintBorder(RealCol, ARow, canvas->Pen, sides);
  if (BottomCut) sides >> cbBottom;
  const auto line = [&](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  if (sides.Contains(cbLeft)) line(R.Left, R.Top, R.Left, R.Bottom);
  if (sides.Contains(cbRight)) line(R.Right, R.Top, R.Right, R.Bottom);
  if (sides.Contains(cbTop)) line(R.Left, R.Top, R.Right, R.Top);
  if (sides.Contains(cbBottom)) line(R.Left, R.Bottom, R.Right, R.Bottom);
  canvas->Pen->Assign(pen);
}

// Bitmaps, icons and pictures at their printed size in the text rectangle's corner by their
// alignment; the controls as the screen draws them.
bool TExtStringGrid::Printing::PrintCellGraphic(int RealCol, int ARow, TRect& R,
                                                TAlignment HAlign) {
  TCellGraphic* graphic = g.GetCellGraphic(RealCol, ARow);
  if (!graphic) return true;
  TGraphic* image = nullptr;
  TFilePicture* file = nullptr;
  bool textShows = true;
  int w = 0;
  switch (graphic->CellType) {
    case ctBitmap:
      image = graphic->GetBitmap();
      break;
    case ctIcon:
      image = graphic->GetIcon();
      break;
    case ctPicture:
      if (TPicture* picture = graphic->GetPicture()) image = picture->GetGraphic();
      break;
    case ctFilePicture:
      file = graphic->GetFilePicture();
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctBitButton:
    case ctProgress:
    case ctImageList:
    case ctDataImage:
    case ctImages:
      w = PrintCellControl(RealCol, ARow, R, HAlign, textShows);
      break;
    default:
      return true;
  }
  if (image || file) {
    const int width = std::abs(R.Width()), height = std::abs(R.Height());
    const TSize pixels = g.GetPrintGraphicSize(RealCol, ARow, static_cast<int>(width / P.K),
                                               static_cast<int>(height / P.K), 1.0);
    w = std::min(width, static_cast<int>(std::lround(pixels.cx * P.K)));
    const int h = std::min(height, static_cast<int>(std::lround(pixels.cy * P.K)));
    int left = R.Left;
    if (graphic->CellHAlign == haRight || graphic->CellHAlign == haAfterText)
      left = R.Right - w;
    else if (graphic->CellHAlign == haCenter)
      left = R.Left + (width - w) / 2;
    int top = R.Top;
    if (graphic->CellVAlign == vaBottom || graphic->CellVAlign == vaUnderText)
      top = R.Bottom + h;
    else if (graphic->CellVAlign == vaCenter)
      top = R.Top - (height - h) / 2;
    const TRect target(left, top, left + w, top - h);
    if (TBitmap* bitmap = dynamic_cast<TBitmap*>(image))
      g.PrintBitmap(P.Canvas, target, bitmap);
    else if (image)
      P.Canvas->StretchDraw(target, image);
    if (file) file->DrawPicture(P.Canvas, target);
  }
  if (graphic->CellHAlign == haBeforeText) R.Left += w;
  if (graphic->CellHAlign == haAfterText) R.Right -= w;
  return textShows;
}

void TExtStringGrid::Printing::PrintBorders() {
  const TPrintBorders borders = g.PrintSettings.Borders;
  TCanvas* canvas = P.Canvas;
  const auto line = [&](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  if (borders == pbAround || borders == pbAroundVertical || borders == pbAroundHorizontal) {
    line(P.Left, P.TableTop, P.Right, P.TableTop);
    line(P.Right, P.TableTop, P.Right, P.Y);
    line(P.Right, P.Y, P.Left, P.Y);
    line(P.Left, P.Y, P.Left, P.TableTop);
  }
  if (borders == pbDouble || borders == pbHorizontal || borders == pbAroundHorizontal)
    line(P.Left, P.Y, P.Right, P.Y);
  if ((borders == pbDouble || borders == pbVertical || borders == pbAroundVertical) &&
      P.RepeatCols) {
    const int first = P.Strips[static_cast<std::size_t>(P.StripIndex)].First;
    for (int c = 0; c < std::min(g.GetFixedCols(), first); ++c)
      line(P.X[static_cast<std::size_t>(c)], P.TableTop, P.X[static_cast<std::size_t>(c)], P.Y);
  }
}

void TExtStringGrid::PrintBitmap(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap) {
  PrintBitmapRop(Canvas, Rect, Bitmap, SRCCOPY);
}

void TExtStringGrid::PrintBitmapRop(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap,
                                    TCopyMode Rop) {
  if (!Canvas || !Bitmap) return;
  const TCopyMode mode = Canvas->GetCopyMode();
  Canvas->SetCopyMode(Rop);
  Canvas->StretchDraw(Rect, Bitmap);
  Canvas->SetCopyMode(mode);
}
