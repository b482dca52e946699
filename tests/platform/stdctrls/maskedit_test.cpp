#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "message_log.h"
#include "platform/controls/forms.h"
#include "platform/core/sound.h"
#include "platform/stdctrls/button.h"
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

TEST(EditMask, OptionalPositionsCaseSwitchesAndEscapedSeparators) {
  TEditMask mask("<ll>LL<>c\\;#9_0;0; ");
  ASSERT_EQ(mask.Count(), 10);
  EXPECT_EQ(mask.Position(0).letterCase, TEditMask::Lower);
  EXPECT_EQ(mask.Position(2).letterCase, TEditMask::Upper);
  EXPECT_EQ(mask.Position(4).letterCase, TEditMask::AsTyped);
  EXPECT_EQ(mask.Position(5).literal, ';');  // an escaped field separator is a literal
  EXPECT_EQ(mask.Position(8).literal, ' ');  // "_" stands for a space
  EXPECT_EQ(mask.Blank(), ' ');
  EXPECT_FALSE(mask.SaveLiterals());
  EXPECT_TRUE(mask.Accepts(6, '-'));
  EXPECT_TRUE(mask.Accepts(6, '+'));
  EXPECT_FALSE(mask.Accepts(7, '+'));
  EXPECT_TRUE(mask.Accepts(4, ' '));
  // Only the required positions (the upper-case letters and the 0) make it complete.
  EXPECT_EQ(mask.EditTextOf("  AB   7"), "  AB ;   7");
  EXPECT_TRUE(mask.Complete("  AB ;   7"));
  EXPECT_FALSE(mask.Filled("  AB ;   7"));
  EXPECT_EQ(mask.FirstGap("  A  ;   7"), 3);
  EXPECT_TRUE(mask.Filled("abCDe;+1 7"));
}

TEST(EditMask, ASpaceFillsOnlyAnyCharacterPositions) {
  TEditMask mask("C0;1;_");
  EXPECT_TRUE(mask.Complete(" 1"));
  EXPECT_FALSE(mask.Complete("x "));
  EXPECT_FALSE(mask.Complete("_1"));
  EXPECT_FALSE(mask.Complete("x"));  // a short text leaves positions empty
}

TEST(EditMask, SavedLiteralsInATextAreMatchedNotTyped) {
  TEditMask saved("00-00;1;_");
  EXPECT_EQ(saved.EditTextOf("12-34"), "12-34");
  EXPECT_EQ(saved.EditTextOf("1234"), "12-34");  // without its literal the text still fits
  TEditMask unsaved("00-00;0;_");
  EXPECT_EQ(unsaved.EditTextOf("1234"), "12-34");
  // The text's "-" falls on a digit position, which refuses it.
  EXPECT_EQ(unsaved.EditTextOf("12-34"), "12-_3");
  EXPECT_EQ(unsaved.TextOf("12-34"), "1234");
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
  void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
  TEdit* NewOther() {
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetTop(40);
    return other;
  }
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

TEST_F(MaskEdit, LeavingWithAGapBringsTheFocusBackAndShowsTheError) {
  MessageLog log;
  NewOther();
  edit->SetEditMask("00.00;1;_");
  edit->SetFocus();
  edit->SetSelStart(0);
  Type('1');
  Type('2');
  Key(Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->GetSelStart(), 3);  // at the first empty required position
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "Invalid input value.  Use escape key to abandon changes.");
  EXPECT_EQ(beeps, 1);
  // Coming back keeps the text of the first entry for Esc.
  Key(Qt::Key_Escape);
  EXPECT_EQ(edit->GetEditText(), "__.__");
  Key(Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_FALSE(edit->Focused());
  EXPECT_EQ(log.texts.size(), 1u);
}

TEST_F(MaskEdit, AnUnchangedOrCompleteTextLeavesFreely) {
  MessageLog log;
  TEdit* other = NewOther();
  edit->SetEditMask("00;1;_");
  edit->SetFocus();
  Key(Qt::Key_Tab);  // empty but unchanged
  QApplication::processEvents();
  EXPECT_TRUE(other->Focused());
  edit->SetFocus();
  edit->SetSelStart(0);
  Type('4');
  Type('2');
  Key(Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_TRUE(other->Focused());
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(MaskEdit, EscResetsAChangedTextBeforeTheFormSeesIt) {
  auto* cancel = new TButton(&form);
  cancel->SetParent(&form);
  cancel->SetTop(60);
  cancel->Cancel = true;
  int cancels = 0;
  cancel->OnClick = [&](TObject*) { ++cancels; };
  NewOther()->SetFocus();
  edit->SetEditMask("000;0;_");
  edit->SetText("12");
  edit->SetFocus();
  edit->SetSelStart(2);
  Type('3');
  EXPECT_EQ(edit->GetText(), "123");
  Key(Qt::Key_Escape);
  EXPECT_EQ(edit->GetText(), "12 ");
  EXPECT_FALSE(edit->GetModified());
  EXPECT_EQ(cancels, 0);
  Key(Qt::Key_Escape);  // nothing left to reset: the form's cancel button answers
  EXPECT_EQ(cancels, 1);
}

}  // namespace
