#include <gtest/gtest.h>

#include "components/grid/core/GridUtil.h"
#include "locale_scope.h"

namespace {

struct FilterCase {
  const char* condition;
  const char* value;
  bool match;
};

void ExpectAll(std::initializer_list<FilterCase> cases, bool caseSensitive = true) {
  for (const FilterCase& c : cases)
    EXPECT_EQ(MatchStrEx(c.condition, c.value, caseSensitive), c.match)
        << "'" << c.condition << "' on '" << c.value << "'";
}

TEST(GridUtilFilter, Wildcards) {
  ExpectAll({
      {"a*", "abc", true},    {"a*", "bac", false},   {"!a*", "bac", true},
      {"!a*", "abc", false},  {"a?c", "abc", true},   {"a?c", "ac", false},
      {"a?c", "abbc", false}, {"*", "", true},        {"", "", true},
      {"", "x", false},       {"*b*", "abc", true},   {"a*c", "abXcYc", true},
      {"a*c", "abXcY", false}, {"a b", "a b", true},  {"a!b", "ab", false},
  });
}

TEST(GridUtilFilter, LetterCase) {
  EXPECT_TRUE(MatchStrEx("a*", "ABC", false));
  EXPECT_FALSE(MatchStrEx("a*", "ABC", true));
  EXPECT_TRUE(MatchStrEx("\xE4*", "\xC4RGER", false));  // ANSI upper-casing
}

TEST(GridUtilFilter, OperatorsJoinFromLeftToRight) {
  ExpectAll({
      {"a* | b*", "bx", true},     {"a*;b*", "cx", false},    {"x^y", "y", true},
      {"a* | b* & *c", "bc", true}, {"a* | b* & *c", "ab", false},
      {"b* & *c | a*", "ab", true}, {"  a*  &  *z ", "abz", true},
  });
}

TEST(GridUtilFilter, BoundsCompareAsNumbersThenAsTexts) {
  ExpectAll({
      {">1 & <5", "3", true},   {">1 & <5", "1", false},  {">1 & <5", "5", false},
      {">1 & <5", "7", false},  {">=5 & <=5", "5", true}, {">9", "10", true},
      {"<10", "9", true},       {">M", "Z", true},        {">M", "A", false},
      {"<= b", "b", true},      {">b", "b", false},
  });
}

TEST(GridUtilFilter, NumbersUseTheDecimalSeparator) {
  for (const LocaleSettings& settings : {kGerman, kEnglish}) {
    LocaleScope locale(settings);
    AnsiString above(1, '>');
    above += Localised("1,5");
    EXPECT_TRUE(MatchStrEx(above, "2", true)) << settings.name;
    EXPECT_FALSE(MatchStrEx(above, Localised("1,25"), true)) << settings.name;
  }
}

TEST(GridUtilFilter, MatchesCombinesBoundsItself) {
  EXPECT_TRUE(Matches(">1 & <5", "3"));
  EXPECT_FALSE(Matches(">1 & <5", "7"));
  EXPECT_TRUE(Matches("<2 ^ >5", "7"));
  EXPECT_FALSE(Matches("<2 ^ >5", "3"));
  EXPECT_TRUE(Matches(std::string("a*\0zzz", 6), "abc"));  // zero-terminated
}

// A backtracking "*" takes exponential time here; the test would not end.
TEST(GridUtilFilter, ManyStarsOnALongValue) {
  const AnsiString value(20000, 'a');
  EXPECT_FALSE(MatchStrEx("*a*a*a*a*a*a*a*a*a*a*a*b", value, true));
  EXPECT_TRUE(MatchStrEx("*a*a*a*a*a*a*a*a*a*a*a*", value, true));
}

}  // namespace
