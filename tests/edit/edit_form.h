// Typed edits on a shown form, for the look, label and lookup tests: pictures of controls and
// their pixels as colours.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "components/edit/ExtEdit.h"
#include "platform/controls/forms.h"
#include "platform/graphics/qt/qt_color.h"

// Whether some pixel of the rectangle is as the test wants it.
template <typename Test>
bool Any(const QImage& image, const QRect& area, Test test) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (test(image.pixelColor(x, y))) return true;
  return false;
}

class EditForm : public testing::Test {
 protected:
  void SetUp() override { form.SetBounds(0, 0, 420, 320); }
  TExtEdit* NewEdit(int left, int top, int width = 150, int height = 21) {
    auto* edit = new TExtEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(left, top, width, height);
    return edit;
  }
  void Show() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  }
  static QImage Picture(TControl* control) { return control->Widget()->grab().toImage(); }
  static TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }
  static bool Has(const QImage& image, const QRect& area, TColor color) {
    return Any(image, area, [color](const QColor& c) { return FromQColor(c) == color; });
  }
  // Whether the rectangle holds dark ink (text, smoothed at its edges).
  static bool HasInk(const QImage& image, const QRect& area) {
    return Any(image, area, [](const QColor& c) { return c.lightness() < 0x60; });
  }
  static void Type(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
  }
  static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  TForm form{nullptr};
};
