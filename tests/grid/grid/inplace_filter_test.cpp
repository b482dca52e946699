#include <gtest/gtest.h>

#include "components/grid/grid/editing/CellEditValues.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/editing/InplaceFilter.h"
#include "locale_scope.h"

namespace {

TCharVerdict Typed(TEditorType type, char key, const AnsiString& text, int start, int length = 0) {
  return FilterChar(type, key, text, start, length);
}

TEST(InplaceFilter, NumericTakesOneMinusAtTheStartOnly) {
  EXPECT_EQ(Typed(edNumeric, '-', "12", 0), TCharVerdict::Take);
  EXPECT_EQ(Typed(edNumeric, '-', "12", 1), TCharVerdict::Beep);
  EXPECT_EQ(Typed(edNumeric, '-', "-12", 0), TCharVerdict::Beep);
  EXPECT_EQ(Typed(edNumeric, '7', "-12", 3), TCharVerdict::Take);
  EXPECT_EQ(Typed(edNumeric, 'a', "", 0), TCharVerdict::Beep);
  EXPECT_EQ(Typed(edNumeric, '\b', "1", 1), TCharVerdict::Take);
  EXPECT_EQ(Typed(edPositiveNumeric, '-', "", 0), TCharVerdict::Beep);
  EXPECT_EQ(Typed(edPositiveNumeric, '\r', "5", 1), TCharVerdict::Take);
}

TEST(InplaceFilter, FloatTakesASeparatorOnlyWhenNoneIsLeft) {
  EXPECT_EQ(Typed(edFloat, ',', "1.5", 3), TCharVerdict::Drop);
  EXPECT_EQ(Typed(edFloat, ',', "1.5", 1, 2), TCharVerdict::Take);  // ".5" selected
  EXPECT_EQ(Typed(edFloat, '.', "15", 1), TCharVerdict::Take);
  EXPECT_EQ(Typed(edFloat, 'x', "15", 1), TCharVerdict::Drop);     // silently
  EXPECT_EQ(Typed(edFloat, '-', "-1", 0, 2), TCharVerdict::Take);  // replaces its own minus
  EXPECT_EQ(Typed(edFloat, '-', "1", 1), TCharVerdict::Beep);
}

TEST(InplaceFilter, CaseTypesChangeTheCharacter) {
  char key = '\xE4';  // a umlaut
  EXPECT_EQ(FilterChar(edUpperCase, key, "", 0, 0), TCharVerdict::Take);
  EXPECT_EQ(key, '\xC4');
  key = 'Q';
  FilterChar(edLowerCase, key, "", 0, 0);
  EXPECT_EQ(key, 'q');
  key = 'q';
  FilterChar(edCapital, key, "", 0, 0);
  EXPECT_EQ(key, 'Q');
  key = '-';
  EXPECT_EQ(FilterChar(edPassword, key, "", 0, 0), TCharVerdict::Take);
}

TEST(InplaceFilter, APastePassesTheRuleOfTyping) {
  AnsiString text;
  EXPECT_FALSE(FilterPaste(edPositiveNumeric, "", 0, 0, "-5", text));
  EXPECT_FALSE(FilterPaste(edNumeric, "", 0, 0, "5-3", text));
  EXPECT_TRUE(FilterPaste(edNumeric, "12", 0, 0, "-5", text));
  EXPECT_EQ(text, "-512");
  EXPECT_FALSE(FilterPaste(edNumeric, "-12", 3, 0, "-5", text));
  EXPECT_TRUE(FilterPaste(edFloat, "1.5", 1, 2, ",25", text));  // over ".5"
  EXPECT_EQ(text, "1,25");
  EXPECT_FALSE(FilterPaste(edFloat, "1.5", 3, 0, ",2", text));
  EXPECT_TRUE(FilterPaste(edCapital, "AB", 2, 0, "cd", text));
  EXPECT_EQ(text, "ABCD");
  EXPECT_TRUE(FilterPaste(edMixedCase, "", 0, 0, "hello world", text));
  EXPECT_EQ(text, ShiftCase("hello world"));
  EXPECT_TRUE(FilterPaste(edNormal, "ab", 1, 0, "-x", text));
  EXPECT_EQ(text, "a-xb");
}

TEST(InplaceFilter, LookupFindsTheFirstItemThatBeginsWithTheTypedText) {
  TStringList items;
  items.SetCommaText("Apfel,Birne,Birke,birnbaum");
  EXPECT_EQ(LookupMatch("bir", items, false), 1);
  EXPECT_EQ(LookupMatch("bir", items, true), 3);
  EXPECT_EQ(LookupMatch("Birk", items, true), 2);
  EXPECT_EQ(LookupMatch("x", items, false), -1);
  EXPECT_EQ(LookupMatch("", items, false), -1);
}

TEST(CellEditValues, TheUnitKeepsItsDigits) {
  AnsiString number, unit;
  SplitUnit("12.5 mm", number, unit);
  EXPECT_EQ(number, "12.5");
  EXPECT_EQ(unit, " mm");
  SplitUnit("1 m2", number, unit);
  EXPECT_EQ(number + "|" + unit, "1| m2");
  SplitUnit("-3,5kg", number, unit);
  EXPECT_EQ(number + "|" + unit, "-3,5|kg");
  SplitUnit("mm", number, unit);
  EXPECT_EQ(number + "|" + unit, "|mm");
}

TEST(CellEditValues, APickerOnNoDateOpensOnNowAndSaysSo) {
  LocaleScope locale(kGerman);
  const TDateTime now = EncodeDate(2021, 3, 5) + 0.5;
  TClockScope clock([now] { return now; });
  bool converted = true;
  EXPECT_EQ(PickerValue("", false, converted), now);
  EXPECT_FALSE(converted);
  EXPECT_EQ(PickerValue("kein Datum", false, converted), now);
  EXPECT_FALSE(converted);
  EXPECT_EQ(PickerValue("24.12.2020", false, converted), EncodeDate(2020, 12, 24));
  EXPECT_TRUE(converted);
  EXPECT_NEAR(PickerValue("12:30:00", true, converted), 0.5 + 1.0 / 48, 1e-9);
  EXPECT_TRUE(converted);
}

}  // namespace
