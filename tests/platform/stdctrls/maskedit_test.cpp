#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "platform/controls/forms.h"
#include "platform/core/sound.h"
#include "platform/stdctrls/maskedit.h"

namespace {

TEST(EditMask, ReadsPositionsLiteralsAndFields) {
  const char saved = DateSeparator;
  DateSeparator = '.';
  TEditMask date("!99/99/0000;1;_");
  DateSeparator = saved;
  ASSERT_EQ(date.Count(), 10);
  EXPECT_EQ(date.Position(2).literal, '.');
  EXPECT_TRUE(date.SaveLiterals());
  EXPECT_EQ(date.Blank(), '_');
  EXPECT_FALSE(date.Position(0).Required());
  EXPECT_TRUE(date.Position(6).Required());
  EXPECT_EQ(date.NextInput(2), 3);

  TEditMask code(">LL\\-000;0;*");
  ASSERT_EQ(code.Count(), 6);
  EXPECT_EQ(code.Position(2).literal, '-');
  EXPECT_EQ(code.Position(0).letterCase, TEditMask::Upper);
  EXPECT_FALSE(code.SaveLiterals());
  EXPECT_EQ(code.Blank(), '*');
  EXPECT_TRUE(code.Accepts(0, '\xC4'));  // a German capital letter
  EXPECT_FALSE(code.Accepts(0, '1'));
  EXPECT_TRUE(code.Accepts(3, '7'));
  EXPECT_FALSE(code.Accepts(2, '-'));  // literals take nothing
  EXPECT_TRUE(TEditMask("").Empty());
}

TEST(EditMask, TextAndShownTextConvert) {
  TEditMask code(">LL\\-000;0;*");
  EXPECT_EQ(code.EditTextOf("ab12"), "AB-12*");
  EXPECT_EQ(code.TextOf("AB-12*"), "AB12 ");
  EXPECT_FALSE(code.Complete("AB-12*"));
  EXPECT_TRUE(code.Complete("AB-123"));
  TEditMask saved("00:00;1;_");
  EXPECT_EQ(saved.EditTextOf(AnsiString("12") + TimeSeparator + "3"), "12:3_");
  EXPECT_EQ(saved.TextOf("12:3_"), "12:3 ");
}

class MaskEdit : public testing::Test {
 protected:
  TForm form{nullptr};
  TMaskEdit* edit = nullptr;
  int beeps = 0;
  BeepHook previous = SetBeepHook([this](unsigned) { ++beeps; });

  void SetUp() override {
    form.SetBounds(0, 0, 200, 100);
    edit = new TMaskEdit(&form);
    edit->SetParent(&form);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    edit->SetFocus();
  }
  void TearDown() override { SetBeepHook(previous); }
  void Type(char c) { QTest::keyClick(QApplication::focusWidget(), c); }
};

TEST_F(MaskEdit, TypingFillsThePositionsAndSkipsTheLiterals) {
  edit->SetEditMask(">LL\\-000;0;_");
  EXPECT_EQ(edit->GetEditText(), "__-___");
  edit->SetSelStart(0);
  for (char c : std::string("ab1234")) Type(c);
  EXPECT_EQ(edit->GetEditText(), "AB-123");
  EXPECT_EQ(edit->GetText(), "AB123");
  EXPECT_NO_THROW(edit->ValidateEdit());
  edit->SetSelStart(4);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->GetSelText(), "23");  // positions count in the shown text
}

TEST_F(MaskEdit, ARefusedCharacterBeepsAndAGapFailsValidation) {
  edit->SetEditMask("000;1;_");
  edit->SetSelStart(0);
  Type('x');
  Type('4');
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(edit->GetEditText(), "4__");
  EXPECT_EQ(edit->GetText(), "4  ");
  EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
}

TEST_F(MaskEdit, TextSetGoesIntoThePositionsAndAnEmptyMaskIsAPlainEdit) {
  edit->SetEditMask("00:00;1;_");
  edit->SetText(AnsiString("12") + TimeSeparator + "34");
  EXPECT_EQ(edit->GetEditText(), "12:34");
  edit->SetEditMask("");
  EXPECT_EQ(edit->GetText(), "12:34");
  Type('x');
  EXPECT_EQ(beeps, 0);
}

}  // namespace
