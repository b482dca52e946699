#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "components/grid/controls/EsgEditBtn.h"
#include "platform/controls/clipboard.h"
#include "platform/controls/forms.h"

namespace {

class EditButton : public testing::Test {
 protected:
  TForm form{nullptr};
  TEsgEditBtn* edit = nullptr;
  TEdit* next = nullptr;
  int clicks = 0;

  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    edit = new TEsgEditBtn(&form);
    edit->SetParent(&form);
    edit->SetBounds(8, 8, 120, 24);
    edit->OnClickBtn = [this](TObject* Sender) {
      EXPECT_EQ(Sender, edit);
      ++clicks;
    };
    next = new TEdit(&form);
    next->SetParent(&form);
    next->SetBounds(8, 60, 100, 21);
  }
  void ShowFocused(TWinControl* control) {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    control->SetFocus();
  }
  QWidget* ButtonWidget() const { return edit->GetButton()->GetButton()->Widget(); }
  void ClickButton() { QTest::mouseClick(ButtonWidget(), Qt::LeftButton, {}, QPoint(4, 4)); }
};

TEST_F(EditButton, ButtonSitsAtTheRightEdgeInsideTheBorder) {
  EXPECT_EQ(edit->GetText(), "0");
  TEsgEditButton* button = edit->GetButton();
  EXPECT_EQ(button->GetWidth(), 18);
  EXPECT_EQ(button->GetLeft() + button->GetWidth(), 120 - 2 - 1);
  EXPECT_EQ(button->GetTop(), 2);
  EXPECT_EQ(button->GetHeight(), 24 - 4 - 1);
  EXPECT_EQ(edit->GetFormatRect().Right, 120 - 2 - 18 - 3);

  edit->SetBorderStyle(bsNone);
  edit->SetWidth(100);
  EXPECT_EQ(button->GetLeft() + button->GetWidth(), 100 - 1);
  EXPECT_EQ(button->GetTop(), 0);
  edit->SetButtonWidth(10);
  EXPECT_EQ(button->GetWidth(), 15);  // never narrower
}

TEST_F(EditButton, TooLowAnEditIsRaisedToItsFontsHeight) {
  edit->SetHeight(3);
  EXPECT_EQ(edit->GetHeight(), edit->GetMinHeight());
  EXPECT_GT(edit->GetMinHeight(), 3);
}

TEST_F(EditButton, ClickAndF4FireOnClickBtnAndTheFocusGoesToTheEdit) {
  ShowFocused(next);
  ClickButton();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit->Focused());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
  EXPECT_EQ(clicks, 2);
}

TEST_F(EditButton, WithoutEditorEnabledTypingAndPasteAreIgnoredButTheButtonWorks) {
  ShowFocused(edit);
  edit->SetEditorEnabled(false);
  Clipboard()->SetAsText("pasted");
  edit->SelectAll();
  QTest::keyClick(QApplication::focusWidget(), 'a');
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->GetText(), "0");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
  ClickButton();
  EXPECT_EQ(clicks, 2);

  edit->SetEditorEnabled(true);
  edit->SelectAll();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->GetText(), "pasted");
}

TEST_F(EditButton, FocusControlIsForgottenWhenItGoes) {
  auto* other = new TEdit(&form);
  edit->GetButton()->SetFocusControl(other);
  delete other;
  EXPECT_EQ(edit->GetButton()->GetFocusControl(), nullptr);
}

TEST(UnitEditButton, TheButtonOffersTheUnitsAndTheChoiceBecomesUnitID) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* edit = new TEsgUnitEditBtn(&form);
  edit->SetParent(&form);
  edit->SetBounds(8, 8, 150, 24);
  TStringList units;
  units.SetCommaText("mm,cm,m");
  edit->SetUnits(&units);
  units.Clear();
  EXPECT_EQ(edit->GetUnits()->Count(), 3);  // a copy
  edit->SetUnitSpace(20);
  EXPECT_EQ(edit->GetFormatRect().Right, 150 - 2 - 18 - 3 - 20);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));

  QStringList offered;
  QTimer::singleShot(0, [&offered] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) offered << action->text();
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  edit->BtnClick();
  EXPECT_EQ(offered, QStringList({"mm", "cm", "m"}));
  EXPECT_EQ(edit->GetUnitID(), "cm");
}

}  // namespace
