// The mouse inside modal windows that a mouse click opened, two deep: buttons, check boxes,
// scroll bars and grids answer every click, and the windows below answer again afterwards.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "platform/controls/forms.h"
#include "platform/grids/string_grid.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "platform/stdctrls/combobox.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/pagecontrol.h"
#include "platform/stdctrls/scrollbar.h"
#include "window_double_click.h"
#include "window_mouse.h"

namespace {

constexpr int kBarLength = 200;
constexpr int kBarWidth = 17;

template <typename Control>
Control* Put(TForm& form, int left, int top, int width, int height) {
  auto* control = new Control(&form);
  control->SetParent(&form);
  control->SetBounds(left, top, width, height);
  return control;
}

class ModalMouse : public testing::Test {
 protected:
  void SetUp() override {
    for (TForm* form : {&main, &first, &second}) form->SetBounds(0, 0, 400, 300);
    open = Put<TButton>(main, 10, 10, 100, 25);
    open->OnClick = [this](TObject*) { Log("open"), first.ShowModal(); };
    mainButton = Put<TButton>(main, 10, 50, 100, 25);
    mainButton->OnClick = [this](TObject*) { Log("main"); };

    button = Put<TButton>(first, 10, 10, 100, 25);
    button->OnClick = [this](TObject*) { Log("button"); };
    check = Put<TCheckBox>(first, 10, 40, 100, 20);
    check->OnClick = [this](TObject*) { Log("check"); };
    bar = Put<TScrollBar>(first, 360, 10, kBarWidth, kBarLength);
    bar->SetKind(sbVertical);
    bar->SetBounds(360, 10, kBarWidth, kBarLength);
    bar->SetParams(0, 0, 100);
    bar->SetLargeChange(10);
    grid = Put<TStringGrid>(first, 10, 70, 300, 120);
    grid->OnDblClick = [this](TObject*) { Log("grid double"); };
    deeper = Put<TButton>(first, 10, 200, 100, 25);
    deeper->OnClick = [this](TObject*) { Log("deeper"), second.ShowModal(); };
    ok = Put<TButton>(first, 120, 200, 100, 25);
    ok->ModalResult = mrOk;

    edit = Put<TEdit>(second, 10, 90, 100, 21);
    combo = Put<TComboBox>(second, 10, 120, 100, 21);
    combo->GetItems()->Add("eins");
    combo->GetItems()->Add("zwei");
    pages = Put<TPageControl>(second, 130, 10, 200, 100);
    for (const char* caption : {"Erste", "Zweite"}) {
      auto* sheet = new TTabSheet(&second);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    cells = Put<TStringGrid>(second, 130, 120, 250, 120);
    cells->SetOptions(cells->GetOptions() + goEditing);
    secondButton = Put<TButton>(second, 10, 10, 100, 25);
    secondButton->OnClick = [this](TObject*) { Log("second"); };
    secondOk = Put<TButton>(second, 10, 50, 100, 25);
    secondOk->ModalResult = mrOk;

    main.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.Widget()));
  }

  void Log(const char* what) { log.push_back(what); }

  // Runs the steps once the modal loop of a form has shown it.
  static void InModal(TForm& form, std::function<void()> steps) {
    QTimer::singleShot(0, [&form, steps] {
      ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
      steps();
    });
  }

  // An edit, a combo box, a tab and a grid's inplace editor answer the mouse two windows
  // deep.
  void SecondWindowControls() {
    WindowClick(edit->Widget());
    EXPECT_TRUE(edit->Focused());
    QTest::keyClicks(QApplication::focusWidget(), "Ohm");
    EXPECT_EQ(edit->GetText(), "Ohm");

    QWidget* box = combo->Widget();
    WindowClick(box, {box->width() - 5, box->height() / 2});  // its arrow
    EXPECT_TRUE(combo->GetDroppedDown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetText(), "zwei");

    auto* bar = pages->Widget()->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    WindowClick(bar, bar->tabRect(1).center());
    EXPECT_EQ(pages->GetActivePageIndex(), 1);

    QWidget* area = static_cast<QAbstractScrollArea*>(cells->Widget())->viewport();
    TRect first = cells->CellRect(1, 1), other = cells->CellRect(2, 2);
    WindowClick(area, {first.Left + 4, first.Top + 4});
    WindowDoubleClick(area, {first.Left + 4, first.Top + 4});  // opens the inplace editor
    QTest::keyClicks(QApplication::focusWidget(), "4k7");
    WindowClick(area, {other.Left + 4, other.Top + 4});  // leaving by the mouse stores it
    EXPECT_EQ(cells->Cells(1, 1), "4k7");
    EXPECT_EQ(cells->GetRow(), 2);
  }

  QWidget* Cells() const { return static_cast<QAbstractScrollArea*>(grid->Widget())->viewport(); }
  QPoint CellPoint(int col, int row) const {
    TRect r = grid->CellRect(col, row);
    return {r.Left + 4, r.Top + 4};
  }
  // The bar's lower arrow, and the trough between the thumb and that arrow.
  QPoint LowerArrow() const { return {kBarWidth / 2, kBarLength - 4}; }
  QPoint LowerTrough() const { return {kBarWidth / 2, kBarLength - kBarWidth - 10}; }

  TForm main{nullptr}, first{nullptr}, second{nullptr};
  TButton *open, *mainButton, *button, *deeper, *ok, *secondButton, *secondOk;
  TCheckBox* check;
  TScrollBar* bar;
  TStringGrid* grid;
  TEdit* edit;
  TComboBox* combo;
  TPageControl* pages;
  TStringGrid* cells;
  std::vector<std::string> log;
};

// Each step checks at once what it changed, inside the modal loops, and the log the order.
TEST_F(ModalMouse, ClicksInsideModalWindowsOpenedByAClickReachTheirControls) {
  InModal(first, [this] {
    WindowClick(button->Widget());
    WindowClick(check->Widget());
    EXPECT_TRUE(check->GetChecked());

    // A press on the arrow and its release move one step, however long the loop runs after.
    WindowPress(bar->Widget(), LowerArrow());
    WindowRelease(bar->Widget(), LowerArrow());
    QTest::qWait(700);
    EXPECT_EQ(bar->GetPosition(), 1);
    WindowClick(bar->Widget(), LowerTrough());
    QTest::qWait(700);
    EXPECT_EQ(bar->GetPosition(), 11);

    WindowClick(Cells(), CellPoint(2, 3));
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetRow(), 3);
    for (int twice = 0; twice < 2; ++twice) {
      WindowDoubleClick(Cells(), CellPoint(1, 0));
      QTest::qWait(QApplication::doubleClickInterval() + 50);
    }

    InModal(second, [this] {
      WindowClick(secondButton->Widget());
      SecondWindowControls();
      WindowClick(secondOk->Widget());
    });
    WindowClick(deeper->Widget());
    WindowClick(button->Widget());  // the first window answers again
    WindowClick(ok->Widget());
  });
  WindowClick(open->Widget());
  EXPECT_FALSE(first.GetVisible());
  WindowClick(mainButton->Widget());
  EXPECT_EQ(log, (std::vector<std::string>{"open", "button", "check", "grid double",
                                           "grid double", "deeper", "second", "button",
                                           "main"}));
}

// Held down, the arrow repeats until the release, and stops there.
TEST_F(ModalMouse, AHeldArrowRepeatsUntilItsRelease) {
  int released = 0;
  InModal(first, [&] {
    WindowPress(bar->Widget(), LowerArrow());
    QTest::qWait(900);
    WindowRelease(bar->Widget(), LowerArrow());
    released = bar->GetPosition();
    QTest::qWait(500);
    EXPECT_EQ(bar->GetPosition(), released);
    WindowClick(ok->Widget());
  });
  WindowClick(open->Widget());
  EXPECT_GT(released, 1);
  EXPECT_LT(released, 100);
}

}  // namespace
