#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/speedbutton.h"

namespace {

class SpeedButton : public testing::Test {
 protected:
  TForm form{nullptr};
  TSpeedButton* button = nullptr;
  int clicks = 0;

  void SetUp() override {
    form.SetBounds(0, 0, 200, 100);
    button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetBounds(10, 10, 30, 24);
    button->OnClick = [this](TObject*) { ++clicks; };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  }
  void Move(QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, button->Widget()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button->Widget(), &move);
  }
};

TEST_F(SpeedButton, GoesDownWhileHeldAndClicksOnTheReleaseOverIt) {
  QTest::mousePress(button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(button->GetState(), bsDown);
  EXPECT_EQ(clicks, 0);
  Move(QPoint(50, 5));
  EXPECT_EQ(button->GetState(), bsUp);
  Move(QPoint(6, 6));
  EXPECT_EQ(button->GetState(), bsDown);
  QTest::mouseRelease(button->Widget(), Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(button->GetState(), bsUp);
  EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButton, AReleaseAwayFromItOrADisabledButtonDoesNotClick) {
  QTest::mousePress(button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(button->Widget(), Qt::LeftButton, {}, QPoint(60, 5));
  button->SetEnabled(false);
  EXPECT_EQ(button->GetState(), bsDisabled);
  QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 0);
}

TEST_F(SpeedButton, PaintsTheGlyphCentred) {
  TBitmap glyph;
  glyph.SetSize(8, 4);  // two images of 4 x 4: red, then blue
  glyph.Canvas->Brush->SetColor(clRed);
  glyph.Canvas->FillRect(TRect(0, 0, 4, 4));
  glyph.Canvas->Brush->SetColor(clBlue);
  glyph.Canvas->FillRect(TRect(4, 0, 8, 4));
  glyph.Canvas->SetPixels(0, 3, clLime);  // the transparent colour
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(2);
  QImage image = button->Widget()->grab().toImage();
  EXPECT_EQ(image.pixelColor(14, 11), QColor(Qt::red));
  EXPECT_NE(image.pixelColor(13, 13), QColor(Qt::green));
  button->SetEnabled(false);
  image = button->Widget()->grab().toImage();
  EXPECT_EQ(image.pixelColor(14, 11), QColor(Qt::blue));  // the disabled image
}

}  // namespace
