#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "platform/graphics/brush.h"
#include "platform/graphics/font.h"
#include "platform/graphics/pen.h"
#include "platform/graphics/qt/qt_color.h"

namespace {

TEST(ColorTest, SystemColoursComeFromTheApplicationPalette) {
  QPalette palette = QApplication::palette();
  EXPECT_EQ(ColorToRGB(clBtnFace), FromQColor(palette.color(QPalette::Active, QPalette::Button)));
  EXPECT_EQ(ColorToRGB(clWindow), FromQColor(palette.color(QPalette::Active, QPalette::Base)));
  EXPECT_EQ(ColorToRGB(clHighlight), FromQColor(palette.color(QPalette::Active, QPalette::Highlight)));
  EXPECT_EQ(ColorToRGB(clInfoBk), FromQColor(palette.color(QPalette::Active, QPalette::ToolTipBase)));
  EXPECT_EQ(ColorToRGB(clGrayText), FromQColor(palette.color(QPalette::Disabled, QPalette::Text)));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(cl3DDkShadow, static_cast<TColor>(0x80000015));
}

TEST(ColorTest, PlainColoursNoneAndDefaultPassUnchanged) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
  EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFF);
  EXPECT_EQ(ColorToRGB(clDefault), 0x20000000);
  EXPECT_EQ(RGB(1, 2, 3), 0x030201);
  EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
}

TEST(ColorTest, QtColoursBothWays) {
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(clNavy), QColor(0, 0, 128));
  EXPECT_EQ(ToQColor(clNone).alpha(), 0);
  EXPECT_EQ(ToQColor(clDefault), ToQColor(clWindowText));
  EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(FontTest, SizeAndHeightFollowPixelsPerInch) {
  TFont font;
  EXPECT_EQ(font.GetSize(), 8);
  EXPECT_EQ(font.GetHeight(), -11);
  font.SetSize(10);
  EXPECT_EQ(font.GetHeight(), -13);
  font.SetPixelsPerInch(600);  // as a printer canvas: the height stays, the size reads anew
  EXPECT_EQ(font.GetHeight(), -13);
  EXPECT_EQ(font.GetSize(), 2);
  font.SetSize(10);
  EXPECT_EQ(font.GetHeight(), -83);
  font.SetHeight(83);  // a cell height gives a negative size
  EXPECT_EQ(font.GetSize(), -10);
}

TEST(FontTest, ChangesAreReportedAndAssignCopiesEverything) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &font);
    ++changes;
  };
  font.SetName("Arial");
  font.SetName("Arial");  // unchanged: no event
  font.SetStyle({fsBold, fsUnderline});
  font.SetColor(clRed);
  font.SetOrientation(900);
  EXPECT_EQ(changes, 4);

  TFont copy;
  copy.SetPitch(fpFixed);
  copy.Assign(font);
  EXPECT_EQ(copy.GetName(), "Arial");
  EXPECT_TRUE(copy.GetStyle().Contains(fsUnderline));
  EXPECT_EQ(copy.GetColor(), clRed);
  EXPECT_EQ(copy.GetPitch(), fpDefault);
  EXPECT_EQ(copy.GetOrientation(), 900);

  LOGFONT lf{};
  EXPECT_EQ(GetObject(copy.GetHandle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  EXPECT_FALSE(DeleteObject(copy.GetHandle()));  // the font owns its handle
}

TEST(FontTest, CreatedFontsCarryTheirRecord) {
  HFONT f = CreateFontA(-40, 0, 450, 0, FW_BOLD, 1, 0, 0, DEFAULT_CHARSET, OUT_TT_PRECIS,
                        CLIP_LH_ANGLES, PROOF_QUALITY, 0, "Courier New");
  LOGFONT lf{};
  GetObject(f, sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -40);
  EXPECT_EQ(lf.lfEscapement, 450);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_STREQ(lf.lfFaceName, "Courier New");
  EXPECT_TRUE(DeleteObject(f));
}

TEST(PenBrushTest, DefaultsAndAClearBrushThatTakesAColour) {
  TPen pen;
  EXPECT_EQ(pen.GetColor(), clBlack);
  EXPECT_EQ(pen.GetWidth(), 1);
  EXPECT_EQ(pen.GetMode(), pmCopy);
  TBrush brush;
  EXPECT_EQ(brush.GetColor(), clWhite);
  brush.SetStyle(bsClear);
  brush.SetColor(clRed);
  EXPECT_EQ(brush.GetStyle(), bsSolid);
}

}  // namespace
