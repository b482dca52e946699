#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include "paint_helpers.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/qt/qt_canvas.h"

namespace {

// A widget that paints through a canvas, as the controls of the layer do.
class CanvasWidget : public QWidget {
 public:
  TCanvas canvas;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    CanvasPainterBinding binding(canvas, painter);
    canvas.Brush->SetColor(clRed);
    canvas.FillRect(Rect(5, 5, 15, 15));
    canvas.Pen->SetColor(clBlue);
    canvas.MoveTo(0, 30);
    canvas.LineTo(40, 30);
  }
};

TEST(BindingTest, AWidgetPaintsThroughItsCanvasWhilePainting) {
  CanvasWidget widget;
  widget.resize(40, 40);
  QImage shot = widget.grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(255, 0, 0));
  EXPECT_EQ(shot.pixelColor(15, 15), widget.palette().color(QPalette::Window));
  EXPECT_EQ(shot.pixelColor(20, 30), QColor(0, 0, 255));
  // Outside the paint event the canvas has no device: drawing does nothing, measuring works.
  widget.canvas.FillRect(Rect(0, 0, 10, 10));
  EXPECT_GT(widget.canvas.TextWidth("abc"), 0);
  EXPECT_EQ(GetDeviceCaps(&widget.canvas, HORZRES), 0);
}

TEST(BindingTest, APrinterPageReportsItsResolutionAndPaper) {
  TempFolder folder;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((folder / "page.pdf")));
  printer.setPageSize(QPageSize(QPageSize::A4));
  QPainter painter(&printer);
  TCanvas canvas;
  {
    CanvasPainterBinding binding(canvas, painter);
    int dpi = GetDeviceCaps(&canvas, LOGPIXELSX);
    EXPECT_EQ(dpi, printer.resolution());
    EXPECT_NEAR(GetDeviceCaps(&canvas, PHYSICALWIDTH), 210.0 / 25.4 * dpi, dpi / 100);
    EXPECT_GE(GetDeviceCaps(&canvas, PHYSICALWIDTH),
              GetDeviceCaps(&canvas, HORZRES) + GetDeviceCaps(&canvas, PHYSICALOFFSETX));
    SetMapMode(&canvas, MM_LOMETRIC);
    POINT p = {100, -100};  // 1 cm right and down
    LPtoDP(&canvas, &p, 1);
    EXPECT_NEAR(p.x, dpi / 2.54, 1);
    canvas.TextOut(100, -100, "page");
  }
  painter.end();
  EXPECT_GT(std::filesystem::file_size((folder / "page.pdf")), 0u);
}

TEST(BindingTest, ArcsAndRoundRectangles) {
  auto bitmap = WhiteBitmap(40, 40);
  TCanvas* c = bitmap->Canvas;
  // The upper half of a circle: counter-clockwise from the right to the left.
  c->Arc(0, 0, 40, 40, 40, 20, 0, 20);
  TRect ink = InkBox(*bitmap);
  EXPECT_LE(ink.Top, 1);
  EXPECT_LE(ink.Bottom, 22);
  EXPECT_GE(ink.Width(), 38);

  auto round = WhiteBitmap(40, 40);
  round->Canvas->Brush->SetColor(clRed);
  round->Canvas->RoundRect(0, 0, 40, 40, 20, 20);
  EXPECT_EQ(round->Canvas->GetPixels(0, 0), clWhite);  // the corner is cut
  EXPECT_EQ(round->Canvas->GetPixels(20, 20), clRed);
  EXPECT_EQ(round->Canvas->GetPixels(20, 0), clBlack);
}

}  // namespace
