#include "pdf_pages.h"
#include "platform/winapi/gdi.h"
#include "print_fixture.h"

namespace {

using JobTest = PrintTest;

// A black square of 10 x 10 mm at logical (0, 0), with margins of 10 mm left and 20 mm top.
void PrintSquareAtOrigin(TXPrint& xp) {
  xp.SetScaling(pscMetric10);
  xp.MarginLeft = 100;
  xp.MarginTop = 200;
  xp.BeginDoc();
  xp.Canvas->Brush->SetColor(clBlack);
  xp.Canvas->Pen->SetStyle(psClear);
  xp.Canvas->FillRect(TXPrint::XBounds(0, 0, 100, 100));
  xp.EndDoc();
}

TEST_F(JobTest, TheOriginIsTheMarginCornerOfThePaper) {
  {
    TXPrint xp(nullptr);  // 300 dpi, no unprintable edge
    PrintSquareAtOrigin(xp);
  }
  // 10 mm = 118 dots, 20 mm = 236 dots at 300 dpi.
  QRect low = InkOf(RenderPdfPage(Low(), 1, 300, QRect(0, 0, 600, 600)));
  EXPECT_NEAR(low.left(), 118, 1);
  EXPECT_NEAR(low.top(), 236, 1);
  EXPECT_NEAR(low.width(), 118, 1);
  {
    TXPrint xp(nullptr);
    xp.SetCurrentPrinter(1);  // 600 dpi, edges of 50 and 75 dots the page starts inside
    PrintSquareAtOrigin(xp);
  }
  QRect high = InkOf(RenderPdfPage(High(), 1, 600, QRect(0, 0, 1000, 1000)));
  EXPECT_NEAR(high.left(), 236, 1);
  EXPECT_NEAR(high.top(), 472, 1);
  EXPECT_NEAR(high.height(), 236, 1);
}

// The ink of a line of text: wider than high unless it is turned.
QRect TextInk(const std::string& file, int page) {
  return InkOf(RenderPdfPage(file, page, 100, QRect(0, 0, 850, 1100)));
}

TEST_F(JobTest, RotatedTextStaysRotatedOnEveryPage) {
  TXPrint xp(nullptr);
  xp.SetScaling(pscMetric10);
  xp.MarginLeft = xp.MarginTop = 200;
  xp.Canvas->Font->SetName("DejaVu Sans");
  xp.Canvas->Font->SetSize(12);
  xp.SetAngle10(900);
  xp.SetTextRotation(true);
  xp.BeginDoc();
  EXPECT_EQ(xp.Canvas->CurrentLogFont().lfEscapement, 900);
  xp.Canvas->TextOut(300, 1500, "Rotated text");
  xp.NewPage();
  EXPECT_EQ(xp.GetPageNumber(), 2);
  LOGFONT page2 = xp.Canvas->CurrentLogFont();
  EXPECT_EQ(page2.lfEscapement, 900);
  // 12 points at 300 dpi in 0.1 mm: size 12 x 254 / 300 = 10, height 10 x 9 x 300 / 635.
  EXPECT_EQ(page2.lfHeight, 42);
  EXPECT_EQ(xp.PrintWidth, 254 * (2550 - 236 - 0 - 1) / 300);  // the mapping is renewed
  xp.Canvas->TextOut(300, 1500, "Rotated text");
  xp.EndDoc();
  // The rotated font went with the job; rotation stays on for the next one.
  EXPECT_EQ(xp.Canvas->CurrentLogFont().lfEscapement, 0);
  EXPECT_TRUE(xp.GetConfig().RotationActive);

  for (int page : {1, 2}) {
    QRect ink = TextInk(Low(), page);
    EXPECT_GT(ink.height(), 2 * ink.width()) << page;
  }
}

TEST_F(JobTest, TextRotationNeedsAnAngle) {
  TXPrint xp(nullptr);
  xp.SetTextRotation(true);
  EXPECT_FALSE(xp.GetConfig().RotationActive);
  xp.SetAngle10(3700);
  EXPECT_EQ(xp.GetAngle10(), 100);
  xp.SetAngle10(-3700);
  EXPECT_EQ(xp.GetAngle10(), -100);
  xp.SetTextRotation(true);
  EXPECT_EQ(xp.Canvas->CurrentLogFont().lfEscapement, -100);
  xp.SetAngle10(450);  // a new angle while on turns the font anew
  EXPECT_EQ(xp.Canvas->CurrentLogFont().lfEscapement, 450);
  xp.SetAngle10(3600);  // no angle: rotation goes off
  EXPECT_FALSE(xp.GetConfig().RotationActive);
  EXPECT_EQ(xp.Canvas->CurrentLogFont().lfEscapement, 0);
}

TEST_F(JobTest, EndDocAndAbortActOnlyOnTheComponentsOwnJob) {
  TXPrint xp(nullptr);
  xp.Canvas->Font->SetSize(10);
  // A job someone else began goes on; the font stays.
  Printer()->BeginDoc();
  xp.Canvas->Font->SetSize(30);
  xp.EndDoc();
  xp.Abort();
  EXPECT_TRUE(Printer()->GetPrinting());
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 30);
  Printer()->EndDoc();

  xp.BeginDoc();
  xp.EndDoc();
  int size = xp.Canvas->Font->GetSize();
  xp.Canvas->Font->SetSize(size + 5);
  xp.EndDoc();  // a second end restores nothing
  EXPECT_EQ(xp.Canvas->Font->GetSize(), size + 5);
  EXPECT_FALSE(xp.GetPrinting());
}

TEST_F(JobTest, AbortEndsTheJobWithoutAFile) {
  TXPrint xp(nullptr);
  xp.Canvas->Font->SetSize(11);
  xp.SetScaling(pscMetric10);
  xp.BeginDoc();
  EXPECT_TRUE(xp.GetPrinting());
  xp.Abort();
  EXPECT_FALSE(xp.GetPrinting());
  EXPECT_TRUE(xp.GetAborted());
  EXPECT_EQ(xp.Canvas->Font->GetSize(), 11);
  EXPECT_EQ(PdfPageCount(Low()), -1);
  // A job may start again after it.
  xp.BeginDoc();
  EXPECT_FALSE(xp.GetAborted());
  xp.EndDoc();
  EXPECT_EQ(PdfPageCount(Low()), 1);
}

TEST_F(JobTest, ThePrinterStaysWhileAJobRuns) {
  TXPrint xp(nullptr);
  xp.SetCurrentPrinter(1);
  xp.BeginDoc();
  xp.SetCurrentPrinter(0);
  EXPECT_EQ(xp.GetCurrentPrinter(), 1);
  xp.SetConfig(xp.GetConfig());  // ignored as well
  xp.EndDoc();
  xp.SetCurrentPrinter(0);
  EXPECT_EQ(xp.GetCurrentPrinter(), 0);
  xp.SetCurrentPrinter(7);  // not installed
  EXPECT_EQ(xp.GetCurrentPrinter(), 0);
}

TEST_F(JobTest, PassesSettingsThroughToThePrinter) {
  TXPrint xp(nullptr);
  EXPECT_TRUE(xp.GetPrinterAvailable());
  EXPECT_EQ(TXPrint::PrintersInstalled(), 2);
  ASSERT_NE(xp.GetPrinters(), nullptr);
  EXPECT_EQ(xp.GetPrinters()->Strings(1), "Letter600");
  xp.SetCopies(3);
  xp.SetTitle("St\xFC" "ckliste");
  xp.SetOrientation(xpoLandscape);
  EXPECT_EQ(Printer()->GetCopies(), 3);
  EXPECT_EQ(Printer()->Title, "St\xFC" "ckliste");
  EXPECT_EQ(xp.GetOrientation(), xpoLandscape);
  EXPECT_EQ(GetDeviceCaps(xp.GetHandle(), PHYSICALWIDTH), 3300);
  xp.SyncIndex();
  xp.SetScaling(pscDot);
  xp.BeginDoc();
  EXPECT_EQ(xp.PrintWidth, 3300 - 1);  // the landscape page
  xp.EndDoc();
  EXPECT_TRUE(xp.GetPrinterCapabilities().Contains(xpcOrientation));
  EXPECT_FALSE(xp.GetPrinterCapabilities().Contains(xpcCopies));
  EXPECT_EQ(xp.GetColorDepth(), 32);
  EXPECT_TRUE(xp.GetCanUserDefFill());
  EXPECT_GT(xp.GetFonts()->Count(), 0);
}

TEST_F(JobTest, WithoutPrintersEverythingIsNeutral) {
  SetInstalledPrinters({});
  TXPrint xp(nullptr);
  EXPECT_FALSE(xp.GetPrinterAvailable());
  EXPECT_EQ(TXPrint::PrintersInstalled(), 0);
  ASSERT_NE(xp.Canvas, nullptr);
  EXPECT_NE(xp.Canvas, Printer()->Canvas);
  xp.SetCopies(4);
  xp.SetTitle("x");
  xp.SetOrientation(xpoLandscape);
  xp.SetCurrentPrinter(1);
  EXPECT_EQ(xp.GetCopies(), 1);
  EXPECT_EQ(xp.GetTitle(), "");
  EXPECT_EQ(xp.GetOrientation(), xpoPortrait);
  EXPECT_EQ(xp.GetCurrentPrinter(), 0);
  EXPECT_EQ(xp.GetPageNumber(), 1);
  EXPECT_EQ(xp.GetFonts(), nullptr);
  EXPECT_EQ(xp.GetPrinters(), nullptr);
  EXPECT_EQ(xp.GetHandle(), nullptr);
  EXPECT_TRUE(xp.GetPrinterCapabilities().Empty());
  EXPECT_EQ(xp.GetColorDepth(), 0);
  EXPECT_FALSE(xp.GetCanUserDefFill());
  xp.BeginDoc();
  EXPECT_FALSE(xp.GetPrinting());
  xp.Canvas->TextOut(0, 0, "nothing");  // drawing on its own canvas goes nowhere
  xp.NewPage();
  xp.EndDoc();
  EXPECT_FALSE(xp.GetAborted());
  int height = xp.Canvas->Font->GetHeight();
  xp.SetFontSize(40);
  EXPECT_EQ(xp.Canvas->Font->GetHeight(), height);
  // The conversions still answer, at the neutral 300 dpi.
  xp.SetScaling(pscMetric10);
  EXPECT_EQ(xp.DotValX(254), 300);
  EXPECT_EQ(xp.GetMinMarginLeft(), 0);
}

}  // namespace
