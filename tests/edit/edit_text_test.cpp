#include <gtest/gtest.h>

#include "components/edit/ExtEditText.h"
#include "locale_scope.h"

namespace {

using Extedit::IsType;

TEST(EditText, IsTypeClassifiesNumbersHexAndText) {
  LocaleScope german(kGerman);
  EXPECT_EQ(IsType(""), Extedit::atString);
  EXPECT_EQ(IsType("abc"), Extedit::atHex);
  EXPECT_EQ(IsType("12"), Extedit::atNumeric);
  EXPECT_EQ(IsType("-12"), Extedit::atNumeric);
  EXPECT_EQ(IsType("1,5"), Extedit::atFloat);
  EXPECT_EQ(IsType("1.234,5"), Extedit::atFloat);
  EXPECT_EQ(IsType("1-2-3"), Extedit::atString);
  EXPECT_EQ(IsType("1,2,3"), Extedit::atString);  // two decimal separators
  EXPECT_EQ(IsType("12a"), Extedit::atHex);
  EXPECT_EQ(IsType("1x"), Extedit::atString);
  // A thousand separator needs three places after the start or the one before.
  EXPECT_EQ(IsType(".234"), Extedit::atString);
  EXPECT_EQ(IsType("1.234.567"), Extedit::atFloat);
}

TEST(EditText, IsTypeReadsTheLocaleSeparators) {
  LocaleScope english(kEnglish);
  EXPECT_EQ(IsType("1,234.5"), Extedit::atFloat);
  EXPECT_EQ(IsType("1.2.3"), Extedit::atString);
  EXPECT_EQ(IsType("1,234,567"), Extedit::atFloat);  // commas are thousand separators here
  EXPECT_EQ(IsType("1,2,3"), Extedit::atString);  // ... three places apart
}

TEST(EditText, HexDigits) {
  EXPECT_EQ(HexVal('7'), 7);
  EXPECT_EQ(HexVal('b'), 11);
  EXPECT_EQ(HexVal('F'), 15);
  EXPECT_EQ(HexVal('-'), 0);
  EXPECT_EQ(HexToInt("ff"), 255);
  EXPECT_EQ(HexToInt("1-"), 16);  // '-' counts as a 0 digit
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt("123456789"), 0x23456789);  // wraps as 32 bits do
  EXPECT_EQ(HexToInt(""), 0);
}

TEST(EditText, MixedCaseCapitalisesWordsNamesAndNumerals) {
  EXPECT_EQ(MixedCase("o'neil"), "O'Neil");
  EXPECT_EQ(MixedCase("mcdonald"), "McDonald");
  EXPECT_EQ(MixedCase("henry iii"), "Henry III");
  EXPECT_EQ(MixedCase("HENRY II"), "Henry II");
  EXPECT_EQ(MixedCase("the mcdonald brothers"), "The McDonald Brothers");
  EXPECT_EQ(MixedCase("anna-lena meier.schulz"), "Anna-Lena Meier.Schulz");
  EXPECT_EQ(MixedCase("vi in the middle"), "Vi In The Middle");
  EXPECT_EQ(MixedCase(""), "");
}

TEST(EditText, SmallHelpers) {
  LocaleScope german(kGerman);
  EXPECT_EQ(StripThousandSep("1.234.567,5"), "1234567,5");
  EXPECT_EQ(LowCase('Q'), 'q');
  EXPECT_EQ(LowCase('\xC4'), '\xC4');  // ASCII only
  EXPECT_EQ(RangeListCompare(1, 2), -1);
  EXPECT_EQ(RangeListCompare(2, 2), 0);
  EXPECT_EQ(RangeListCompare(3, 2), 1);
  EXPECT_EQ(GroupThousands("1234567"), "1.234.567");
  EXPECT_EQ(GroupThousands("123"), "123");
}

TEST(EditText, NumberTextsNeverUseAnExponent) {
  LocaleScope german(kGerman);
  EXPECT_EQ(FixedNumberText(1234567.891, 2, true), "1.234.567,89");
  EXPECT_EQ(FixedNumberText(1234567.891, 2, false), "1234567,89");
  EXPECT_EQ(FixedNumberText(-0.001, 2, false), "0,00");
  EXPECT_EQ(FixedNumberText(-1234.6, 0, true), "-1.235");
  EXPECT_EQ(FixedNumberText(1e20, 0, false), "100000000000000000000");
  EXPECT_EQ(GeneralNumberText(1e20), "100000000000000000000");
  EXPECT_EQ(GeneralNumberText(0.1 + 0.2), "0,3");
  EXPECT_EQ(GeneralNumberText(1.5e-7), "0,00000015");
  EXPECT_EQ(GeneralNumberText(-2.5), "-2,5");
  EXPECT_EQ(GeneralNumberText(123456789012345678.0), "123456789012346000");
  EXPECT_EQ(GeneralNumberText(0), "0");
}

TEST(EditText, NumberTextsInEnglish) {
  LocaleScope english(kEnglish);
  EXPECT_EQ(FixedNumberText(1234.5, 2, true), "1,234.50");
  EXPECT_EQ(GeneralNumberText(1234.5), "1234.5");
}

}  // namespace
