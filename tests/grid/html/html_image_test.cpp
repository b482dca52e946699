// The HTML image control: where it places its picture, rendered offscreen.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "components/grid/html/HTMLImage.h"
#include "picture_samples.h"
#include "platform/controls/forms.h"

namespace {

class HTMLImageShown : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 240);
    form.Show();
    image = new THTMLImage(&form);
    image->SetParent(&form);
    image->SetLeft(10);
    image->SetTop(10);
    LoadBytes(*image->GetHTMLPicture(), RedPng());  // 4 x 3
    image->GetHTMLPicture()->SetStretch(false);
  }
  QImage Shown() const { return image->Widget()->grab().toImage(); }
  bool RedAt(const QImage& shown, int x, int y) const {
    return shown.pixelColor(x, y) == QColor(255, 0, 0);
  }

  TForm form{nullptr};
  THTMLImage* image = nullptr;
};

TEST_F(HTMLImageShown, PlacesThePictureByPosition) {
  EXPECT_EQ(image->GetWidth(), 100);
  EXPECT_EQ(image->GetHeight(), 100);
  struct Case {
    TPicturePosition position;
    int x, y;        // a pixel of the picture
    int outX, outY;  // a pixel beside it
  };
  for (const Case& c : {Case{bpTopLeft, 0, 0, 4, 0}, Case{bpTopRight, 99, 0, 95, 0},
                        Case{bpBottomLeft, 0, 99, 0, 96}, Case{bpBottomRight, 99, 99, 99, 96},
                        Case{bpCenter, 48, 48, 52, 48}, Case{bpTiled, 97, 98, -1, -1},
                        Case{bpStretched, 70, 70, -1, -1}}) {
    image->SetPicturePosition(c.position);
    const QImage shown = Shown();
    EXPECT_TRUE(RedAt(shown, c.x, c.y)) << c.position;
    if (c.outX >= 0) {
      EXPECT_FALSE(RedAt(shown, c.outX, c.outY)) << c.position;
    }
  }
  EXPECT_FALSE(image->GetHTMLPicture()->GetStretch());  // stretched for the painting only
}

TEST_F(HTMLImageShown, ShowsTheCurrentFrameOfAGif) {
  LoadBytes(*image->GetHTMLPicture(), ThreeFrameGif());
  image->SetPicturePosition(bpCenter);
  image->GetHTMLPicture()->SetFrame(3);  // 6 x 5, blue
  const QImage shown = Shown();
  EXPECT_EQ(shown.pixelColor(50, 50), QColor(0, 0, 255));
  EXPECT_NE(shown.pixelColor(44, 50), QColor(0, 0, 255));
  image->SetHTMLPicture(nullptr);
  EXPECT_NE(Shown().pixelColor(50, 50), QColor(0, 0, 255));
}

}  // namespace
