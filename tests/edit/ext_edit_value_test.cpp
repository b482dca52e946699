#include <gtest/gtest.h>

#include "components/edit/ExtEdit.h"
#include "locale_scope.h"

namespace {

class EditValue : public testing::TestWithParam<LocaleSettings> {
 protected:
  EditValue() : locale_(GetParam()) {}
  TExtEdit* Typed(TExtEditType type, int precision = 0) {
    edit.SetEditType(type);
    edit.SetPrecision(precision);
    return &edit;
  }
  static AnsiString L(const AnsiString& german) { return Localised(german); }
  AnsiString Window() const { return edit.TControl::GetText(); }

  LocaleScope locale_;
  TExtEdit edit{nullptr};
};

TEST_P(EditValue, SetTextChecksAndFormatsByType) {
  Typed(etMoney, 2)->SetText(L("1.234,5"));
  EXPECT_EQ(edit.GetText(), L("1.234,50"));
  EXPECT_DOUBLE_EQ(edit.GetFloat(), 1234.5);

  TExtEdit numeric(nullptr);
  numeric.SetEditType(etNumeric);
  numeric.SetText(L("1.234,5"));
  EXPECT_EQ(numeric.GetText(), "0");
  numeric.SetText("-17");
  EXPECT_EQ(numeric.GetInt(), -17);
  numeric.SetText("");
  EXPECT_EQ(numeric.GetText(), "");

  Typed(etFloat, 3)->SetText("2");
  EXPECT_EQ(edit.GetText(), L("2,000"));
  edit.SetText("abc");
  EXPECT_EQ(edit.GetText(), L("0,000"));

  edit.SetEditType(etHex);
  edit.SetText("1f");
  EXPECT_EQ(edit.GetText(), "1F");
  EXPECT_EQ(edit.GetInt(), 31);
  edit.SetText("xyz");
  EXPECT_EQ(edit.GetText(), "0");
}

TEST_P(EditValue, PrefixAndSuffixFrameTheValue) {
  edit.SetPrefix("ab");
  edit.SetSuffix("xyz");
  edit.SetText("wert");
  EXPECT_EQ(Window(), "abwertxyz");
  EXPECT_EQ(edit.GetText(), "wert");
  edit.SetPrefix("P: ");  // the value stays, the frame changes around it
  EXPECT_EQ(Window(), "P: wertxyz");
  // A window text without its Suffix keeps all of its value.
  edit.TControl::SetText("P: wertxy");
  EXPECT_EQ(edit.GetText(), "wertxy");
  edit.TControl::SetText("nur text");
  EXPECT_EQ(edit.GetText(), "nur text");
}

TEST_P(EditValue, SetFloatWritesWhatSetTextTakesBack) {
  Typed(etNumeric);
  edit.SetFloat(1234.6);
  EXPECT_EQ(edit.GetText(), "1235");  // plain digits, no thousand separator
  EXPECT_EQ(edit.GetInt(), 1235);
  edit.SetFloat(-7);
  EXPECT_EQ(edit.GetText(), "-7");

  TExtEdit general(nullptr);
  general.SetEditType(etFloat);
  general.SetPrecision(-1);
  general.SetFloat(1e20);
  EXPECT_EQ(general.GetText(), "100000000000000000000");
  EXPECT_DOUBLE_EQ(general.GetFloat(), 1e20);
  general.SetFloat(2.5e-7);
  EXPECT_EQ(general.GetText(), L("0,00000025"));

  Typed(etFloat, 2)->SetFloat(3.14159);
  EXPECT_EQ(edit.GetText(), L("3,14"));
  EXPECT_TRUE(edit.GetModified());

  edit.SetEditType(etMoney);
  edit.SetFloat(1234567.891);
  EXPECT_EQ(edit.GetText(), L("1.234.567,89"));

  edit.SetEditType(etHex);
  edit.SetFloat(255.9);
  EXPECT_EQ(edit.GetText(), "FF");
  edit.SetInt(-1);
  EXPECT_EQ(edit.GetText(), "FFFFFFFF");
  EXPECT_EQ(edit.GetInt(), -1);
  EXPECT_DOUBLE_EQ(edit.GetFloat(), -1);

  edit.SetEditType(etString);
  edit.SetText("bleibt");
  edit.SetFloat(5);
  edit.SetInt(5);
  EXPECT_EQ(edit.GetText(), "bleibt");
  EXPECT_EQ(edit.GetInt(), 0);
  EXPECT_EQ(edit.GetFloat(), 0);
}

TEST_P(EditValue, GetIntNeverFails) {
  Typed(etFloat, 1)->SetText(L("12,7"));
  EXPECT_EQ(edit.GetInt(), 12);
  edit.SetText("-");
  EXPECT_EQ(edit.GetInt(), 0);
  Typed(etMoney, 0)->SetText(L("1.234"));
  EXPECT_EQ(edit.GetInt(), 1234);
  edit.SetText("99999999999");
  EXPECT_EQ(edit.GetInt(), 2147483647);
  edit.SetText(L("1,"));
  EXPECT_DOUBLE_EQ(edit.GetFloat(), 1);  // a trailing separator reads as nothing
}

TEST_P(EditValue, SetIntWritesDigits) {
  Typed(etMoney)->SetInt(1234567);
  EXPECT_EQ(edit.GetText(), L("1.234.567"));
  Typed(etFloat, 2)->SetInt(3);
  EXPECT_EQ(edit.GetText(), L("3,00"));
  edit.SetEditType(etNumeric);
  edit.SetInt(-42);
  EXPECT_EQ(edit.GetText(), "-42");
  EXPECT_TRUE(edit.GetModified());
}

TEST_P(EditValue, PrecisionBelongsToFloatsAndMoney) {
  Typed(etString)->SetPrecision(3);
  EXPECT_EQ(edit.GetPrecision(), 0);
  edit.SetEditType(etNumeric);
  edit.SetPrecision(3);
  EXPECT_EQ(edit.GetPrecision(), 0);

  edit.SetEditType(etFloat);
  edit.SetText(L("3,14159"));
  edit.SetPrecision(2);
  EXPECT_EQ(edit.GetText(), L("3,14"));
  edit.SetPrecision(4);
  EXPECT_EQ(edit.GetText(), L("3,1400"));
}

TEST_P(EditValue, EditTypeChangeTestsTheValue) {
  edit.SetText("abc");
  edit.SetEditType(etNumeric);
  EXPECT_EQ(edit.GetText(), "0");
  edit.SetText("12");
  edit.SetEditType(etFloat);
  EXPECT_EQ(edit.GetText(), "12");
  edit.SetEditType(etHex);
  EXPECT_EQ(edit.GetText(), "12");
  edit.SetEditType(etString);
  edit.SetText("xyz");
  edit.SetEditType(etHex);
  EXPECT_EQ(edit.GetText(), "0");
  edit.SetEditType(etString);
  edit.SetText("frei");
  edit.SetEditType(etMoney);
  EXPECT_EQ(edit.GetText(), "0");

  EXPECT_TRUE(edit.GetCanUndo());
  edit.SetEditType(etPassword);
  EXPECT_EQ(edit.GetPasswordChar(), '*');
  EXPECT_FALSE(edit.GetCanUndo());
  edit.SetCanUndo(true);
  EXPECT_FALSE(edit.GetCanUndo());
  edit.SetEditType(etString);
  EXPECT_EQ(edit.GetPasswordChar(), 0);
}

TEST_P(EditValue, MoneyRegroupsLongValuesAsText) {
  Typed(etMoney)->SetText("12345678901234567890");
  edit.AutoSeparators();
  EXPECT_EQ(edit.GetText(), L("12.345.678.901.234.567.890"));
  edit.SetAutoThousandSeparator(false);
  EXPECT_EQ(edit.GetText(), "12345678901234567890");
  edit.SetText(L("-0001234,5"));
  edit.SetAutoThousandSeparator(true);
  EXPECT_EQ(edit.GetText(), L("-1.234,5"));
}

TEST_P(EditValue, ModifiedFollowsTheProgramsWrites) {
  Typed(etNumeric)->SetInt(4);
  EXPECT_TRUE(edit.GetModified());
  edit.SetText("5");
  EXPECT_FALSE(edit.GetModified());
  edit.ShowModified = true;
  edit.SetModified(true);
  EXPECT_EQ(edit.GetFont()->GetColor(), clHighlight);
  edit.SetModified(false);
  EXPECT_EQ(edit.GetFont()->GetColor(), clWindowText);
}

TEST_P(EditValue, EveryChangeIsValidated) {
  std::vector<AnsiString> seen;
  edit.OnValueValidate = [&](TObject*, const AnsiString& value, bool& valid) {
    seen.push_back(value);
    valid = value != "bad";
  };
  edit.SetPrefix("<");
  edit.SetText("ok");
  edit.ShowError = true;
  edit.SetText("bad");
  EXPECT_EQ(seen.back(), "bad");
  EXPECT_NE(std::find(seen.begin(), seen.end(), "ok"), seen.end());
}

TEST_P(EditValue, DecimalPlacesInTheWindowText) {
  edit.SetPrefix("EUR ");
  edit.SetSuffix(" netto");
  Typed(etFloat, 2)->SetText(L("12,5"));
  EXPECT_EQ(edit.DecimalPos(), 4 + 3);
  EXPECT_EQ(edit.FixedLength(L("1.234,5")), 5);
  EXPECT_EQ(edit.FixedLength("1234"), 5);
  edit.SetEditType(etString);
  edit.SetText("abc");
  EXPECT_EQ(edit.DecimalPos(), 3 + 4 + 6 + 1);
}

INSTANTIATE_TEST_SUITE_P(Locales, EditValue, testing::Values(kGerman, kEnglish), LocaleName);

}  // namespace
