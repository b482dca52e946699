#include <gtest/gtest.h>

#include "paint_helpers.h"
#include "platform/winapi/gdi.h"

namespace {

class CanvasTest : public ::testing::Test {
 protected:
  std::unique_ptr<TBitmap> bitmap = WhiteBitmap(40, 40);
  TCanvas* canvas = bitmap->Canvas;
  TColor At(int x, int y) { return canvas->GetPixels(x, y); }
};

TEST_F(CanvasTest, FillRectCoversLeftAndTopEdgesButNotRightAndBottom) {
  canvas->Brush->SetColor(clRed);
  canvas->FillRect(Rect(10, 10, 20, 20));
  EXPECT_EQ(At(10, 10), clRed);
  EXPECT_EQ(At(19, 19), clRed);
  EXPECT_EQ(At(20, 19), clWhite);
  EXPECT_EQ(At(19, 20), clWhite);
  EXPECT_EQ(At(9, 10), clWhite);
  EXPECT_EQ(InkBox(*bitmap), Rect(10, 10, 20, 20));
}

TEST_F(CanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  canvas->Brush->SetColor(clLime);
  canvas->Rectangle(10, 10, 20, 20);
  EXPECT_EQ(At(10, 10), clBlack);
  EXPECT_EQ(At(19, 15), clBlack);
  EXPECT_EQ(At(15, 19), clBlack);
  EXPECT_EQ(At(15, 15), clLime);
  EXPECT_EQ(InkBox(*bitmap), Rect(10, 10, 20, 20));

  // Without a pen the fill stops one pixel short on the right and at the bottom.
  canvas->Pen->SetStyle(psClear);
  canvas->Brush->SetColor(clBlue);
  canvas->Rectangle(25, 25, 35, 35);
  EXPECT_EQ(At(25, 25), clBlue);
  EXPECT_EQ(At(33, 33), clBlue);
  EXPECT_EQ(At(34, 34), clWhite);
}

TEST_F(CanvasTest, FrameRectDrawsOnePixelInTheBrushColour) {
  canvas->Brush->SetColor(clNavy);
  canvas->FrameRect(Rect(5, 5, 15, 12));
  EXPECT_EQ(At(5, 5), clNavy);
  EXPECT_EQ(At(14, 11), clNavy);
  EXPECT_EQ(At(6, 6), clWhite);
  EXPECT_EQ(InkBox(*bitmap), Rect(5, 5, 15, 12));
}

TEST_F(CanvasTest, LineToLeavesTheEndPointUndrawnAndMovesThePen) {
  canvas->MoveTo(2, 5);
  canvas->LineTo(12, 5);
  EXPECT_EQ(At(2, 5), clBlack);
  EXPECT_EQ(At(11, 5), clBlack);
  EXPECT_EQ(At(12, 5), clWhite);
  EXPECT_EQ(canvas->GetPenPos(), Point(12, 5));
  canvas->LineTo(12, 15);
  EXPECT_EQ(At(12, 5), clBlack);
  EXPECT_EQ(At(12, 14), clBlack);
  EXPECT_EQ(At(12, 15), clWhite);
}

TEST_F(CanvasTest, XorDrawingTwiceRestoresTheImage) {
  canvas->Brush->SetColor(clYellow);
  canvas->FillRect(Rect(0, 0, 20, 40));
  bitmap->Canvas->Pen->SetMode(pmXor);
  canvas->Pen->SetColor(clWhite);
  canvas->Pen->SetStyle(psDot);
  for (int pass = 0; pass < 2; ++pass) {
    canvas->MoveTo(10, 0);
    canvas->LineTo(10, 40);
    if (pass == 0) {
      EXPECT_EQ(At(10, 0), clBlue);  // yellow XOR white
    }
  }
  EXPECT_EQ(At(10, 0), clYellow);
  EXPECT_EQ(At(30, 0), clWhite);
}

TEST_F(CanvasTest, FocusRectIsDottedAndVanishesWhenDrawnTwice) {
  canvas->Brush->SetColor(clWhite);
  canvas->DrawFocusRect(Rect(4, 4, 20, 16));
  EXPECT_EQ(At(4, 4), clBlack);
  EXPECT_EQ(At(5, 4), clWhite);
  EXPECT_EQ(At(6, 4), clBlack);
  EXPECT_EQ(At(10, 10), clWhite);
  EXPECT_EQ(InkBox(*bitmap), Rect(4, 4, 20, 16));
  canvas->DrawFocusRect(Rect(4, 4, 20, 16));
  EXPECT_TRUE(IsRectEmpty(InkBox(*bitmap)));
}

TEST_F(CanvasTest, ClippingToRectanglesAndRegionsWithSaveAndRestore) {
  int saved = SaveDC(canvas);
  IntersectClipRect(canvas, 0, 0, 10, 10);
  canvas->Brush->SetColor(clRed);
  canvas->FillRect(Rect(0, 0, 40, 40));
  EXPECT_EQ(canvas->GetClipRect(), Rect(0, 0, 10, 10));
  EXPECT_EQ(At(20, 20), CLR_INVALID);  // outside the clip region
  RestoreDC(canvas, saved);
  EXPECT_EQ(canvas->GetClipRect(), Rect(0, 0, 40, 40));
  EXPECT_EQ(InkBox(*bitmap), Rect(0, 0, 10, 10));

  HRGN a = CreateRectRgn(20, 20, 30, 30);
  HRGN b = CreateRectRgn(25, 25, 40, 40);
  EXPECT_EQ(CombineRgn(a, a, b, RGN_DIFF), COMPLEXREGION);
  SelectClipRgn(canvas, a);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas, copy), 1);
  EXPECT_TRUE(PtInRegion(copy, 21, 28));
  EXPECT_FALSE(PtInRegion(copy, 27, 27));
  canvas->Brush->SetColor(clBlue);
  canvas->FillRect(Rect(0, 0, 40, 40));
  SelectClipRgn(canvas, nullptr);
  EXPECT_EQ(GetClipRgn(canvas, copy), 0);
  EXPECT_EQ(At(21, 21), clBlue);
  EXPECT_EQ(At(27, 27), clWhite);
  EXPECT_EQ(At(9, 9), clRed);
  EXPECT_EQ(At(10, 9), clWhite);

  ExcludeClipRect(canvas, 0, 0, 40, 35);
  canvas->Brush->SetColor(clGreen);
  canvas->FillRect(Rect(0, 0, 40, 40));
  SelectClipRgn(canvas, nullptr);
  EXPECT_EQ(At(0, 34), clWhite);
  EXPECT_EQ(At(0, 35), clGreen);
  for (HRGN r : {a, b, copy}) DeleteObject(r);
  EXPECT_FALSE(RestoreDC(canvas, 5));
}

TEST_F(CanvasTest, PixelsAndEllipseAndPolygon) {
  canvas->SetPixels(3, 4, clFuchsia);
  EXPECT_EQ(At(3, 4), clFuchsia);
  EXPECT_EQ(At(-1, 0), CLR_INVALID);
  canvas->Brush->SetColor(clRed);
  canvas->Pen->SetColor(clRed);
  canvas->Ellipse(10, 10, 30, 30);
  EXPECT_EQ(At(20, 20), clRed);
  EXPECT_EQ(At(11, 11), clWhite);  // the corner of the box stays outside the ellipse
  EXPECT_EQ(InkBox(*bitmap), Rect(3, 4, 30, 30));

  auto other = WhiteBitmap(20, 20);
  other->Canvas->Brush->SetColor(clGreen);
  other->Canvas->Pen->SetColor(clGreen);
  other->Canvas->Polygon({{0, 0}, {10, 0}, {0, 10}});
  EXPECT_EQ(other->Canvas->GetPixels(2, 2), clGreen);
  EXPECT_EQ(other->Canvas->GetPixels(9, 9), clWhite);
}

TEST_F(CanvasTest, CopyRectCopiesThroughTheCopyMode) {
  auto source = WhiteBitmap(10, 10);
  source->Canvas->Brush->SetColor(clRed);
  source->Canvas->FillRect(Rect(0, 0, 5, 10));
  canvas->CopyRect(Rect(20, 20, 30, 30), source->Canvas, Rect(0, 0, 10, 10));
  EXPECT_EQ(At(20, 20), clRed);
  EXPECT_EQ(At(25, 20), clWhite);
  canvas->SetCopyMode(cmSrcInvert);
  canvas->CopyRect(Rect(20, 20, 30, 30), source->Canvas, Rect(0, 0, 10, 10));
  EXPECT_EQ(At(20, 20), clBlack);  // red XOR red
  EXPECT_EQ(At(25, 20), clBlack);  // white XOR white
  BitBlt(canvas, 0, 0, 10, 10, source->Canvas, 0, 0, SRCCOPY);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(canvas->GetCopyMode(), cmSrcInvert);
}

TEST(CanvasTextTest, TextOutHonoursBackgroundModeAndAlignment) {
  auto bitmap = WhiteBitmap(200, 60);
  TCanvas* c = bitmap->Canvas;
  c->Font->SetName("DejaVu Sans");
  c->Font->SetHeight(-20);
  c->Brush->SetColor(clYellow);
  c->TextOut(10, 10, "Wg");
  TSize size = c->TextExtent("Wg");
  EXPECT_EQ(c->GetPixels(10, 10), clYellow);  // opaque background behind the text cell
  EXPECT_EQ(c->GetPixels(10 + size.cx - 1, 10 + size.cy - 1), clYellow);
  EXPECT_EQ(InkBox(*bitmap), Bounds(10, 10, size.cx, size.cy));
  EXPECT_EQ(c->GetPenPos(), Point(10 + size.cx, 10));

  auto right = WhiteBitmap(200, 60);
  right->Canvas->Font->Assign(*c->Font);
  right->Canvas->Brush->SetStyle(bsClear);  // transparent background
  SetTextAlign(right->Canvas, TA_RIGHT | TA_BOTTOM);
  right->Canvas->TextOut(150, 50, "Wg");
  TRect ink = InkBox(*right);
  EXPECT_LE(ink.Right, 150);
  EXPECT_GE(ink.Right, 146);
  EXPECT_LE(ink.Bottom, 50);
  EXPECT_GE(ink.Top, 50 - size.cy);
}

TEST(CanvasTextTest, TextRectClipsAndFillsItsRectangle) {
  auto bitmap = WhiteBitmap(100, 40);
  TCanvas* c = bitmap->Canvas;
  c->Font->SetHeight(-20);
  c->Brush->SetColor(clAqua);
  c->TextRect(Rect(10, 5, 30, 30), 12, 8, "WWWWWWWW");
  EXPECT_EQ(InkBox(*bitmap), Rect(10, 5, 30, 30));
  EXPECT_EQ(c->GetPixels(29, 29), clAqua);
}

TEST(CanvasTextTest, RotatedTextRunsUpwardsFromItsReferencePoint) {
  auto bitmap = WhiteBitmap(120, 200);
  TCanvas* c = bitmap->Canvas;
  c->Font->SetName("DejaVu Sans");
  c->Font->SetHeight(-20);
  c->Brush->SetStyle(bsClear);
  TSize size = c->TextExtent("Rotated");
  c->Font->SetOrientation(900);
  c->TextOut(40, 180, "Rotated");
  TRect ink = InkBox(*bitmap);
  EXPECT_GE(ink.Left, 40);
  EXPECT_LE(ink.Right, 40 + size.cy);
  EXPECT_LE(ink.Bottom, 181);
  EXPECT_GE(ink.Top, 180 - size.cx - 1);
  EXPECT_GT(ink.Height(), size.cx * 3 / 4);  // tall and narrow
  EXPECT_LT(ink.Width(), size.cy + 1);
}

TEST(CanvasTextTest, SelectedFontHandleDrawsUntilTheFontChanges) {
  TBitmap bitmap;
  TCanvas* c = bitmap.Canvas;
  c->Font->SetHeight(-10);
  int small = c->TextHeight("X");
  LOGFONT big{};
  GetObject(c->Font->GetHandle(), sizeof big, &big);
  big.lfHeight = -30;
  HFONT handle = CreateFontIndirect(&big);
  HFONT old = SelectObject(c, handle);
  EXPECT_EQ(old, c->Font->GetHandle());
  EXPECT_GT(c->TextHeight("X"), small * 2);
  EXPECT_FALSE(DeleteObject(handle));  // still selected
  SelectObject(c, old);
  EXPECT_EQ(c->TextHeight("X"), small);
  SelectObject(c, handle);
  c->Font->SetColor(clRed);  // the canvas takes its own font again
  EXPECT_EQ(c->TextHeight("X"), small);
  EXPECT_TRUE(DeleteObject(handle));
}

}  // namespace

namespace {

// Rows of the bitmap with ink across at least `span` pixels: the lines a font draws.
int RowsInkedAcross(TBitmap& bitmap, int left, int span) {
  int rows = 0;
  for (int y = 0; y < bitmap.GetHeight(); ++y) {
    int run = 0;
    for (int x = left; x < bitmap.GetWidth() && run < span; ++x)
      run = bitmap.Canvas->GetPixels(x, y) == clWhite ? 0 : run + 1;
    rows += run >= span;
  }
  return rows;
}

}  // namespace

TEST(CanvasTextTest, UnderlineAndStrikeOutAreDrawnWithTheText) {
  auto bitmap = WhiteBitmap(200, 40);
  TCanvas* c = bitmap->Canvas;
  c->Font->SetName("DejaVu Sans");
  c->Font->SetHeight(-20);
  c->Brush->SetStyle(bsClear);
  c->TextOut(10, 5, "iiiiiiii");  // no glyph has a long horizontal run
  const int plain = RowsInkedAcross(*bitmap, 10, 30);
  c->Font->SetStyle(TFontStyles{fsUnderline, fsStrikeOut});
  c->TextOut(10, 5, "iiiiiiii");
  EXPECT_GE(RowsInkedAcross(*bitmap, 10, 30), plain + 2);
}

TEST(CanvasTextTest, MeasuresFollowTheFontAndTheMapping) {
  TBitmap bitmap;
  TCanvas* c = bitmap.Canvas;
  c->Font->SetHeight(-12);
  const TSize small = c->TextExtent("measure");
  c->Font->SetHeight(-24);
  const TSize big = c->TextExtent("measure");
  EXPECT_GT(big.cx, small.cx * 3 / 2);
  EXPECT_GT(big.cy, small.cy * 3 / 2);
  c->Font->SetStyle(TFontStyles{fsBold});
  EXPECT_GT(c->TextExtent("measure").cx, big.cx);
  c->Font->SetStyle({});
  EXPECT_EQ(c->TextExtent("measure"), big);
  EXPECT_LT(c->TextExtent("measur").cx, big.cx);
  const int height = c->GetTextMetrics().tmHeight;
  // Logical units of half a pixel double every measure of the same device font.
  SetMapMode(c, MM_ANISOTROPIC);
  SetWindowExtEx(c, 2, 2, nullptr);
  SetViewportExtEx(c, 1, 1, nullptr);
  c->Font->SetHeight(-48);
  EXPECT_EQ(c->TextExtent("measure"), TSize(big.cx * 2, big.cy * 2));
  EXPECT_EQ(c->GetTextMetrics().tmHeight, height * 2);
}
