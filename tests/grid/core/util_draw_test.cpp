#include <gtest/gtest.h>

#include <vector>

#include "components/grid/core/GridUtil.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"

namespace {

TEST(GridUtilColor, HtmlAndDarkerColours) {
  EXPECT_EQ(HTMLColor(RGB(0x12, 0xAB, 0xEF)), "12ABEF");
  EXPECT_EQ(HTMLColor(clRed), "FF0000");
  EXPECT_EQ(HTMLColor(clBtnFace), "0F0000");  // the value as stored, not resolved
  EXPECT_EQ(DarkenColor(RGB(200, 101, 51)), RGB(100, 50, 25));
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(DarkenColor(clBtnFace),
            RGB(GetRValue(face) / 2, GetGValue(face) / 2, GetBValue(face) / 2));
}

TEST(GridUtilDraw, BitmapBackgroundTakesTheColour) {
  TBitmap glyph;
  glyph.SetSize(4, 3);
  glyph.Canvas->Brush->SetColor(clWhite);
  glyph.Canvas->FillRect(Rect(0, 0, 4, 3));
  glyph.Canvas->SetPixels(1, 1, clBlue);
  glyph.Canvas->SetPixels(3, 2, clBlack);
  TBitmap target;
  target.SetSize(10, 10);
  target.Canvas->Brush->SetColor(clGreen);
  target.Canvas->FillRect(Rect(0, 0, 10, 10));

  DrawBitmapTransp(target.Canvas, &glyph, clYellow, Rect(2, 3, 10, 10));
  EXPECT_EQ(target.Canvas->GetPixels(2, 3), clYellow);
  EXPECT_EQ(target.Canvas->GetPixels(3, 4), clBlue);
  EXPECT_EQ(target.Canvas->GetPixels(5, 5), clBlack);
  EXPECT_EQ(target.Canvas->GetPixels(6, 3), clGreen);  // the bitmap's own size only
  EXPECT_EQ(target.Canvas->GetPixels(2, 6), clGreen);
  EXPECT_EQ(target.Canvas->GetPixels(1, 3), clGreen);
}

// The zigzag's corner points, from the pen position before the first line.
std::vector<TPoint> Zigzag(const TRecordingCanvas& canvas) {
  std::vector<TPoint> points;
  for (const TRecordedCall& call : canvas.CallsOf(coLineTo)) {
    if (points.empty()) points.push_back(call.Points[0]);
    points.push_back(call.Points[1]);
    EXPECT_EQ(call.PenColor, clRed);
    EXPECT_EQ(call.PenWidth, 2);
  }
  return points;
}

TEST(GridUtilDraw, ErrorLinesZigzagUnderTheMarkedCharacters) {
  TRecordingCanvas canvas(8, 16);  // every character 8 wide, lines 16 high
  canvas.Pen->SetColor(clGreen);
  DrawErrorLines(nullptr, &canvas, "hello world", Rect(10, 20, 200, 60), 16, 6, 5);
  std::vector<TPoint> points = Zigzag(canvas);
  ASSERT_EQ(points.size(), 12u);                   // from x 48 in steps of 3 past x 80
  EXPECT_EQ(points[0], Point(10 + 48, 20 + 16 + 3));
  EXPECT_EQ(points[1], Point(10 + 51, 20 + 16));
  EXPECT_EQ(points[2], Point(10 + 54, 20 + 16 + 3));
  EXPECT_EQ(points.back(), Point(10 + 81, 20 + 16));
  EXPECT_EQ(canvas.Pen->GetColor(), clGreen);  // the caller's pen comes back
}

TEST(GridUtilDraw, ErrorLinesFollowTheEditLayout) {
  TRecordingCanvas wrapped(8, 16);
  // 8 characters a line: "hello " wraps, "world" starts the second line.
  DrawErrorLines(nullptr, &wrapped, "hello world", Rect(0, 0, 64, 60), 16, 6, 1);
  std::vector<TPoint> points = Zigzag(wrapped);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0], Point(0, 16 + 16 + 3));

  TRecordingCanvas lines(8, 16);
  DrawErrorLines(nullptr, &lines, "ab\r\ncd\r\nef", Rect(0, 0, 200, 60), 16, 9, 1);
  EXPECT_EQ(Zigzag(lines).front(), Point(8, 2 * 16 + 16 + 3));

  TRecordingCanvas pastEnd(8, 16);  // the marker runs to 4 pixels right of the last character
  DrawErrorLines(nullptr, &pastEnd, "hello", Rect(0, 0, 200, 60), 16, 3, 10);
  EXPECT_GT(Zigzag(pastEnd).back().x, 32 + 4);
  EXPECT_LE(Zigzag(pastEnd).back().x, 32 + 4 + 3);

  TRecordingCanvas empty(8, 16);
  DrawErrorLines(nullptr, &empty, "", Rect(0, 0, 200, 60), 16, 0, 3);
  EXPECT_TRUE(empty.Calls.empty());
}

}  // namespace
