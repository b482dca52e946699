// The focus mark: every kind of control a user tabs to shows that it has the focus, and
// stops showing it when the focus goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/forms.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/pagecontrol.h"
#include "platform/stdctrls/scrollbar.h"

namespace {

class FocusMark : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 400, 320);
    edit = Add<TEdit>(8, 8, 100, 21);
    auto* button = Add<TButton>(8, 40, 75, 25);
    button->SetCaption("&Abfrage");
    auto* check = Add<TCheckBox>(8, 80, 120, 17);
    check->SetCaption(
        "Pr\xFC"
        "fen");
    auto* box = Add<TCheckBox>(140, 80, 17, 17);  // its text is a label of its own
    auto* radio = Add<TRadioButton>(8, 110, 120, 17);
    radio->SetCaption("Auswahl");
    auto* bar = Add<TScrollBar>(8, 140, 200, 17);
    auto* vertical = Add<TScrollBar>(220, 8, 17, 120);
    vertical->SetKind(sbVertical);
    vertical->SetParams(0, 0, 0);  // no range: the mark goes round the inside of the bar
    auto* pages = Add<TPageControl>(8, 170, 300, 90);
    for (const char* caption : {"Eins", "Zwei"}) {
      auto* sheet = new TTabSheet(&form);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    stops = {{button, "button"}, {check, "check box"}, {box, "box"},
             {radio, "radio"},   {bar, "scroll bar"},  {vertical, "bar without range"},
             {pages, "tabs"}};
  }
  template <class T>
  T* Add(int left, int top, int width, int height) {
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
  }
  void ShowActive() {
    form.Show();
    form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  }
  static QImage Picture(TWinControl* control) { return control->Widget()->grab().toImage(); }
  static void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

  TForm form{nullptr};
  TEdit* edit = nullptr;
  std::vector<std::pair<TWinControl*, std::string>> stops;  // in tab order after the edit
};

TEST_F(FocusMark, EachKindOfControlShowsItWhileTabHoldsTheFocusThere) {
  ShowActive();
  edit->SetFocus();
  TWinControl* before = nullptr;  // the stop left last and its picture without the focus
  QImage beforeUnfocused;
  for (auto [control, name] : stops) {
    SCOPED_TRACE(name);
    QImage unfocused = Picture(control);
    Tab();
    ASSERT_TRUE(control->Focused());
    EXPECT_NE(Picture(control), unfocused);
    if (before) {
      EXPECT_EQ(Picture(before), beforeUnfocused);  // no mark stays behind
    }
    before = control;
    beforeUnfocused = unfocused;
  }
}

// The pixels that the focus changes clearly (by more than a third of the scale in a colour).
int MarkPixels(const QImage& focused, const QImage& unfocused) {
  int count = 0;
  for (int y = 0; y < focused.height(); ++y)
    for (int x = 0; x < focused.width(); ++x) {
      const QColor a = focused.pixelColor(x, y), b = unfocused.pixelColor(x, y);
      const int change = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                   std::abs(a.blue() - b.blue())});
      if (change > 85) ++count;
    }
  return count;
}

// A scroll bar's mark is as clear as a button's, with a range and without one. Pictures of
// the focused bars are kept in $KALVENTO_PICTURE_DIR when that is set.
TEST_F(FocusMark, AScrollBarsMarkIsAsClearAsAButtons) {
  ShowActive();
  edit->SetFocus();
  std::vector<int> marked;
  for (auto [control, name] : stops) {
    QImage unfocused = Picture(control);
    control->SetFocus();
    QImage focused = Picture(control);
    marked.push_back(MarkPixels(focused, unfocused));
    if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
        keep && name.find("bar") != name.npos)
      focused.save(
          QDir(keep).filePath(QString::fromStdString("focus-" + name + ".png").replace(' ', '-')));
  }
  const int button = marked[0];
  EXPECT_GT(button, 0);
  EXPECT_GE(marked[4], button);  // the scroll bar
  EXPECT_GE(marked[5], button);  // the bar without range
}

// Qt forgets at every hiding that a window shows focus marks; in a window shown again the
// focus the program sets, or a click, marks its control all the same.
TEST_F(FocusMark, EveryShowingMarksTheFocusHoweverItCame) {
  TWinControl* button = stops.front().first;
  ShowActive();
  edit->SetFocus();
  QImage unfocused = Picture(button);
  form.Hide();
  TForm meanwhile(nullptr);  // the window the user went to in between
  meanwhile.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(meanwhile.Widget()));
  ShowActive();
  button->SetFocus();
  EXPECT_NE(Picture(button), unfocused);
  QTest::mouseClick(edit->Widget(), Qt::LeftButton);
  EXPECT_EQ(Picture(button), unfocused);
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_NE(Picture(button), unfocused);
}

}  // namespace
