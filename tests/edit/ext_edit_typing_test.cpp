// Typing into the typed edit with real key events, under German and then English separators.
#include "shown_edit.h"

namespace {

using Typing = ShownEdit;

TEST_P(Typing, EachTypeTakesItsCharacters) {
  ShowFocused();
  struct Case {
    TExtEditType type;
    const char* typed;
    const char* value;
  };
  const Case cases[] = {
      {etString, "a1-_ ", "a1-_ "},       {etNumeric, "1a2-3.", "123"},
      {etAlphaNumeric, "a1-b_Z", "a1bZ"},  {etHex, "1fz-G", "1f-"},
      {etUppercase, "abc1", "ABC1"},       {etLowerCase, "ABC1", "abc1"},
      {etMixedCase, "mcdonald", "McDonald"}, {etRange, ",1-3,,5;-7", "1-3,5;7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    edit->SetEditType(etString);
    edit->SetText("");
    edit->SetEditType(c.type);
    edit->SetText("");
    TypeAsIs(c.typed);
    EXPECT_EQ(edit->GetText(), c.value);
    EXPECT_TRUE(edit->GetModified());
  }
}

TEST_P(Typing, MixedCaseKeepsTheCaretWhereTheKeyLeftIt) {
  edit->SetEditType(etMixedCase);
  ShowFocused();
  Place("anna", 2);
  Type("x");
  EXPECT_EQ(Shown(), "Anx|na");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Shown(), "An|na");
}

TEST_P(Typing, DecimalSeparatorIntoAnEmptyValueBehindAPrefix) {
  edit->SetEditType(etFloat);
  edit->SetPrecision(2);
  edit->SetPrefix("EUR ");
  ShowFocused();
  Place("", 4);
  Type(",");
  EXPECT_EQ(Shown(), L("EUR 0,|"));
}

TEST_P(Typing, FloatPrecisionOnTyping) {
  edit->SetEditType(etFloat);
  edit->SetPrecision(2);
  ShowFocused();
  Place("3,14", 4);
  Type("5");
  EXPECT_EQ(Shown(), L("3,14|"));  // the fraction is full
  Place("3,14", 2);
  Type("9");
  EXPECT_EQ(Shown(), L("3,9|4"));  // overwrites the '1'
  Place("3,14", 1);
  Type(",");
  EXPECT_EQ(Shown(), L("3,|14"));  // a second separator jumps behind the first
  Place("", 0);
  Type(",");
  EXPECT_EQ(Shown(), L("0,|"));
  // The separator that is not the locale's is refused; the thousand separator goes in three
  // places from another.
  Place("1234", 4);
  Type(".");
  EXPECT_EQ(edit->GetText(), L("1234."));
  Place("1.234", 4);
  Type(".");
  EXPECT_EQ(edit->GetText(), L("1.234"));
}

TEST_P(Typing, FloatWithoutPrecisionRefusesTheDecimalSeparator) {
  edit->SetEditType(etFloat);
  ShowFocused();
  Place("12", 2);
  Type(",");
  EXPECT_EQ(edit->GetText(), "12");
}

TEST_P(Typing, SignToggleNeedsSigned) {
  for (TExtEditType type : {etNumeric, etFloat, etMoney}) {
    SCOPED_TRACE(type);
    edit->SetEditType(type);
    edit->Signed = false;
    ShowFocused();
    Place("123", 2);
    Type("-");
    EXPECT_EQ(Shown(), "12|3");
    edit->Signed = true;
    Type("-");
    EXPECT_EQ(Shown(), "-12|3");
    EXPECT_TRUE(edit->GetModified());
    Type("-");
    EXPECT_EQ(Shown(), "12|3");
    edit->SetEditType(etString);
  }
}

TEST_P(Typing, NumericSignToggleKeepsTheSelectionLength) {
  edit->SetEditType(etNumeric);
  edit->Signed = true;
  ShowFocused();
  Place("123", 1, 2);
  Type("-");
  EXPECT_EQ(Shown(), "-1[23]");
}

TEST_P(Typing, SignToggleRemovesOnlyALeadingMinus) {
  edit->SetEditType(etFloat);
  edit->Signed = true;
  ShowFocused();
  Place("12", 0, 2);
  Type("-");  // with a selection the minus replaces it as typed
  EXPECT_EQ(edit->GetText(), "-");
  edit->SetText("");
  edit->TControl::SetText("5-");  // a stray minus inside is no sign
  edit->SetSelStart(1);
  Type("-");
  EXPECT_EQ(edit->GetText(), "-5-");
}

TEST_P(Typing, LengthLimitCountsDigitsBeforeTheSeparator) {
  edit->SetEditType(etNumeric);
  edit->LengthLimit = 2;
  ShowFocused();
  Place("12", 2);
  Type("3");
  EXPECT_EQ(edit->GetText(), "12");
  Place("12", 0, 1);
  Type("9");
  EXPECT_EQ(edit->GetText(), "92");

  edit->SetEditType(etFloat);
  edit->SetPrecision(4);
  edit->LengthLimit = 3;
  Place("123,45", 6);
  Type("6");
  EXPECT_EQ(edit->GetText(), L("123,456"));
  Place("123,45", 4);
  Key(Qt::Key_Backspace);  // would join 12345
  EXPECT_EQ(edit->GetText(), L("123,45"));
  Place("123,45", 3);
  Key(Qt::Key_Delete);
  EXPECT_EQ(edit->GetText(), L("123,45"));
  Place("123,45", 1);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(edit->GetText(), L("23,45"));
}

TEST_P(Typing, FullLengthMovesOnCountingTheValueOnly) {
  edit->SetEditType(etNumeric);
  edit->LengthLimit = 2;
  edit->TabOnFullLength = true;
  edit->SetPrefix("Nr. ");
  ShowFocused();
  Place("", 4);
  Type("1");
  QApplication::processEvents();
  EXPECT_TRUE(edit->Focused());
  Type("2");
  QApplication::processEvents();
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(edit->GetText(), "12");
}

TEST_P(Typing, MoneyGetsItsThousandSeparatorsWhileTyping) {
  edit->SetEditType(etMoney);
  edit->SetPrecision(2);
  ShowFocused();
  Place("", 0);
  Type("1234567");
  EXPECT_EQ(Shown(), L("1.234.567|"));
  Type(",5");
  EXPECT_EQ(Shown(), L("1.234.567,5|"));
  Type(".");  // thousand separators come by themselves
  EXPECT_EQ(edit->GetText(), L("1.234.567,5"));
  Place("1.234.567", 2);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Shown(), L("1|34.567"));
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Shown(), L("|34.567"));
}

TEST_P(Typing, KeypadDecimalKeyTypesTheLocaleSeparator) {
  edit->SetEditType(etFloat);
  edit->SetPrecision(2);
  edit->ExcelStyleDecimalSeparator = true;
  ShowFocused();
  Place("12", 2);
  QTest::keyClick(Focus(), Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(edit->GetText(), L("12,"));
}

TEST_P(Typing, RangeSeparatorsStandBetweenNumbers) {
  edit->SetEditType(etRange);
  ShowFocused();
  Place("1-", 2);
  TypeAsIs(",");
  EXPECT_EQ(edit->GetText(), "1-");
  edit->TControl::SetText("1,5");
  edit->SetSelStart(1);
  TypeAsIs(";");
  EXPECT_EQ(edit->GetText(), "1,5");
  Place("15", 1);
  TypeAsIs(";");
  EXPECT_EQ(edit->GetText(), "1;5");
}

TEST_P(Typing, EnterIsNeverTypedButReachesOnKeyPress) {
  std::vector<char> pressed;
  edit->OnKeyPress = [&](TObject*, char& key) { pressed.push_back(key); };
  ShowFocused();
  Place("ab", 2);
  Key(Qt::Key_Return);
  EXPECT_EQ(edit->GetText(), "ab");
  EXPECT_EQ(pressed, std::vector<char>{'\r'});
}

EDIT_LOCALES(Typing);

}  // namespace
