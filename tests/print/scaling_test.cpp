#include "print_fixture.h"
#include "platform/winapi/gdi.h"

namespace {

using ScalingTest = PrintTest;

TSize WindowExt(TXPrint& xp) {
  SIZE size;
  GetWindowExtEx(xp.Canvas->GetHandle(), &size);
  return size;
}

TSize ViewportExt(TXPrint& xp) {
  SIZE size;
  GetViewportExtEx(xp.Canvas->GetHandle(), &size);
  return size;
}

// The extents a job sets up on the printer of the given index with the given unit.
std::pair<TSize, TSize> JobExtents(int printer, TScaling scaling) {
  TXPrint xp(nullptr);
  xp.SetCurrentPrinter(printer);
  xp.SetScaling(scaling);
  xp.BeginDoc();
  std::pair<TSize, TSize> extents{WindowExt(xp), ViewportExt(xp)};
  EXPECT_EQ(GetMapMode(xp.Canvas->GetHandle()), MM_ISOTROPIC);
  xp.Abort();
  return extents;
}

TEST_F(ScalingTest, ExtentsMakeTwelveInchesOfUnitsAs7200Dots) {
  using E = std::pair<TSize, TSize>;
  // 600 dpi: 12 x 254 = 3048 units of 0.1 mm are 12 inches.
  EXPECT_EQ(JobExtents(1, pscMetric10), E({3048, 3048}, {7200, 7200}));
  EXPECT_EQ(JobExtents(1, pscMetric100), E({30480, 30480}, {7200, 7200}));
  EXPECT_EQ(JobExtents(1, pscMil), E({12000, 12000}, {7200, 7200}));
  // 300 dpi: 24 x 2540 is above 32767 and is halved once with the viewport.
  EXPECT_EQ(JobExtents(0, pscMetric10), E({6096, 6096}, {7200, 7200}));
  EXPECT_EQ(JobExtents(0, pscMetric100), E({30480, 30480}, {3600, 3600}));
  EXPECT_EQ(JobExtents(0, pscMil), E({24000, 24000}, {7200, 7200}));
}

TEST_F(ScalingTest, OddAndVeryHighResolutions) {
  // 7200 / 203 is 35 as an integer quotient.
  int odd = AddPrinter(203);
  EXPECT_EQ(JobExtents(odd, pscMetric10).first, TSize(35 * 254, 35 * 254));
  // Above 7200 dpi the quotient would be 0: the extents are an inch of each instead.
  int fine = AddPrinter(9600);
  EXPECT_EQ(JobExtents(fine, pscMetric100), std::make_pair(TSize{2540, 2540}, TSize{9600, 9600}));
  EXPECT_EQ(JobExtents(fine, pscMil), std::make_pair(TSize{1000, 1000}, TSize{9600, 9600}));
}

TEST_F(ScalingTest, DotsWithoutMapping) {
  TXPrint xp(nullptr);
  xp.BeginDoc();
  EXPECT_EQ(GetMapMode(xp.Canvas->GetHandle()), MM_TEXT);
  EXPECT_EQ(xp.DotValX(123), 123);
  EXPECT_EQ(xp.ScaleValY(-77), -77);
  xp.EndDoc();
}

TEST_F(ScalingTest, ConversionsTruncateTowardZero) {
  TXPrint xp(nullptr);  // 300 dpi
  xp.SetScaling(pscMetric10);
  EXPECT_EQ(xp.DotValX(100), 118);  // 100 x 300 / 254 = 118.1
  EXPECT_EQ(xp.DotValY(-100), -118);
  EXPECT_EQ(xp.ScaleValX(118), 99);  // 118 x 254 / 300 = 99.9
  xp.SetScaling(pscMil);
  EXPECT_EQ(xp.ScaleValY(300), 1000);
  // Far beyond the page: no wrap-around into the negative.
  EXPECT_EQ(xp.ScaleValX(2147483647), 2147483647);
}

TEST_F(ScalingTest, ChangingTheUnitKeepsTheMarginsThroughWholeDots) {
  TXPrint xp(nullptr);
  xp.SetScaling(pscMetric10);
  xp.MarginLeft = 100;  // 10 mm = 118 dots at 300 dpi = 393 thousandths of an inch
  xp.MarginTop = 100;
  xp.MarginRight = 0;
  xp.MarginBottom = -50;
  xp.SetScaling(pscMil);
  EXPECT_EQ(xp.MarginLeft, 393);
  EXPECT_EQ(xp.MarginTop, 393);
  EXPECT_EQ(xp.MarginRight, 0);
  EXPECT_EQ(xp.MarginBottom, -196);  // -59 dots
  xp.SetScaling(pscDot);
  EXPECT_EQ(xp.MarginLeft, 117);  // 393 x 300 / 1000 = 117.9
  // Not while printing.
  xp.BeginDoc();
  xp.SetScaling(pscMetric100);
  EXPECT_EQ(xp.GetScaling(), pscDot);
  EXPECT_EQ(xp.MarginLeft, 117);
  xp.EndDoc();
}

TEST_F(ScalingTest, PrintWidthIsTheRoomInsideTheMargins) {
  for (int printer : {0, 1}) {
    TXPrint xp(nullptr);
    xp.SetCurrentPrinter(printer);
    xp.SetScaling(pscMetric10);
    xp.MarginLeft = xp.MarginRight = xp.MarginTop = 100;
    xp.MarginBottom = 200;
    xp.BeginDoc();
    // 300 dpi: 254 x (2550 - 118 - 118 - 1) / 300; 600 dpi: 254 x (5100 - 236 - 236 - 1) / 600.
    EXPECT_EQ(xp.PrintWidth, 1958) << printer;
    // 300 dpi: 254 x (3300 - 118 - 236 - 1) / 300; 600: 254 x (6600 - 236 - 472 - 1) / 600.
    EXPECT_EQ(xp.PrintHeight, 2493) << printer;
    xp.EndDoc();
  }
  TXPrint dots(nullptr);
  dots.MarginLeft = dots.MarginRight = 100;
  dots.MarginTop = 10;
  dots.MarginBottom = 0;
  dots.BeginDoc();
  EXPECT_EQ(dots.PrintWidth, 2550 - 200 - 1);
  EXPECT_EQ(dots.PrintHeight, 3300 - 10 - 1);
  dots.EndDoc();
}

TEST_F(ScalingTest, MinimumMarginsAreKnownBeforeTheFirstJob) {
  SetInstalledPrinters({high_}, 0);
  TXPrint xp(nullptr);
  xp.SetScaling(pscMetric10);
  EXPECT_EQ(xp.GetMinMarginLeft(), 21);  // 50 dots x 254 / 600
  EXPECT_EQ(xp.GetMinMarginRight(), 21);
  EXPECT_EQ(xp.GetMinMarginTop(), 31);  // 75 dots
  EXPECT_EQ(xp.GetMinMarginBottom(), 31);
}

TEST_F(ScalingTest, FontSizesFollowTheMapping) {
  TXPrint xp(nullptr);
  xp.SetCurrentPrinter(1);  // 600 dpi
  xp.SetScaling(pscMetric10);
  xp.Canvas->Font->SetSize(10);
  xp.BeginDoc();
  // 10 points x 254 / 600 = 4: a height of 4 x 600 / 72 = 33 units of 0.1 mm.
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 4);
  EXPECT_EQ(xp.Canvas->Font->GetHeight(), -33);
  xp.SetFontSize(-24);
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 10);
  // A font given as a cell height (positive) is taken as a character height, its size scaled.
  TFont courier;
  courier.SetName("Courier New");
  courier.SetStyle(fsBold);
  courier.SetHeight(40);  // -30 points at 96 dpi
  xp.SelectFont(&courier);
  EXPECT_EQ(xp.Canvas->Font->GetName(), "Courier New");
  EXPECT_TRUE(xp.Canvas->Font->GetStyle().Contains(fsBold));
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 12);  // 30 x 254 / 600
  xp.EndDoc();
  // The job's end gives the font back as it began.
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 10);
  EXPECT_EQ(xp.Canvas->Font->GetPixelsPerInch(), 600);
  // Between jobs the size is taken in points as it is.
  xp.SetFontSize(12);
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 12);
}

}  // namespace
