#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "platform/stdctrls/button.h"
#include "platform/stdctrls/edit.h"
#include "platform/controls/forms.h"
#include "platform/stdctrls/label.h"

namespace {

class Controls : public testing::Test {
 protected:
  TForm form{nullptr};
};

TEST_F(Controls, ParentHoldsAndFreesItsChildren) {
  auto* label = new TLabel(&form);
  auto* button = new TButton(nullptr);  // owned by nobody: the parent alone frees it
  label->SetParent(&form);
  button->SetParent(&form);
  EXPECT_EQ(form.GetControlCount(), 2);
  EXPECT_EQ(label->Widget()->parentWidget(), form.Widget());

  delete label;  // leaves both its parent and its owner
  EXPECT_EQ(form.GetControlCount(), 1);
  EXPECT_EQ(form.GetComponentCount(), 0);
  EXPECT_EQ(form.GetControl(0), button);

  EXPECT_THROW(form.SetParent(button), EInvalidOperation);
  button->SetParent(nullptr);
  EXPECT_EQ(form.GetControlCount(), 0);
  delete button;
}

TEST_F(Controls, WidgetFollowsBoundsVisibleAndEnabled) {
  auto* button = new TButton(&form);
  EXPECT_FALSE(button->Widget()->isWindow() && button->Widget()->isVisible());
  button->SetParent(&form);
  button->SetBounds(10, 20, 30, 40);
  button->SetEnabled(false);
  form.Show();
  EXPECT_EQ(button->Widget()->geometry(), QRect(10, 20, 30, 40));
  EXPECT_TRUE(button->Widget()->isVisible());
  EXPECT_FALSE(button->Widget()->isEnabled());
  button->Hide();
  EXPECT_FALSE(button->Widget()->isVisible());
}

TEST_F(Controls, FontComesFromTheParentUntilTheControlSetsItsOwn) {
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  form.GetFont()->SetSize(10);
  EXPECT_EQ(label->GetFont()->GetHeight(), -13);
  EXPECT_TRUE(label->GetParentFont());

  label->GetFont()->SetStyle(fsBold);
  EXPECT_FALSE(label->GetParentFont());
  form.GetFont()->SetSize(12);
  EXPECT_EQ(label->GetFont()->GetSize(), 10);
  EXPECT_TRUE(label->Widget()->font().bold());

  label->SetParentFont(true);
  EXPECT_EQ(label->GetFont()->GetSize(), 12);
  EXPECT_FALSE(label->GetFont()->GetStyle().Contains(fsBold));
}

TEST_F(Controls, FontColourAndColourReachTheWidget) {
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  label->GetFont()->SetColor(clRed);
  EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  form.SetColor(clYellow);  // the label follows its parent's colour; the edit keeps its own
  EXPECT_EQ(label->GetColor(), clYellow);
  EXPECT_EQ(label->Widget()->palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(edit->GetColor(), clWindow);
  edit->SetColor(clAqua);
  EXPECT_EQ(edit->Widget()->palette().color(QPalette::Base), QColor(0, 255, 255));
  label->SetTransparent(true);
  EXPECT_FALSE(label->Widget()->autoFillBackground());
}

TEST_F(Controls, DialogFontBecomesTheSystemSansSerifInPixels) {
  TFont font;
  EXPECT_EQ(font.GetHeight(), -11);  // 8 points
  font.SetHeight(-16);
  EXPECT_EQ(font.GetSize(), 12);

  QFont qt = form.Widget()->font();
  EXPECT_EQ(qt.pixelSize(), 11);
  QFont sans("Sans Serif");
  sans.setStyleHint(QFont::SansSerif);
  EXPECT_EQ(QFontInfo(qt).family(), QFontInfo(sans).family());
}

TEST_F(Controls, LabelSizesItselfToItsText) {
  TLabel label(&form);
  label.SetParent(&form);
  label.SetCaption("Short");
  int shortWidth = label.GetWidth();
  int lineHeight = label.GetHeight();
  label.SetCaption("A much longer caption than before");
  EXPECT_GT(label.GetWidth(), shortWidth);
  EXPECT_EQ(label.GetHeight(), lineHeight);

  label.SetCaption("");
  EXPECT_EQ(label.GetHeight(), lineHeight);  // an empty label keeps a line's height

  label.SetAutoSize(false);
  label.SetBounds(5, 6, 7, 8);
  label.SetCaption("Text that would need more room");
  EXPECT_EQ(label.Widget()->geometry(), QRect(5, 6, 7, 8));
}

TEST_F(Controls, WordWrappedLabelKeepsItsWidthAndGrowsDown) {
  TLabel label(&form);
  label.SetParent(&form);
  label.SetWordWrap(true);
  label.SetBounds(0, 0, 120, 0);
  label.SetCaption("one two three four five six seven eight nine ten eleven twelve");
  int lineHeight = QFontMetrics(label.Widget()->font()).height();
  EXPECT_EQ(label.GetWidth(), 120);
  EXPECT_GE(label.GetHeight(), 3 * lineHeight);

  label.SetWidth(2000);  // all on one line now
  EXPECT_EQ(label.GetHeight(), lineHeight);
}

TEST_F(Controls, ButtonClickFiresOnClickOnlyWhenEnabled) {
  auto* button = new TButton(&form);
  button->SetParent(&form);
  form.Show();
  std::vector<TObject*> senders;
  button->OnClick = [&](TObject* sender) { senders.push_back(sender); };

  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  button->SetEnabled(false);
  QTest::mouseClick(button->Widget(), Qt::LeftButton);
  EXPECT_EQ(senders, std::vector<TObject*>{button});
}

}  // namespace

namespace {

TEST(Label, AcceleratorShowsWithoutItsAmpersandAndFocusesTheFocusControl) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption("&Name && Vorname");
  EXPECT_EQ(static_cast<QLabel*>(label->Widget())->text(), "Name & Vorname");
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetTop(30);
  auto* other = new TEdit(&form);
  other->SetParent(&form);
  label->SetFocusControl(edit);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  other->SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(edit->Focused());
  delete edit;  // the label lets go of it
  EXPECT_EQ(label->GetFocusControl(), nullptr);
  EXPECT_EQ(static_cast<QLabel*>(label->Widget())->text(), "Name & Vorname");
}

TEST(Label, AlignmentAndLayoutPlaceTheTextInsideTheLabel) {
  TForm form(nullptr);
  TLabel label(&form);
  label.SetParent(&form);
  label.SetAutoSize(false);
  label.SetAlignment(taRightJustify);
  label.SetLayout(tlCenter);
  EXPECT_EQ(static_cast<QLabel*>(label.Widget())->alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace
