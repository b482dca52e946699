// A grid printed for real: on a virtual printer writing a PDF file, read back with poppler.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "components/grid/grid/ExtGrid.h"
#include "pdf_pages.h"
#include "pdf_text.h"
#include "platform/graphics/bitmap.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "temp_folder.h"

namespace {

class GridPrintPdf : public testing::Test {
 protected:
  void SetUp() override {
    printer_ = std::make_shared<TVirtualPrinter>("A4", 300);  // A4 without edges
    printer_->FileName = File();
    SetInstalledPrinters({printer_}, 0);
    Printer()->Refresh();
    grid.SetColCount(4);
    grid.SetRowCount(121);
    grid.SetCells(0, 0, "Nr");
    grid.SetCells(1, 0, "Part");
    grid.SetCells(2, 0, "Supplier");
    grid.SetCells(3, 0, "Price");
    for (int r = 1; r < 121; ++r) {
      grid.SetCells(0, r, IntToStr(r));
      grid.SetCells(1, r, "Resistor " + IntToStr(r * 10) + " Ohm");
      grid.SetCells(2, r, r % 2 ? "Reichelt" : "Conrad");
      grid.SetCells(3, r, "0," + IntToStr(10 + r % 90));
    }
    TPrintSettings& ps = grid.PrintSettings;
    ps.GetFont()->SetName("Arial");
    ps.GetFont()->SetSize(10);
    ps.Borders = pbSingle;
    ps.RepeatFixedRows = true;
    ps.PageNr = ppBottomCenter;
    ps.Title = ppTopLeft;
    ps.TitleText = "Parts list";
    ps.HeaderSize = 100;
    ps.FooterSize = 100;
    ps.LeftSize = 200;
    ps.RightSize = 100;
    ps.JobName = "grid";
  }
  void TearDown() override { SetInstalledPrinters({}); }

  std::string File() const { return folder_ / "grid.pdf"; }

  TempFolder folder_;
  std::shared_ptr<TVirtualPrinter> printer_;
  TExtStringGrid grid{nullptr};
};

TEST_F(GridPrintPdf, PrintsEveryPageWithItsHeaderRowsAndNumbers) {
  int counted = 0;
  grid.OnPrintStart = [&](TObject*, int Pages, int&, int&) { counted = Pages; };
  grid.Print();
  ASSERT_GT(counted, 1);
  EXPECT_EQ(PdfPageCount(File()), counted);
  const std::string text = PdfText(File());
  EXPECT_NE(text.find("Parts list"), std::string::npos);
  EXPECT_NE(text.find("Resistor 1200 Ohm"), std::string::npos);
  EXPECT_NE(text.find("2/" + std::to_string(counted)), std::string::npos);
  // The header row stands on every page.
  std::size_t headers = 0;
  for (std::size_t at = text.find("Supplier"); at != std::string::npos;
       at = text.find("Supplier", at + 1))
    ++headers;
  EXPECT_EQ(headers, static_cast<std::size_t>(counted));
  // The table starts at the 2 cm left margin: 59 pixels at 75 dpi.
  const QImage last = RenderPdfPage(File(), counted, 75);
  ASSERT_FALSE(last.isNull());
  EXPECT_NEAR(InkOf(last).left(), 59, 2);
  if (const char* keep = std::getenv("KALVENTO_KEEP_PDF"))
    std::filesystem::copy_file(File(), keep, std::filesystem::copy_options::overwrite_existing);
}

// HTML cells and title lines print through the renderer at the printer's resolution: their
// text without tags, the red words in red, as large as the plain text beside them.
TEST_F(GridPrintPdf, HtmlCellsAndTitleLinesPrintFormatted) {
  grid.SetRowCount(4);
  grid.SetCells(1, 1, "<b>Bold</b> <font color=\"clRed\">crimson</font> part");
  grid.SetCells(1, 2, "Plain part");
  TPrintSettings& ps = grid.PrintSettings;
  ps.TitleText = "";
  ps.GetTitleLines()->Add("<u>Parts</u> <i>list</i>");
  grid.Print();
  const std::string text = PdfText(File());
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_NE(text.find("Bold crimson part"), std::string::npos);
  EXPECT_NE(text.find("Parts list"), std::string::npos);
  EXPECT_EQ(text.find('<'), std::string::npos);
  const QImage page = RenderPdfPage(File(), 1, 75);
  ASSERT_FALSE(page.isNull());
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    page.save(QString::fromLocal8Bit(keep) + "/grid_print_html.png");
  int red = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixel(x, y) == qRgb(255, 0, 0)) ++red;
  EXPECT_GT(red, 10);
}

// Check boxes, radio groups, buttons and progress bars print as the screen shows them, at
// their screen size: a progress bar of 80 pixels is 80 / 96 inch wide on paper.
TEST_F(GridPrintPdf, CellControlsPrintAtTheirScreenSize) {
  grid.SetRowCount(5);
  grid.SetCells(1, 1, "");
  grid.AddCheckBox(1, 1, true, false);
  grid.SetCells(1, 2, "50");
  grid.AddProgress(1, 2, clLime, clBlack);
  TStringList captions;
  captions.Add("On");
  captions.Add("Off");
  grid.SetCells(1, 3, "");
  grid.AddRadio(1, 3, 1, 0, &captions);
  grid.SetCells(1, 4, "");
  grid.AddButton(1, 4, 60, 18, "Press", haLeft, vaTop);
  TImageList images(16, 16);
  TBitmap red;
  red.SetSize(16, 16);
  red.Canvas->Brush->SetColor(clRed);
  red.Canvas->FillRect({0, 0, 16, 16});
  images.Add(&red, nullptr);
  grid.SetImages(&images);
  grid.SetCells(2, 4, "");
  grid.AddImageIdx(2, 4, 0, haLeft, vaTop);
  TPrintSettings& ps = grid.PrintSettings;
  ps.PrintGraphics = true;
  ps.FitToPage = fpNever;
  grid.Print();
  grid.SetImages(nullptr);
  EXPECT_EQ(grid.GetCellGraphic(1, 4)->CellValue, 0);  // the mouse's place of the button
  const QImage page = RenderPdfPage(File(), 1, 96);
  ASSERT_FALSE(page.isNull());
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    page.save(QString::fromLocal8Bit(keep) + "/grid_print_controls.png");
  // The progress bar's green part: half the column less the 2-pixel insets, in pixels at
  // 96 dpi, which are screen pixels.
  int greenLeft = page.width(), greenRight = -1;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixel(x, y) == qRgb(0, 255, 0)) {
        greenLeft = std::min(greenLeft, x);
        greenRight = std::max(greenRight, x);
      }
  ASSERT_GE(greenRight, 0);
  const double column = grid.GetPrintColWidth(1) * 96 / 254.0;
  EXPECT_NEAR(greenRight - greenLeft + 1, (column - 4) / 2, 3);
  // The image of the list, 16 screen pixels square.
  QRect redArea;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (const QRgb c = page.pixel(x, y); qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60)
        redArea |= QRect(x, y, 1, 1);
  EXPECT_NEAR(redArea.width(), 16, 1);
  EXPECT_NEAR(redArea.height(), 16, 1);
  grid.RemoveRadio(1, 3);  // the captions are the test's
}

TEST_F(GridPrintPdf, LandscapeSettingsPrintLandscapePages) {
  EXPECT_EQ(grid.PrinterOrientationAngle(), 90);
  grid.PrintSettings.Orientation = poLandscape;
  grid.Print();
  const QImage page = RenderPdfPage(File(), 1, 30);
  EXPECT_GT(page.width(), page.height());
}

TEST_F(GridPrintPdf, OnlyThePagesTheStartEventLeaves) {
  grid.OnPrintStart = [](TObject*, int, int& From, int& To) {
    From = 2;
    To = 3;
  };
  grid.Print();
  EXPECT_EQ(PdfPageCount(File()), 2);
}

TEST_F(GridPrintPdf, AFirstPagePastTheLastPrintsNothing) {
  grid.OnPrintStart = [](TObject*, int Pages, int& From, int& To) { From = To = Pages + 1; };
  grid.Print();
  EXPECT_FALSE(std::filesystem::exists(File()));
}

TEST_F(GridPrintPdf, AFailingEventAbortsTheJobAndRestoresTheCanvas) {
  grid.OnPrintPage = [](TObject*, TCanvas*, int PageNr, int, int) {
    if (PageNr == 2) throw Exception("stop");
  };
  EXPECT_THROW(grid.Print(), Exception);
  EXPECT_FALSE(Printer()->GetPrinting());
  EXPECT_FALSE(std::filesystem::exists(File()));
  EXPECT_EQ(Printer()->Canvas->GetMapping().Mode(), MM_TEXT);
  grid.OnPrintPage = nullptr;
  grid.Print();  // the printer takes the next job
  EXPECT_GT(PdfPageCount(File()), 1);
}

}  // namespace

namespace {

// A preview drawn on a bitmap: the page inside the rectangle given, nothing outside it.
TEST(GridPrintPreview, DrawsThePageInsideItsRectangle) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(3);
  grid.SetRowCount(30);
  for (int r = 0; r < 30; ++r)
    for (int c = 0; c < 3; ++c) grid.SetCells(c, r, "Cell " + IntToStr(r) + "/" + IntToStr(c));
  grid.PrintSettings.Borders = pbSingle;
  grid.PrintSettings.LeftSize = 100;
  grid.PrintSettings.Title = ppTopCenter;
  grid.PrintSettings.TitleText = "Preview";
  grid.PrintSettings.HeaderSize = 50;
  TBitmap bitmap;
  bitmap.SetSize(400, 500);
  bitmap.Canvas->Brush->SetColor(clWhite);
  bitmap.Canvas->FillRect({0, 0, 400, 500});
  grid.PrintPreview(bitmap.Canvas, {50, 40, 350, 460});
  QImage image(400, 500, QImage::Format_RGB32);
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < 400; ++x) {
      const TColor c = bitmap.Canvas->GetPixels(x, y);
      image.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    image.save(QString::fromLocal8Bit(keep) + "/grid_preview.png");
  const QRect ink = InkOf(image);
  ASSERT_FALSE(ink.isNull());
  EXPECT_NEAR(ink.left(), 50 + 100 * 96 / 254, 2);  // the left margin inside the rectangle
  EXPECT_GE(ink.top(), 40 + 50 * 96 / 254 - 1);
  EXPECT_LE(ink.bottom(), 460);
  EXPECT_EQ(bitmap.Canvas->GetMapping().Mode(), MM_TEXT);
}

}  // namespace
