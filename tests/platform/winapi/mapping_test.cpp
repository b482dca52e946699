#include <gtest/gtest.h>

#include "paint_helpers.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/recording_canvas.h"

namespace {

TEST(MappingTest, LowMetricUnitsAreTenthsOfAMillimetreWithYUpwards) {
  auto bitmap = WhiteBitmap(300, 300);  // 96 dots per inch
  TCanvas* c = bitmap->Canvas;
  EXPECT_EQ(SetMapMode(c, MM_LOMETRIC), MM_TEXT);
  // 25.4 mm are one inch, 96 pixels: the square from 1 to 2 inches right and down.
  c->Brush->SetColor(clRed);
  c->FillRect(Rect(254, -254, 508, -508));
  SetMapMode(c, MM_TEXT);
  EXPECT_EQ(InkBox(*bitmap), Rect(96, 96, 192, 192));

  POINT p[2] = {{254, -508}, {0, 0}};
  SetMapMode(c, MM_LOMETRIC);
  LPtoDP(c, p, 2);
  EXPECT_EQ(p[0], Point(96, 192));
  DPtoLP(c, p, 1);
  EXPECT_EQ(p[0], Point(254, -508));
}

TEST(MappingTest, LowMetricFontsAndPensScaleToTheDevice) {
  auto bitmap = WhiteBitmap(300, 300);
  TCanvas* c = bitmap->Canvas;
  SetMapMode(c, MM_LOMETRIC);
  c->Font->SetHeight(-100);  // 10 mm = 37.8 pixels
  EXPECT_NEAR(c->GetTextMetrics().tmHeight, 110, 15);
  c->Pen->SetWidth(10);  // 1 mm = 4 pixels
  c->MoveTo(0, -254);
  c->LineTo(508, -254);
  SetMapMode(c, MM_TEXT);
  TRect ink = InkBox(*bitmap);
  EXPECT_NEAR(ink.Top, 94, 1);
  EXPECT_NEAR(ink.Height(), 4, 1);
}

TEST(MappingTest, IsotropicKeepsOneScaleAndPrintsAtPrinterResolution) {
  // The printing component's mapping at 600 dots per inch: 3048 units of 0.1 mm are
  // 12 inches, 7200 dots.
  TRecordingCanvas c(8, 16, 4800, 6600, 600);
  SetMapMode(&c, MM_ISOTROPIC);
  SetWindowExtEx(&c, 3048, 3048, nullptr);
  SetViewportExtEx(&c, 7200, 7200, nullptr);
  SetViewportOrgEx(&c, 100, 50, nullptr);
  POINT p = {254, 127};
  LPtoDP(&c, &p, 1);
  EXPECT_EQ(p, Point(700, 350));

  // The smaller scale wins; signs stay.
  SetViewportExtEx(&c, 7200, -3600, nullptr);
  SIZE ext;
  GetViewportExtEx(&c, &ext);
  EXPECT_EQ(ext, TSize(3600, -3600));

  // The anisotropic mode mirrors x for right-to-left drawing.
  SetMapMode(&c, MM_ANISOTROPIC);
  SetWindowOrgEx(&c, 200, 0, nullptr);
  SetViewportOrgEx(&c, 0, 0, nullptr);
  SetWindowExtEx(&c, -200, 100, nullptr);
  SetViewportExtEx(&c, 200, 100, nullptr);
  p = {150, 10};
  LPtoDP(&c, &p, 1);
  EXPECT_EQ(p, Point(50, 10));
  EXPECT_EQ(GetMapMode(&c), MM_ANISOTROPIC);
  // Fixed modes refuse new extents.
  SetMapMode(&c, MM_TEXT);
  EXPECT_TRUE(SetWindowExtEx(&c, 5, 5, nullptr));
  GetWindowExtEx(&c, &ext);
  EXPECT_EQ(ext, TSize(1, 1));
}

TEST(MappingTest, DeviceCapsOfABitmapAndARecordingCanvas) {
  auto bitmap = WhiteBitmap(120, 80);
  EXPECT_EQ(GetDeviceCaps(bitmap->Canvas, HORZRES), 120);
  EXPECT_EQ(GetDeviceCaps(bitmap->Canvas, VERTRES), 80);
  EXPECT_EQ(GetDeviceCaps(bitmap->Canvas, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(bitmap->Canvas, BITSPIXEL), 32);
  EXPECT_TRUE(GetDeviceCaps(bitmap->Canvas, RASTERCAPS) & RC_STRETCHBLT);
  TRecordingCanvas page(8, 16, 4800, 6600, 600);
  EXPECT_EQ(GetDeviceCaps(&page, LOGPIXELSY), 600);
  EXPECT_EQ(GetDeviceCaps(&page, PHYSICALWIDTH), 4800);
  EXPECT_EQ(GetDeviceCaps(&page, HORZSIZE), 203);
  bitmap->SetSize(50, 10);
  EXPECT_EQ(GetDeviceCaps(bitmap->Canvas, HORZRES), 50);
}

TEST(MappingTest, SaveDcRestoresTheMappingAndTextSettings) {
  TRecordingCanvas c;
  int level = SaveDC(&c);
  SetMapMode(&c, MM_LOMETRIC);
  SetBkMode(&c, TRANSPARENT);
  SetTextColor(&c, clRed);
  SetTextAlign(&c, TA_BASELINE);
  EXPECT_EQ(SaveDC(&c), level + 1);
  SetMapMode(&c, MM_HIMETRIC);
  RestoreDC(&c, -1);
  EXPECT_EQ(GetMapMode(&c), MM_LOMETRIC);
  RestoreDC(&c, level);
  EXPECT_EQ(GetMapMode(&c), MM_TEXT);
  EXPECT_EQ(GetBkMode(&c), OPAQUE);
  EXPECT_EQ(GetTextColor(&c), c.Font->GetColor());
  EXPECT_EQ(GetTextAlign(&c), unsigned{TA_LEFT | TA_TOP});
}

}  // namespace
