#include "components/grid/core/SortCompare.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "locale_scope.h"

namespace {

int Cmp(TSortStyle style, const AnsiString& a, const AnsiString& b, const AnsiString& prefix = "",
        const AnsiString& suffix = "") {
  return CompareSortTexts({style, prefix, suffix}, a, b);
}

TEST(SortCompare, AlphabeticStylesCompareBytesOrTheLocale) {
  for (TSortStyle style : {ssAlphabetic, ssAlphaCase}) {
    EXPECT_EQ(Cmp(style, "\xFC", "z"), 1);  // bytes compare unsigned
    // Long texts equal in their first eight bytes, and a short text against a long one.
    EXPECT_EQ(Cmp(style, "Widerstand 10k", "Widerstand 2k2"), -1);
    EXPECT_EQ(Cmp(style, "Widerstand", "Widerstan"), 1);
    EXPECT_EQ(Cmp(style, AnsiString("A\0", 2), "A"), 1);
    EXPECT_EQ(Cmp(style, AnsiString("ABCDEFGH\0", 9), "ABCDEFGH"), 1);
  }
  EXPECT_EQ(Cmp(ssAlphaNoCase, "a", "B"), -1);
  EXPECT_EQ(Cmp(ssAlphaNoCase, "abc", "ABC"), 0);
  EXPECT_EQ(Cmp(ssAlphaNoCase, "_", "a"), 1);  // "_" lies between "Z" and "a"
  EXPECT_EQ(Cmp(ssHTML, "<b>b</b>", "a"), 1);
  EXPECT_EQ(Cmp(ssHTML, "<i>same</i>", "same"), 0);

  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Cmp(ssAnsiAlphaNoCase, "Widerstand ABC", "widerstand abc"), 0);
  EXPECT_EQ(Cmp(ssAnsiAlphaCase, "\xE4pfel", "Birne"), -1);  // ä beside a, not after z
  QLocale::setDefault(QLocale::c());
}

TEST(SortCompare, NumbersTieWithTextsAndReadTheLocale) {
  LocaleScope german(kGerman);
  EXPECT_EQ(Cmp(ssNumeric, "9", "10"), -1);
  EXPECT_EQ(Cmp(ssNumeric, "-1,5", "-1,25"), -1);
  EXPECT_EQ(Cmp(ssNumeric, "1.5", "1,5"), 0);  // the point is read as well
  EXPECT_EQ(Cmp(ssNumeric, " 7 ", "7"), 0);
  // A text that is no number goes after the numbers; two such texts tie.
  EXPECT_EQ(Cmp(ssNumeric, "abc", "10"), 1);
  EXPECT_EQ(Cmp(ssNumeric, "-10", "abc"), -1);
  EXPECT_EQ(Cmp(ssNumeric, "abc", "x"), 0);
  EXPECT_EQ(Cmp(ssNumeric, "1.234,5", "1"), 1);  // thousands only for financial texts
  EXPECT_EQ(Cmp(ssNumeric, "", "-1"), 1);        // empty counts as 0
  EXPECT_EQ(Cmp(ssNumeric, "", "0"), 0);
  EXPECT_EQ(Cmp(ssNumeric, "1e3", "999"), 1);
  EXPECT_EQ(Cmp(ssNumeric, "12345678901234567", "12345678901234566"), 1);
  EXPECT_EQ(Cmp(ssFinancial, "1.234,5", "999"), 1);
  EXPECT_EQ(Cmp(ssFinancial, "1.234.567,89", "1.234.567,9"), -1);
  EXPECT_EQ(Cmp(ssNumeric, "EUR 12,5", "EUR 9", "EUR ", ""), 1);
  EXPECT_EQ(Cmp(ssNumeric, "12 kg", "9 kg", "", " kg"), 1);
  EXPECT_EQ(Cmp(ssNumeric, "kg", "9 kg", "", "kg"), 1);  // nothing left is no number
}

TEST(SortCompare, StrictNumbers) {
  double value = -1;
  EXPECT_TRUE(StrictNumber("0.1", value));
  EXPECT_EQ(value, 0.1);
  EXPECT_TRUE(StrictNumber("123456789012345.6", value));
  EXPECT_EQ(value, 123456789012345.6);
  EXPECT_TRUE(StrictNumber("+2.5e-3", value));
  EXPECT_EQ(value, 2.5e-3);
  EXPECT_TRUE(StrictNumber("-.5", value));
  EXPECT_EQ(value, -0.5);
  for (const char* bad : {"", "-", ".", "1.2.3", "1,5", "++1", "inf", "nan", "1e999", "0x10", "1 2"})
    EXPECT_FALSE(StrictNumber(bad, value)) << bad;
}

TEST(SortCompare, DatesAndTimes) {
  LocaleScope german(kGerman);
  EXPECT_EQ(Cmp(ssDate, "31.12.2023", "01.01.2024"), -1);
  EXPECT_EQ(Cmp(ssDate, "01.01.2024 10:00", "01.01.2024 9:30"), 1);
  EXPECT_EQ(Cmp(ssDate, "10:00", "9:30:15"), 1);
  EXPECT_EQ(Cmp(ssDate, "31.02.2024", "01.01.1900"), -1);  // no such day: 0
  EXPECT_EQ(Cmp(ssDate, "", "x"), 0);
  EXPECT_EQ(Cmp(ssShortDateEU, "3.4.05", "4.3.05"), 1);
  EXPECT_EQ(Cmp(ssShortDateUS, "3.4.05", "4.3.05"), -1);
}

TEST(SortCompare, AutomaticStyleFollowsTheFirstText) {
  LocaleScope english(kEnglish);
  EXPECT_EQ(AutomaticSortStyle("12"), ssNumeric);
  EXPECT_EQ(AutomaticSortStyle("1,234.5"), ssNumeric);
  EXPECT_EQ(AutomaticSortStyle("3/4/2024"), ssDate);
  EXPECT_EQ(AutomaticSortStyle("12/1"), ssDate);
  EXPECT_EQ(AutomaticSortStyle("123/4"), ssAlphabetic);
  EXPECT_EQ(AutomaticSortStyle("1/"), ssAlphabetic);
  EXPECT_EQ(AutomaticSortStyle("a/1"), ssAlphabetic);
  EXPECT_EQ(Cmp(ssAutomatic, "9", "10"), -1);
  EXPECT_EQ(Cmp(ssAutomatic, "10", "abc"), -1);  // numeric: abc is no number
  EXPECT_EQ(Cmp(ssAutomatic, "abc", "10"), 1);   // alphabetic
  EXPECT_EQ(Cmp(ssAutomatic, "3/4/2024", "12/1/2023"), 1);
  EXPECT_EQ(Cmp(ssAutomatic, "3/4/2024", "7"), 1);  // a number names no date
}

}  // namespace
