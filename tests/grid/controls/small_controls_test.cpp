#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <fstream>

#include "components/grid/controls/ArrowWindow.h"
#include "components/grid/controls/EsgCombo.h"
#include "components/grid/controls/EsgEditBtn.h"
#include "components/grid/controls/EsgSpinEdit.h"
#include "components/grid/html/FilePicture.h"
#include "components/grid/controls/PopupButton.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "temp_folder.h"

namespace {

QColor Qt(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Renders a control into a PNG (kept in $KALVENTO_PICTURE_DIR when that is set).
QImage Picture(TControl* control, const char* name) {
  QImage image = control->Widget()->grab().toImage();
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    image.save(QDir(QString::fromLocal8Bit(keep)).filePath(name));
  return image;
}

bool HasDarkPixel(const QImage& image, QRect area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 80) return true;
  return false;
}

// --- the flat combo box ---

class FlatCombo : public testing::Test {
 protected:
  TForm form{nullptr};
  TESGComboBox* combo = nullptr;

  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    form.SetColor(clBtnFace);
    combo = new TESGComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(8, 8, 120, 22);
    combo->GetItems()->Add("Widerstand");
    combo->SetItemIndex(0);
  }
};

TEST_F(FlatCombo, ButtonWidthTakesOnly14To32) {
  const int start = combo->GetButtonWidth();
  EXPECT_GE(start, 14);
  combo->SetButtonWidth(10);
  combo->SetButtonWidth(40);
  EXPECT_EQ(combo->GetButtonWidth(), start);
  combo->SetButtonWidth(20);
  EXPECT_EQ(combo->GetButtonWidth(), 20);
}

TEST_F(FlatCombo, ShowsThePlainBorderUntilTheMouseComesOrTheFocus) {
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  QImage plain = Picture(combo, "combo-flat.png");
  EXPECT_EQ(plain.pixelColor(0, 10), Qt(clBtnFace));
  EXPECT_EQ(plain.pixelColor(1, 10), Qt(clBtnFace));
  EXPECT_EQ(plain.pixelColor(2, 10), Qt(clWindow));
  EXPECT_TRUE(HasDarkPixel(plain, QRect(120 - combo->GetButtonWidth(), 4, 16, 14)));  // the arrow

  combo->FocusBorder = true;
  combo->SetFocus();
  QImage focused = Picture(combo, "combo-focused.png");
  EXPECT_EQ(focused.pixelColor(0, 10), Qt(clBtnShadow));  // sunken
  EXPECT_EQ(focused.pixelColor(1, 10), Qt(clBtnFace));
}

TEST_F(FlatCombo, DisablingTakesTheParentsColourAndEnablingGivesItsOwnBack) {
  combo->SetColor(clYellow);
  combo->SetEnabled(false);
  EXPECT_EQ(combo->GetColor(), form.GetColor());
  combo->SetEnabled(true);
  EXPECT_EQ(combo->GetColor(), clYellow);
  EXPECT_FALSE(combo->GetParentColor());
}

// --- arrow windows and the popup button ---

TEST(ArrowWindow, TheShapeIsTheArrowsPolygon) {
  TArrowWindow up(nullptr, arrUp);
  EXPECT_FALSE(up.GetVisible());
  EXPECT_EQ(up.GetWidth(), 10);
  EXPECT_EQ(up.GetHeight(), 9);
  const QRegion shape = up.Widget()->mask();
  EXPECT_TRUE(shape.contains(QPoint(5, 2)));  // the shaft
  EXPECT_TRUE(shape.contains(QPoint(5, 6)));  // the head
  EXPECT_FALSE(shape.contains(QPoint(0, 0)));
  EXPECT_FALSE(shape.contains(QPoint(1, 2)));

  TArrowWindow right(nullptr, arrRight);
  const QRegion pointing = right.Widget()->mask();
  EXPECT_TRUE(pointing.contains(QPoint(2, 5)));
  EXPECT_FALSE(pointing.contains(QPoint(7, 1)));
  right.SetBounds(100, 100, right.GetWidth(), right.GetHeight());
  right.Show();
  EXPECT_TRUE(right.Widget()->isVisible());
  EXPECT_TRUE(right.Widget()->isWindow());
  right.Hide();
}

TEST(PopupButton, ShowsTheCaptionInARaisedBorderedBox) {
  TPopupButton button(nullptr);
  EXPECT_FALSE(button.GetVisible());
  button.SetCaption("Bezeichnung einer sehr langen Spalte");
  button.SetBounds(50, 50, 90, 20);
  button.Show();
  QImage image = Picture(&button, "popup-button.png");
  EXPECT_EQ(image.pixelColor(0, 0), Qt(clWindowFrame));
  EXPECT_EQ(image.pixelColor(1, 5), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(5, 18), Qt(clGray));
  EXPECT_TRUE(HasDarkPixel(image, QRect(4, 4, 82, 12)));
  EXPECT_TRUE(button.Widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
  button.Hide();
}

// --- the file picture ---

TEST(FilePicture, KnowsItsSizeAndDrawsItselfStretched) {
  TempFolder folder;
  TBitmap source;
  source.SetSize(4, 3);
  source.Canvas->Brush->SetColor(clRed);
  source.Canvas->FillRect(TRect(0, 0, 4, 3));
  source.SaveToFile(folder / "red.bmp");

  TFilePicture picture;
  picture.SetFileName(folder / "red.bmp");
  EXPECT_EQ(picture.GetWidth(), 4);
  EXPECT_EQ(picture.GetHeight(), 3);
  TBitmap target;
  target.SetSize(20, 20);
  picture.DrawPicture(target.Canvas, TRect(2, 2, 18, 18));
  EXPECT_EQ(target.Canvas->GetPixels(10, 10), clRed);
  EXPECT_EQ(target.Canvas->GetPixels(0, 0), clWhite);

  TFilePicture copy;
  copy.Assign(picture);
  EXPECT_EQ(copy.GetFilename(), picture.GetFilename());
  EXPECT_EQ(copy.GetWidth(), 4);
}

TEST(FilePicture, AMissingOrDamagedFileDrawsNothingAndRaisesNothing) {
  TempFolder folder;
  std::ofstream(folder / "broken.bmp") << "BM not a bitmap";
  TBitmap target;
  target.SetSize(10, 10);
  for (const char* name : {"missing.png", "broken.bmp", "picture.xyz"}) {
    TFilePicture picture;
    EXPECT_NO_THROW(picture.SetFileName(folder / name));
    EXPECT_EQ(picture.GetFilename(), folder / name);
    EXPECT_EQ(picture.GetWidth(), 0);
    EXPECT_NO_THROW(picture.DrawPicture(target.Canvas, TRect(0, 0, 10, 10)));
  }
  EXPECT_EQ(target.Canvas->GetPixels(5, 5), clWhite);
}

// --- pictures of the edit controls ---

TEST(ControlPictures, EditButtonsAndSpinEdits) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* edit = new TEsgEditBtn(&form);
  edit->SetParent(&form);
  edit->SetBounds(8, 8, 120, 24);
  edit->SetButtonCaption("...");
  auto* unit = new TEsgUnitEditBtn(&form);
  unit->SetParent(&form);
  unit->SetBounds(8, 40, 150, 24);
  unit->SetText("12");
  unit->SetUnitSpace(24);
  unit->SetUnitID("mm");
  auto* spin = new TEsgSpinEdit(&form);
  spin->SetParent(&form);
  spin->SetBounds(8, 72, 80, 24);
  auto* sideways = new TEsgSpinEdit(&form);
  sideways->SetParent(&form);
  sideways->SetBounds(100, 72, 80, 24);
  sideways->GetButton()->SetWidth(30);
  sideways->SetDirection(spHorizontal);
  auto* themed = new TEsgSpinEdit(&form);
  themed->SetParent(&form);
  themed->SetBounds(8, 104, 80, 24);
  themed->SetIsWinXP(true);
  auto* flat = new TEsgSpinEdit(&form);
  flat->SetParent(&form);
  flat->SetBounds(100, 104, 80, 24);
  flat->SetSpinFlat(true);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));

  QImage all = Picture(&form, "edit-controls.png");
  QImage button = Picture(edit, "edit-button.png");
  EXPECT_TRUE(HasDarkPixel(button, QRect(edit->GetButton()->GetLeft() + 3, 8, 12, 10)));  // "..."
  QImage units = Picture(unit, "unit-edit-button.png");
  const int unitLeft = 150 - 2 - 18 - 3 - 24;
  EXPECT_TRUE(HasDarkPixel(units, QRect(unitLeft, 4, 24, 16)));  // "mm"
  QImage arrows = Picture(spin, "spin-edit.png");
  const TEsgSpinButton* pair = spin->GetButton();
  EXPECT_TRUE(HasDarkPixel(arrows, QRect(pair->GetLeft() + 3, pair->GetTop() + 2, 9, 7)));
  EXPECT_TRUE(HasDarkPixel(arrows, QRect(pair->GetLeft() + 3, pair->GetTop() + 11, 9, 7)));
  EXPECT_FALSE(all.isNull());
}

}  // namespace
