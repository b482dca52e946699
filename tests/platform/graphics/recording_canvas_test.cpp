#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/recording_canvas.h"

namespace {

TEST(RecordingCanvasTest, RecordsEveryCallWithTheToolsInForce) {
  TRecordingCanvas c;
  c.Font->SetName("Arial");
  c.Font->SetStyle({fsBold});
  c.Font->SetColor(clRed);
  c.Brush->SetColor(clYellow);
  c.Pen->SetWidth(3);
  c.Rectangle(1, 2, 3, 4);
  c.MoveTo(5, 6);
  c.LineTo(7, 8);
  c.TextOut(10, 20, "abc");
  c.Brush->SetStyle(bsClear);
  c.TextRect(Rect(0, 0, 50, 50), 1, 1, "x");
  c.Polygon({{0, 0}, {1, 1}, {2, 0}});
  TBitmap bitmap;
  bitmap.SetSize(3, 3);
  c.StretchDraw(Rect(0, 0, 9, 9), &bitmap);

  ASSERT_EQ(c.Calls.size(), 6u);
  EXPECT_EQ(c.Calls[0].Op, coRectangle);
  EXPECT_EQ(c.Calls[0].Rect, Rect(1, 2, 3, 4));
  EXPECT_EQ(c.Calls[0].BrushColor, clYellow);
  EXPECT_EQ(c.Calls[0].PenWidth, 3);
  EXPECT_EQ(c.Calls[1].Points, (std::vector<TPoint>{{5, 6}, {7, 8}}));
  const TRecordedCall& text = c.Calls[2];
  EXPECT_EQ(text.Text, "abc");
  EXPECT_EQ(text.Points[0], Point(10, 20));
  EXPECT_EQ(text.FontName, "Arial");
  EXPECT_TRUE(text.FontStyle.Contains(fsBold));
  EXPECT_EQ(text.TextColor, clRed);
  EXPECT_EQ(text.BkMode, OPAQUE);
  EXPECT_EQ(c.Calls[3].Options, unsigned{ETO_CLIPPED});  // a clear brush: no fill
  EXPECT_EQ(c.Calls[3].BkMode, TRANSPARENT);
  EXPECT_EQ(c.Calls[5].Graphic, &bitmap);
  EXPECT_EQ(c.GetPenPos(), Point(34, 20));
}

TEST(RecordingCanvasTest, FixedMetricsInLogicalUnits) {
  TRecordingCanvas c(10, 20);
  EXPECT_EQ(c.TextExtent("abcd"), TSize(40, 20));
  EXPECT_EQ(c.TextWidth(""), 0);
  TEXTMETRIC tm;
  GetTextMetrics(&c, &tm);
  EXPECT_EQ(tm.tmHeight, 20);
  EXPECT_EQ(tm.tmAscent + tm.tmDescent, 20);
  SIZE size;
  GetTextExtentPoint32(&c, "abcdef", 3, &size);
  EXPECT_EQ(size.cx, 30);
  EXPECT_EQ(c.GetPixels(0, 0), CLR_INVALID);
}

TEST(RecordingCanvasTest, ARotatedFontHandleIsRecorded) {
  TRecordingCanvas c;
  LOGFONT lf = c.Font->ToLogFont();
  lf.lfEscapement = 900;
  HFONT rotated = CreateFontIndirect(&lf);
  HFONT old = SelectObject(&c, rotated);
  c.TextOut(0, 0, "up");
  SelectObject(&c, old);
  c.TextOut(0, 0, "flat");
  EXPECT_EQ(c.Calls[0].FontEscapement, 900);
  EXPECT_EQ(c.Calls[1].FontEscapement, 0);
  DeleteObject(rotated);
}

}  // namespace
