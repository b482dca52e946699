#include "platform/grids/grid_axis.h"

#include <gtest/gtest.h>

namespace {

// 10 lines of 20 pixels, 1 fixed, lines of 1 pixel, 100 pixels of client: the fixed line
// takes 21, then each scrollable line 21.
class Axis : public testing::Test {
 protected:
  TGridAxis axis{10, 1, 20};
  void SetUp() override { axis.SetExtent(100); }
  std::pair<int, int> SpanOf(int index) {
    int start = -1, end = -1;
    if (!axis.Span(index, start, end)) return {-1, -1};
    return {start, end};
  }
};

TEST_F(Axis, VisibleLinesAndTheLastFirst) {
  EXPECT_EQ(axis.FixedExtent(), 21);
  EXPECT_EQ(axis.VisibleCount(), 3);  // 21 + 3 x 21 + 20 = 104 would not fit a fourth
  EXPECT_EQ(axis.MaxFirst(), 7);      // 7, 8, 9 fit: 21 + 21 + 21 + 20 = 83
  axis.SetFirst(50);
  EXPECT_EQ(axis.First(), 7);
  axis.SetFirst(0);
  EXPECT_EQ(axis.First(), 1);

  axis.SetExtent(1000);
  EXPECT_EQ(axis.MaxFirst(), 1);
  EXPECT_EQ(axis.VisibleCount(), 9);
  axis.SetExtent(5);  // not even the fixed line fits
  EXPECT_EQ(axis.VisibleCount(), 1);
  EXPECT_EQ(axis.MaxFirst(), 9);
}

TEST_F(Axis, ShrinkingClampsFirstAndFixed) {
  axis.SetFirst(7);
  axis.SetCount(6);
  EXPECT_EQ(axis.First(), 3);
  axis.SetFixed(4);
  axis.SetCount(3);
  EXPECT_EQ(axis.Fixed(), 2);
  EXPECT_EQ(axis.First(), 2);
  axis.SetCount(-4);
  EXPECT_EQ(axis.Count(), 0);
  EXPECT_EQ(axis.Fixed(), 0);
  EXPECT_EQ(axis.VisibleCount(), 0);
  EXPECT_EQ(axis.LineAt(0), -1);
}

TEST_F(Axis, SpansAndLinesUnderPositions) {
  axis.SetFirst(3);
  EXPECT_EQ(SpanOf(0), std::make_pair(0, 20));
  EXPECT_EQ(SpanOf(1), std::make_pair(-1, -1));  // scrolled away
  EXPECT_EQ(SpanOf(3), std::make_pair(21, 41));
  EXPECT_EQ(SpanOf(6), std::make_pair(84, 104));  // partly shown
  EXPECT_EQ(SpanOf(7), std::make_pair(-1, -1));   // beyond the client
  EXPECT_EQ(SpanOf(10), std::make_pair(-1, -1));

  EXPECT_EQ(axis.LineAt(0), 0);
  EXPECT_EQ(axis.LineAt(20), 0);  // its grid line
  EXPECT_EQ(axis.LineAt(21), 3);
  EXPECT_EQ(axis.LineAt(99), 6);
  EXPECT_EQ(axis.LineAt(100), -1);
  EXPECT_EQ(axis.LineAt(-1), -1);
}

TEST_F(Axis, SizesTravelAndResetWithTheDefault) {
  axis.SetSize(2, 50);
  axis.SetSize(4, 7);
  axis.SetSize(12, 99);  // beyond the count: ignored
  axis.MoveLine(2, 5);
  EXPECT_EQ(axis.Size(5), 50);
  EXPECT_EQ(axis.Size(3), 7);
  EXPECT_EQ(axis.Size(2), 20);
  axis.SetCount(12);
  EXPECT_EQ(axis.Size(11), 20);
  axis.SetSize(0, -3);
  EXPECT_EQ(axis.Size(0), 0);
  axis.SetDefaultSize(30);
  EXPECT_EQ(axis.Size(5), 30);
  EXPECT_EQ(axis.Size(100), 30);
}

TEST_F(Axis, ScrollingShowsALineWhole) {
  axis.SetSize(8, 60);
  EXPECT_EQ(axis.FirstShowing(2), 1);  // already whole
  EXPECT_EQ(axis.FirstShowing(4), 2);  // 2, 3, 4 end at 21 + 42 + 20 = 83
  EXPECT_EQ(axis.FirstShowing(8), 8);  // 60 leaves no room for the line before
  EXPECT_EQ(axis.FirstShowing(0), 1);  // fixed lines are always shown
  axis.SetFirst(5);
  EXPECT_EQ(axis.FirstShowing(3), 3);
  axis.SetLineWidths(0, 0);
  EXPECT_EQ(axis.FixedExtent(), 20);
  EXPECT_EQ(axis.VisibleCount(), 3);  // after the fixed 20: 5, 6, 7 fit, then 60 does not
}

// Sizes a damaged file can set add up past INT_MAX; no sum wraps round to a negative
// position (the sanitizers stop at a signed overflow).
TEST_F(Axis, SizesAddingUpPastTheIntRangeHoldAtItsEnd) {
  const int huge = INT_MAX - 5;
  for (int i = 0; i < 10; ++i) axis.SetSize(i, huge);
  axis.SetFixed(2);
  EXPECT_EQ(axis.FixedExtent(), INT_MAX);
  EXPECT_EQ(axis.VisibleCount(), 1);
  EXPECT_EQ(axis.MaxFirst(), 9);
  axis.SetFirst(9);
  EXPECT_EQ(axis.First(), 9);
  EXPECT_EQ(SpanOf(0), std::make_pair(0, huge));
  EXPECT_EQ(axis.LineAt(99), 0);
  EXPECT_EQ(axis.BorderNear(99, 3), -1);
  EXPECT_EQ(axis.FirstShowing(5), 5);
  int start = -1, end = -1;
  ASSERT_TRUE(axis.RangeSpan(0, 9, start, end));
  EXPECT_EQ(start, 0);
  EXPECT_GT(end, 0);

  axis.SetFixed(0);
  axis.SetFirst(0);
  axis.SetSize(0, 50);  // a line shown, the next one past the end of the axis
  axis.SetExtent(INT_MAX);
  EXPECT_EQ(SpanOf(1), std::make_pair(51, INT_MAX));
  EXPECT_EQ(axis.LineAt(INT_MAX - 1), 1);
  EXPECT_EQ(axis.LastShown(), 1);
}

}  // namespace
