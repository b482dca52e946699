#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "platform/graphics/bitmap.h"
#include "platform/controls/color_dialog.h"
#include "platform/controls/forms.h"
#include "platform/winapi/gdi.h"
#include "platform/controls/hintwindow.h"
#include "platform/stdctrls/image.h"
#include "platform/stdctrls/panel.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/graphics/readerimage.h"
#include "platform/controls/screen.h"
#include "message_log.h"

namespace {

QImage Picture(TControl* control) { return control->Widget()->grab().toImage(); }

TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

class PaintedControls : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 240);
    form.Show();
  }
  TForm form{nullptr};
};

// Draws a cross in the pen colour and remembers what its canvas started with.
class Cross : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int paints = 0;
  int fontHeight = 0;

 protected:
  void Paint() override {
    ++paints;
    fontHeight = GetCanvas()->Font->GetHeight();
    GetCanvas()->FillRect(GetClientRect());
    GetCanvas()->Pen->SetColor(clRed);
    GetCanvas()->MoveTo(0, 0);
    GetCanvas()->LineTo(GetWidth(), GetHeight());
    SetMapMode(GetCanvas()->GetHandle(), MM_LOMETRIC);  // gone by the next painting
  }
};

TEST_F(PaintedControls, CustomControlPaintsOnItsCanvasWithItsFontAndColour) {
  auto* cross = new Cross(&form);
  cross->SetParent(&form);
  cross->SetBounds(10, 10, 40, 40);
  cross->SetColor(clYellow);
  cross->GetFont()->SetHeight(-20);
  QImage first = Picture(cross);
  QImage second = Picture(cross);
  EXPECT_EQ(cross->paints, 2);
  EXPECT_EQ(cross->fontHeight, -20);
  EXPECT_EQ(At(second, 30, 30), clRed);
  EXPECT_EQ(At(second, 30, 5), clYellow);
  EXPECT_EQ(first, second);
}

TEST_F(PaintedControls, PanelShowsItsBevelsAndCaption) {
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(10, 10, 120, 40);
  panel->SetCaption("Mitte");
  QImage raised = Picture(panel);
  EXPECT_EQ(At(raised, 0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(raised, 119, 39), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(raised, 5, 20), ColorToRGB(clBtnFace));
  int dark = 0;  // the caption's strokes, in the middle
  for (int y = 12; y < 28; ++y)
    for (int x = 30; x < 90; ++x) dark += raised.pixelColor(x, y).lightness() < 100;
  EXPECT_GT(dark, 20);

  panel->SetBevelOuter(bvLowered);
  QImage lowered = Picture(panel);
  EXPECT_EQ(At(lowered, 0, 0), ColorToRGB(clBtnShadow));

  panel->SetBevelInner(bvRaised);
  panel->SetBorderWidth(2);
  auto* inside = new TPanel(&form);
  inside->SetParent(panel);
  inside->SetAlign(alClient);
  EXPECT_EQ(inside->GetLeft(), 4);  // outer bevel, border, inner bevel
  EXPECT_EQ(inside->GetWidth(), 112);
}

TEST_F(PaintedControls, ImagePlacesItsPicture) {
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(10, 10, 100, 100);
  TBitmap blue;
  blue.SetSize(20, 10);
  blue.Canvas->Brush->SetColor(clBlue);
  blue.Canvas->FillRect(TRect(0, 0, 20, 10));
  image->GetPicture()->SetGraphic(&blue);

  EXPECT_EQ(image->DestRect(), TRect(0, 0, 20, 10));
  image->SetCenter(true);
  EXPECT_EQ(image->DestRect(), TRect(40, 45, 60, 55));
  image->SetProportional(true);
  image->SetStretch(true);
  EXPECT_EQ(image->DestRect(), TRect(0, 25, 100, 75));
  EXPECT_EQ(At(Picture(image), 50, 30), clBlue);
  image->SetAutoSize(true);
  EXPECT_EQ(image->GetWidth(), 20);
  EXPECT_EQ(image->GetHeight(), 10);
}

TEST_F(PaintedControls, ImageCanvasDrawsIntoThePicture) {
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(0, 0, 30, 20);
  TCanvas* canvas = image->GetCanvas();  // a bitmap of the control's size
  EXPECT_EQ(image->GetPicture()->GetWidth(), 30);
  canvas->Brush->SetColor(clLime);
  canvas->FillRect(TRect(0, 0, 30, 20));
  EXPECT_EQ(At(Picture(image), 15, 10), clLime);

  TPngImage png;
  image->GetPicture()->SetGraphic(&png);
  EXPECT_THROW(image->GetCanvas(), EInvalidOperation);
}

TEST_F(PaintedControls, HintWindowShowsItsTextInABorderedPopup) {
  THintWindow hint(nullptr);
  EXPECT_FALSE(hint.Widget()->isVisible());
  TRect rect = hint.CalcHintRect(300, "Gesamtpreis der Teile", nullptr);
  EXPECT_EQ(rect.Left, 0);
  EXPECT_GT(rect.Width(), 6);
  OffsetRect(rect, 50, 60);
  hint.ActivateHint(rect, "Gesamtpreis der Teile");
  EXPECT_TRUE(hint.Widget()->isVisible());
  EXPECT_TRUE(hint.Widget()->isWindow());
  EXPECT_EQ(hint.GetLeft(), 50);
  EXPECT_EQ(hint.GetHeight(), rect.Height() + 4);
  QImage picture = Picture(&hint);
  EXPECT_EQ(At(picture, 0, 0), ColorToRGB(clWindowFrame));
  EXPECT_EQ(At(picture, 1, hint.GetHeight() - 2), ColorToRGB(clInfoBk));

  rect = Bounds(Screen->GetWidth() - 10, 0, 80, 20);  // kept on the screen
  hint.ActivateHint(rect, "rechts");
  EXPECT_EQ(hint.GetLeft() + hint.GetWidth(), Screen->GetWidth());
  hint.ReleaseHandle();
  EXPECT_FALSE(hint.Widget()->isVisible());
}

TEST(ColorDialogTest, ExecuteKeepsTheChosenColour) {
  MessageLog log;
  TColorDialog dialog(nullptr);
  dialog.Color = clGreen;
  log.AnswerColor(clRed);
  log.Answer(mrCancel);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Color, clRed);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Color, clRed);
  EXPECT_EQ(log.texts.size(), 2u);
}

}  // namespace
