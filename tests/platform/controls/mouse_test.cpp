#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

#include "platform/controls/forms.h"
#include "platform/controls/menus.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/label.h"
#include "platform/stdctrls/panel.h"
#include "window_double_click.h"

namespace {

std::string Shift(TShiftState shift) {
  std::string out;
  for (auto [item, name] : {std::pair{ssShift, " shift"}, {ssCtrl, " ctrl"}, {ssLeft, " left"},
                            {ssRight, " right"}, {ssDouble, " double"}})
    if (shift.Contains(item)) out += name;
  return out;
}

class Mouse : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 80, 20);
    label->SetCaption("Ziel");
    label->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
      log.push_back("down " + std::to_string(button) + " " + std::to_string(x) + "," +
                    std::to_string(y) + Shift(shift));
    };
    label->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
      log.push_back("up " + std::to_string(button) + " " + std::to_string(x) + "," +
                    std::to_string(y) + Shift(shift));
    };
    label->OnClick = [this](TObject*) { log.push_back("click"); };
    label->OnDblClick = [this](TObject*) { log.push_back("dblclick"); };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  }

  TForm form{nullptr};
  TLabel* label = nullptr;
  std::vector<std::string> log;
};

TEST_F(Mouse, ClickGivesDownClickUpWithButtonsAndKeys) {
  form.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("form"); };
  QTest::mouseClick(label->Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 4));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 3,4 shift left", "click", "up 0 3,4 shift"}));
}

TEST_F(Mouse, DoubleClickAddsDblClickAndADownWithDouble) {
  // Qt's sequence: press, release, double click, release.
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseDClick(label->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseRelease(label->Widget(), Qt::LeftButton, {}, QPoint(5, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 5,6 left", "click", "up 0 5,6", "dblclick",
                                            "down 0 5,6 left double", "up 0 5,6"}));
}

// Qt hands the press that makes a double click to the window only: the control sees it as the
// double click, and its release clicks no second time.
TEST_F(Mouse, AWindowDoubleClickTakesTheSecondPressAsTheDblClick) {
  WindowDoubleClick(label->Widget(), QPoint(5, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 5,6 left", "click", "up 0 5,6", "dblclick",
                                            "down 0 5,6 left double", "up 0 5,6"}));
}

// The window system pairs only two presses of one window: a double click on a control whose
// window did not get the first press is its press. The label's window is the form's.
TEST_F(Mouse, ADoubleClickWhoseFirstPressWentToAnotherWindowIsAPress) {
  auto hiddenOnClick = [&](TControl* cover) {
    cover->SetParent(&form);
    cover->SetBounds(20, 30, 80, 20);
    cover->BringToFront();
    cover->OnClick = [this, cover](TObject*) {
      log.push_back("cover");
      cover->SetVisible(false);
    };
  };
  hiddenOnClick(new TPanel(&form));
  WindowDoubleClick(label->Widget(), QPoint(5, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"cover", "down 0 5,6 left", "click", "up 0 5,6"}));

  log.clear();
  auto* graphic = new TLabel(&form);
  graphic->SetAutoSize(false);
  hiddenOnClick(graphic);
  WindowDoubleClick(label->Widget(), QPoint(5, 6));
  EXPECT_EQ(log,
            (std::vector<std::string>{"cover", "dblclick", "down 0 5,6 left double", "up 0 5,6"}));
}

TEST_F(Mouse, WithoutDoubleClicksAWindowDoubleClickIsTwoClicks) {
  label->ControlStyle = label->ControlStyle - TControlStyle{csDoubleClicks};
  WindowDoubleClick(label->Widget(), QPoint(5, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 5,6 left", "click", "up 0 5,6",
                                            "down 0 5,6 left", "click", "up 0 5,6"}));

  auto* button = new TButton(&form);  // clicks from its Qt widget, which gets the double click
  button->SetParent(&form);
  button->SetBounds(20, 80, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  WindowDoubleClick(button->Widget(), QPoint(10, 10));
  EXPECT_EQ(clicks, 2);
}

TEST_F(Mouse, AWindowDoubleClickOnAnEditSelectsAWordOnce) {
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(20, 80, 160, 21);
  edit->SetText("eins zwei");
  std::vector<std::string> events;
  edit->OnMouseDown = [&](TObject*, TMouseButton, TShiftState shift, int, int) {
    events.push_back("down" + Shift(shift));
  };
  edit->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
  WindowDoubleClick(edit->Widget(), QPoint(6, 10));
  EXPECT_EQ(events, (std::vector<std::string>{"down left", "dblclick", "down left double"}));
  EXPECT_EQ(edit->GetSelText(), "eins");  // its Qt widget had the double click
}

TEST_F(Mouse, ReleaseOutsideTheControlIsNoClick) {
  QTest::mousePress(label->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(label->Widget(), Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 5,5 left", "up 0 200,5"}));
}

TEST_F(Mouse, RightButtonHasNoClick) {
  QTest::mouseClick(label->Widget(), Qt::RightButton, {}, QPoint(1, 2));
  EXPECT_EQ(log, (std::vector<std::string>{"down 1 1,2 right", "up 1 1,2"}));
}

TEST_F(Mouse, MovesArriveWithoutAButtonDown) {
  std::vector<std::pair<int, int>> moves;
  label->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.emplace_back(x, y); };
  QPoint at(7, 8);
  QMouseEvent move(QEvent::MouseMove, at, label->Widget()->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label->Widget(), &move);
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{7, 8}}));
}

TEST_F(Mouse, EnterAndLeaveReachTheControl) {
  label->OnMouseEnter = [this](TObject*) { log.push_back("enter"); };
  label->OnMouseLeave = [this](TObject*) { log.push_back("leave"); };
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(21, 31));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(label->Widget(), &enter);
  QApplication::sendEvent(label->Widget(), &leave);
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(Mouse, WheelNotchesGoUpTheParentsUntilOneIsUsed) {
  std::vector<std::string> wheel;
  label->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { wheel.push_back("down"); };
  form.OnMouseWheel = [&](TObject*, TShiftState shift, int delta, TPoint at, bool& handled) {
    wheel.push_back("form " + std::to_string(delta) + Shift(shift));
    handled = delta > 0;
    EXPECT_EQ(at, label->ClientToScreen(TPoint(4, 4)));
  };
  auto turn = [&](int delta) {
    QPoint at(4, 4);
    QWheelEvent event(at, label->Widget()->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(label->Widget(), &event);
  };
  turn(-60);   // half a notch: nothing yet for the label, the form sees the turn
  turn(-60);   // the notch is full
  turn(120);   // up: the form takes it
  EXPECT_EQ(wheel, (std::vector<std::string>{"form -60 ctrl", "down", "form -60 ctrl",
                                             "form 120 ctrl"}));
}

TEST_F(Mouse, HintShowsItsShortPartAndTheControlMayChangeIt) {
  struct Hinted : TLabel {
    using TLabel::TLabel;
    void CMHintShow(THintInfo& info) override {
      seen = info.HintStr;
      info.HintStr += "!";
    }
    AnsiString seen;
  };
  auto* hinted = new Hinted(&form);
  hinted->SetParent(&form);
  hinted->SetHint("Kurz|Ein langer Hinweis");
  QHelpEvent quiet(QEvent::ToolTip, QPoint(2, 2), hinted->Widget()->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(hinted->Widget(), &quiet);
  EXPECT_EQ(hinted->seen, "");  // ShowHint is off
  hinted->SetShowHint(true);
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), hinted->Widget()->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(hinted->Widget(), &help);
  EXPECT_EQ(hinted->seen, "Kurz");
  EXPECT_EQ(QToolTip::text(), "Kurz!");
  QToolTip::hideText();
}

TEST_F(Mouse, PopupMenuRunsTheChosenItemAfterClosing) {
  TPopupMenu menu(&form);
  std::vector<std::string> chosen;
  for (const char* caption : {"&Erste", "-", "&Zweite"}) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    item->OnClick = [&chosen, caption](TObject*) { chosen.push_back(caption); };
    menu.GetItems()->Add(item);
  }
  bool popped = false;
  menu.OnPopup = [&](TObject*) { popped = true; };
  label->SetPopupMenu(&menu);
  QTimer::singleShot(0, [] {
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Z);  // the accelerator of the second entry
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), label->Widget()->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(label->Widget(), &event);
  EXPECT_TRUE(popped);
  EXPECT_EQ(chosen, std::vector<std::string>{"&Zweite"});
  EXPECT_EQ(menu.GetPopupComponent(), label);

  delete menu.GetItems()->Items(0);  // an item freed leaves its menu
  EXPECT_EQ(menu.GetItems()->GetCount(), 2);
}

TEST_F(Mouse, FreedPopupMenuLeavesTheControl) {
  auto* menu = new TPopupMenu(nullptr);
  label->SetPopupMenu(menu);
  delete menu;
  EXPECT_EQ(label->GetPopupMenu(), nullptr);
}

TEST_F(Mouse, ClickOnAnEditPlacesTheCaretBeforeMouseDownRuns) {
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(20, 80, 120, 21);
  edit->SetText("abcdefghijklmnop");
  int caretAtDown = -1;
  edit->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    caretAtDown = edit->GetSelStart();
  };
  QTest::mouseClick(edit->Widget(), Qt::LeftButton, {}, QPoint(4, 10));
  EXPECT_EQ(caretAtDown, 0);
  EXPECT_TRUE(edit->Focused());
}

}  // namespace
