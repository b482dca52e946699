#include <gtest/gtest.h>

#include "components/grid/core/GridUtil.h"
#include "locale_scope.h"

namespace {

class GridUtilClassify : public testing::TestWithParam<LocaleSettings> {
 protected:
  LocaleScope locale_{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Locales, GridUtilClassify, testing::Values(kGerman, kEnglish),
                         LocaleName);

// Texts are written with German separators and localised before use.
TEST_P(GridUtilClassify, IsType) {
  struct Case {
    const char* text;
    TAutoType type;
  };
  const Case cases[] = {
      {"123", atNumeric},      {"-123", atNumeric},      {"", atString},
      {"1.234.567", atFloat},  {"1.234,5", atFloat},     {"-0,5", atFloat},
      {"12.345", atFloat},     {"1..234", atString},     {".123", atString},
      {"--1", atString},       {"1,2,3", atString},      {"12a", atString},
      {"1 234", atString},
  };
  for (const Case& c : cases) EXPECT_EQ(IsType(Localised(c.text)), c.type) << c.text;
}

TEST_P(GridUtilClassify, RemoveSeps) {
  struct Case {
    const char* text;
    const char* plain;
  };
  const Case cases[] = {
      {"  (1.234,50 \x80)", "-1234.50"}, {"12abc", "12"},  {"-5", "-5"},
      {"EUR 1.000", "1000"},            {"", ""},          {"abc", ""},
      {"(abc)", ""},                    {"- 7", "-7"},     {"1.234.567,891", "1234567.891"},
  };
  for (const Case& c : cases) EXPECT_EQ(RemoveSeps(Localised(c.text)), c.plain) << c.text;
}

TEST_P(GridUtilClassify, FixDecimalSeparatorOnlyWhereTheLocaleUsesAComma) {
  const bool comma = DecimalSeparator == ',';
  EXPECT_EQ(FixDecimalSeparator("1,5,6"), comma ? "1.5,6" : "1,5,6");
  EXPECT_EQ(FixDecimalSeparator("1.5"), "1.5");
}

TEST(GridUtilClassifyText, TextType) {
  struct Case {
    const char* text;
    bool html;
    TTextType type;
  };
  const Case cases[] = {
      {"=A1+B2", false, ttFormula}, {"{\\rtf1 x}", true, ttRTF}, {"a <b>x</b>", true, ttHTML},
      {"a <B>x", true, ttHTML},     {"a <I>x", true, ttHTML},    {"a <b>x", true, ttText},
      {"a </b>", false, ttText},    {"=", false, ttFormula},     {"{", false, ttText},
      {"x", true, ttText},          {"", true, ttText},
  };
  for (const Case& c : cases) EXPECT_EQ(TextType(c.text, c.html), c.type) << c.text;
}

TEST(GridUtilClassifyText, NameToCell) {
  TGridCoord cell{-1, -1};
  EXPECT_TRUE(NameToCell("R3C14", cell));
  EXPECT_EQ(cell.X, 14);
  EXPECT_EQ(cell.Y, 3);
  EXPECT_TRUE(NameToCell("r10c2", cell));
  EXPECT_EQ(cell.X, 2);
  EXPECT_EQ(cell.Y, 10);
  for (const char* bad : {"R1C", "RxC12", "C1R1", "R12C", "R1C2x", ""}) {
    TGridCoord unchanged{7, 8};
    EXPECT_FALSE(NameToCell(bad, unchanged)) << bad;
    EXPECT_EQ(unchanged.X, 7);
    EXPECT_EQ(unchanged.Y, 8);
  }
}

TEST(GridUtilGeometry, LimitsAndRectangles) {
  EXPECT_EQ(CheckLimits(500, 0, 0), 500);  // equal limits: none
  EXPECT_EQ(CheckLimits(-3, 10, 100), 10);
  EXPECT_EQ(CheckLimits(300, 10, 100), 100);
  EXPECT_EQ(CheckLimits(5, 10, 1), 1);  // the maximum wins when both apply
  const TGridRect r{1, 2, 3, 4};
  EXPECT_TRUE(IsInGridRect(r, 1, 2));
  EXPECT_TRUE(IsInGridRect(r, 3, 4));
  EXPECT_FALSE(IsInGridRect(r, 0, 3));
  EXPECT_FALSE(IsInGridRect(r, 2, 5));
  EXPECT_EQ(RectString(r), "[1:2][3:4]");
  EXPECT_EQ(RectString({-1, 0, 10, 200}), "[-1:0][10:200]");
}

}  // namespace
