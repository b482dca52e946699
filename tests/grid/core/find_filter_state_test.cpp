// The find state without a grid: how each parameter decides whether a cell's text matches,
// and the filter's fixed rows, kept only while it is on.
#include <gtest/gtest.h>

#include "components/grid/core/FindFilterState.h"

namespace {

bool Match(const AnsiString& text, TFindParameters params, const AnsiString& cell) {
  TFindFilterState state;
  state.Start(text, params);
  return state.Matches(cell);
}

TEST(FindState, EachParameterDecidesTheMatch) {
  EXPECT_TRUE(Match("ab", {}, "xAby"));  // case ignored, anywhere in the text
  EXPECT_FALSE(Match("ab", {fnMatchCase}, "xAby"));
  EXPECT_TRUE(Match("Ab", {fnMatchCase}, "xAby"));
  EXPECT_FALSE(Match("ab", {fnMatchStart}, "cab"));
  EXPECT_TRUE(Match("ca", {fnMatchStart}, "CAB"));
  EXPECT_FALSE(Match("ab", {fnMatchFull}, "abc"));
  EXPECT_TRUE(Match("ABC", {fnMatchFull}, "abc"));
  EXPECT_FALSE(Match("ab", {fnMatchFull}, "<b>ab</b>"));
  EXPECT_TRUE(Match("ab", {fnMatchFull, fnIgnoreHTMLTags}, "<b>ab</b>"));
  EXPECT_TRUE(Match("a?c", {fnMatchRegular}, "ABC"));
  EXPECT_FALSE(Match("a?c", {fnMatchRegular, fnMatchCase}, "ABC"));
}

TEST(FindState, TheSearchIsKeptForTheNextOne) {
  TFindFilterState state;
  state.Start("Elko", {fnMatchStart});
  EXPECT_EQ(state.Text(), "ELKO");
  EXPECT_TRUE(state.Params().Contains(fnMatchStart));
  state.Start(state.Text(), {fnMatchCase});  // started again from its own text
  EXPECT_EQ(state.Text(), "ELKO");
  EXPECT_FALSE(state.Matches("Elko 10u"));
}

TEST(FilterState, FixedRowsAreKeptOnlyWhileTheFilterIsOn) {
  TFindFilterState state;
  state.FilterActive = true;
  state.FilterFixedRows = 2;
  EXPECT_EQ(state.Fault(), "");
  state.FilterActive = false;
  EXPECT_EQ(state.Fault(), "fixed rows kept while the filter is off");
}

}  // namespace
