#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "components/grid/controls/EsgSpinEdit.h"
#include "locale_scope.h"
#include "platform/controls/forms.h"
#include "platform/core/sound.h"

namespace {

// Counts the beeps while it lives.
class BeepCount {
 public:
  BeepCount() : previous_(SetBeepHook([this](unsigned) { ++count; })) {}
  ~BeepCount() { SetBeepHook(previous_); }
  int count = 0;

 private:
  BeepHook previous_;
};

class SpinEdit : public testing::Test {
 protected:
  TForm form{nullptr};
  TEsgSpinEdit* spin = nullptr;
  TEdit* next = nullptr;
  BeepCount beeps;

  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    spin = new TEsgSpinEdit(&form);
    spin->SetParent(&form);
    spin->SetBounds(8, 8, 100, 21);
    next = new TEdit(&form);
    next->SetParent(&form);
    next->SetBounds(8, 40, 100, 21);
  }
  void ShowFocused() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    spin->SetFocus();
  }
  void Type(char c) { QTest::keyClick(QApplication::focusWidget(), c); }
  void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
  // Text with the caret at a place.
  void Show(const AnsiString& text, int caret) {
    spin->SetText(text);
    spin->SetSelStart(caret);
  }
};

TEST_F(SpinEdit, StartsAtZeroWithItsDefaults) {
  EXPECT_EQ(spin->GetText(), "0");
  EXPECT_EQ(spin->MaxValue, 100);
  EXPECT_EQ(spin->GetButton()->GetWidth(), 15);
  EXPECT_EQ(spin->GetSpinType(), sptNormal);
}

TEST_F(SpinEdit, IntegerStepsStopAtTheBounds) {
  spin->SetText("98");
  spin->UpClick(spin);
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetText(), "100");
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetValue(), 100);
  spin->SetValue(-5);
  EXPECT_EQ(spin->GetText(), "0");
  spin->Increment = 7;
  spin->DownClick(spin);
  EXPECT_EQ(spin->GetText(), "0");
}

TEST_F(SpinEdit, EqualBoundsMeanNone) {
  spin->MinValue = spin->MaxValue = 0;
  spin->SetValue(1000);
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetText(), "1001");
  spin->SetValue(-3);
  EXPECT_EQ(spin->GetText(), "-3");
  spin->MinFloatValue = spin->MaxFloatValue = 5;
  EXPECT_EQ(spin->CheckFloatValue(1e9), 1e9);
}

TEST_F(SpinEdit, LeavingWithAValueOutsideTheBoundsTakesTheNearest) {
  ShowFocused();
  spin->SelectAll();
  Type('1');
  Type('5');
  Type('0');
  EXPECT_EQ(spin->GetText(), "150");  // typing is free
  next->SetFocus();
  EXPECT_EQ(spin->GetText(), "100");
}

TEST_F(SpinEdit, LeavingOrSteppingWithATextThatIsNoValueKeepsItAndBeeps) {
  ShowFocused();
  spin->SetText("");
  spin->UpClick(spin);
  EXPECT_EQ(beeps.count, 1);
  next->SetFocus();
  EXPECT_EQ(spin->GetText(), "");
  EXPECT_THROW(spin->GetValue(), EConvertError);
}

TEST_F(SpinEdit, ReadOnlyOnlyBeeps) {
  spin->SetReadOnly(true);
  spin->UpClick(spin);
  spin->DownClick(spin);
  EXPECT_EQ(spin->GetText(), "0");
  EXPECT_EQ(beeps.count, 2);
}

TEST_F(SpinEdit, RefusedCharactersBeep) {
  ShowFocused();
  spin->SelectAll();
  Type('4');
  Type('x');
  Type(':');  // the time separator belongs to times only
  EXPECT_EQ(spin->GetText(), "4");
  EXPECT_EQ(beeps.count, 2);
}

TEST_F(SpinEdit, WithoutEditorEnabledNothingIsTypedButTheArrowsStep) {
  ShowFocused();
  spin->SetEditorEnabled(false);
  spin->SetSelStart(1);
  Type('5');
  Key(Qt::Key_Backspace);
  EXPECT_EQ(spin->GetText(), "0");
  EXPECT_EQ(beeps.count, 2);
  Key(Qt::Key_Up);
  EXPECT_EQ(spin->GetText(), "1");
}

TEST_F(SpinEdit, ArrowKeysStepAndEnterMovesOnWithReturnIsTab) {
  ShowFocused();
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  Key(Qt::Key_Down);
  EXPECT_EQ(spin->GetText(), "1");
  spin->ReturnIsTab = true;
  Key(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(beeps.count, 0);
}

class SpinFloat : public SpinEdit, public testing::WithParamInterface<LocaleSettings> {};

TEST_P(SpinFloat, PrecisionLimitsTheFractionTyped) {
  LocaleScope locale(GetParam());
  spin->SetSpinType(sptFloat);
  spin->SetPrecision(2);
  ShowFocused();
  Show(Localised("1,25"), 4);
  Type('7');
  EXPECT_EQ(spin->GetText(), Localised("1,25"));
  EXPECT_EQ(beeps.count, 1);
  Show("1", 1);
  Type(ThousandSeparator);  // types the decimal separator
  Type('5');
  Type(DecimalSeparator);  // a second one is refused
  EXPECT_EQ(spin->GetText(), Localised("1,5"));
  EXPECT_EQ(beeps.count, 2);
}

TEST_P(SpinFloat, StepsWriteThePrecision) {
  LocaleScope locale(GetParam());
  spin->SetText(Localised("1,5"));
  spin->SetSpinType(sptFloat);
  spin->IncrementFloat = 0.25;
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetText(), Localised("1,75"));
  spin->SetPrecision(3);
  EXPECT_EQ(spin->GetText(), Localised("1,750"));
  EXPECT_DOUBLE_EQ(spin->GetFloatValue(), 1.75);
}

INSTANTIATE_TEST_SUITE_P(Locales, SpinFloat, testing::Values(kGerman, kEnglish), LocaleName);

// Dates step the part the caret stands in, in the order of the locale's date format.
struct DateStep {
  LocaleSettings locale;
  const char* text;
  int caret;
  int sign;
  const char* expected;
};

class SpinDate : public SpinEdit, public testing::WithParamInterface<DateStep> {};

TEST_P(SpinDate, StepsThePartAtTheCaret) {
  LocaleScope locale(GetParam().locale);
  spin->SetSpinType(sptDate);
  Show(GetParam().text, GetParam().caret);
  if (GetParam().sign > 0)
    spin->UpClick(spin);
  else
    spin->DownClick(spin);
  EXPECT_EQ(spin->GetText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SpinDate,
    testing::Values(DateStep{kGerman, "31.01.2003", 4, 1, "28.02.2003"},   // month, clamped
                    DateStep{kGerman, "31.01.2003", 1, 1, "01.02.2003"},   // day
                    DateStep{kGerman, "29.02.2004", 8, 1, "28.02.2005"},   // year onto no 29th
                    DateStep{kGerman, "01.03.2004", 0, -1, "29.02.2004"},  // leap day
                    DateStep{kEnglish, "1/31/2003", 0, 1, "2/28/2003"},    // month first
                    DateStep{kEnglish, "1/31/2003", 3, 1, "2/1/2003"},     // then day
                    DateStep{kEnglish, "2/29/2004", 7, -1, "2/28/2003"}));

TEST_F(SpinEdit, DateStepKeepsTheCaretInItsPart) {
  LocaleScope locale(kGerman);
  spin->SetSpinType(sptDate);
  Show("31.01.2003", 4);
  spin->UpClick(spin);
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetText(), "28.03.2003");
}

TEST_F(SpinEdit, DateTypeShowsTheDateSetLastWhenTheTextIsNone) {
  LocaleScope locale(kGerman);
  spin->SetDateValue(EncodeDate(2003, 5, 4));
  spin->SetText("x");
  spin->SetSpinType(sptDate);
  EXPECT_EQ(spin->GetText(), "04.05.2003");
}

TEST_F(SpinEdit, ADateSetWhileLoadingShowsWhenLoadingEnds) {
  LocaleScope locale(kGerman);
  spin->BeginLoading();
  spin->SetSpinType(sptDate);
  spin->SetDateValue(EncodeDate(2004, 2, 29));
  EXPECT_EQ(spin->GetText(), "0");
  spin->Loaded();
  EXPECT_EQ(spin->GetText(), "29.02.2004");
}

TEST_F(SpinEdit, LeavingADateOutsideTheBoundsTakesTheNearest) {
  LocaleScope locale(kGerman);
  spin->SetSpinType(sptDate);
  spin->MinDateValue = EncodeDate(2003, 1, 1);
  spin->MaxDateValue = EncodeDate(2003, 12, 31);
  ShowFocused();
  spin->SetText("05.05.2010");
  next->SetFocus();
  EXPECT_EQ(spin->GetText(), "31.12.2003");
}

TEST_F(SpinEdit, TimeStepsHoursMinutesOrSeconds) {
  spin->SetSpinType(sptTime);
  Show("12:00:00", 8);
  spin->DownClick(spin);
  EXPECT_EQ(spin->GetText(), "11:59:59");
  Show("12:00:00", 4);
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetText(), "12:01:00");
  Show("23:30:00", 1);
  spin->UpClick(spin);
  EXPECT_EQ(spin->GetText(), "00:30:00");
  EXPECT_EQ(spin->GetSelStart(), 1);
}

TEST_F(SpinEdit, TimeTakesNoThirdSeparator) {
  spin->SetSpinType(sptTime);
  ShowFocused();
  Show("12:00", 5);
  Type(':');
  Type('3');
  Type(':');
  EXPECT_EQ(spin->GetText(), "12:00:3");
  EXPECT_EQ(beeps.count, 1);
}

TEST_F(SpinEdit, AMaskedSpinEditStepsItsTime) {
  TExtMaskSpinEdit masked(&form);
  masked.SetParent(&form);
  masked.SetEditMask("!90:00:00;1;_");
  masked.SetSpinType(sptTime);
  masked.SetText("08:15:00");
  masked.SetSelStart(4);
  masked.UpClick(&masked);
  EXPECT_EQ(masked.GetText(), "08:16:00");
  EXPECT_EQ(masked.GetEditMask(), "!90:00:00;1;_");
}

TEST(SpinUnit, PosFromAndIncYear) {
  EXPECT_EQ(PosFrom(".", "31.01.2003", 0), 3);
  EXPECT_EQ(PosFrom(".", "31.01.2003", 3), 6);
  EXPECT_EQ(PosFrom(".", "31.01.2003", 6), 0);
  EXPECT_EQ(PosFrom(".", "ab", 9), 0);
  EXPECT_EQ(IncYear(EncodeDate(2004, 2, 29), -4), EncodeDate(2000, 2, 29));
  EXPECT_EQ(IncYear(EncodeDate(2004, 2, 29), 1), EncodeDate(2005, 2, 28));
}

// --- the arrows -------------------------------------------------------------------------------

TEST_F(SpinEdit, HoldingAnArrowStepsAtOnceThenAfter400ThenEvery100) {
  ShowFocused();
  TExtTimerSpeedButton* up = spin->GetButton()->GetUpButton();
  QWidget* arrow = up->Widget();
  QTest::mousePress(arrow, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(spin->GetText(), "1");
  TTimer* timer = up->GetRepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->GetEnabled());
  EXPECT_EQ(timer->GetInterval(), 400);
  timer->OnTimer(timer);  // the pause runs out
  EXPECT_EQ(spin->GetText(), "2");
  EXPECT_EQ(timer->GetInterval(), 100);
  timer->OnTimer(timer);
  EXPECT_EQ(spin->GetText(), "3");
  QTest::mouseRelease(arrow, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(timer->GetEnabled());
  EXPECT_EQ(spin->GetText(), "3");  // the release adds no step
  EXPECT_TRUE(spin->Focused());
}

TEST_F(SpinEdit, TheDownArrowStepsDownAndTheRepeatStopsOnceTheMouseLeavesIt) {
  ShowFocused();
  spin->SetText("50");
  TExtTimerSpeedButton* down = spin->GetButton()->GetDownButton();
  QTest::mousePress(down->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(spin->GetText(), "49");
  QMouseEvent away(QEvent::MouseMove, QPointF(3, 40), down->Widget()->mapToGlobal(QPointF(3, 40)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(down->Widget(), &away);
  down->GetRepeatTimer()->OnTimer(down->GetRepeatTimer());
  EXPECT_EQ(spin->GetText(), "49");
  QTest::mouseRelease(down->Widget(), Qt::LeftButton, {}, QPoint(3, 40));
}

TEST_F(SpinEdit, HorizontalArrowsPutDownLeftAndUpRight) {
  spin->SetDirection(spHorizontal);
  TEsgSpinButton* button = spin->GetButton();
  EXPECT_EQ(button->GetDownButton()->GetLeft(), 0);
  EXPECT_GT(button->GetUpButton()->GetLeft(), 0);
  EXPECT_EQ(button->GetUpButton()->GetTop(), 0);
}

TEST_F(SpinEdit, ALowHeightIsRaisedToWhatTheFontNeeds) {
  spin->SetHeight(5);
  EXPECT_EQ(spin->GetHeight(), spin->GetMinHeight());
  EXPECT_GT(spin->GetHeight(), 5);
}

}  // namespace
