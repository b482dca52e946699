// The axis's kept sums against the plain sum of its sizes, after random changes of every kind
// that moves sizes: sizing, counts that grow and shrink, moves, permutations, defaults.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "platform/grids/grid_axis.h"

namespace {

int64_t PlainSum(const TGridAxis& axis, int first, int last) {
  int64_t sum = 0;
  for (int i = first; i < last; ++i) sum += axis.Size(i);
  return sum;
}

// Every range, some of it outside the count, agrees with the plain sum.
void ExpectSumsAgree(const TGridAxis& axis, std::mt19937& random, const char* after) {
  std::uniform_int_distribution<int> at(-3, axis.Count() + 3);
  for (int k = 0; k < 40; ++k) {
    const int first = at(random), last = at(random);
    ASSERT_EQ(axis.SizeSum(first, last), first < last ? PlainSum(axis, first, last) : 0)
        << after << " " << first << ".." << last << " of " << axis.Count();
  }
  ASSERT_EQ(axis.SizeSum(0, axis.Count()), PlainSum(axis, 0, axis.Count())) << after;
}

TEST(AxisSums, FollowRandomChanges) {
  std::mt19937 random(53);
  TGridAxis axis(50, 1, 20);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int step = 0; step < 2000; ++step) {
    const char* change = "";
    switch (pick(7)) {
      case 0:
      case 1:
        change = "size";
        axis.SetSize(pick(axis.Count()), pick(90));
        break;
      case 2:
        change = "insert";  // a line inserted: one more, moved from the end
        axis.SetCount(axis.Count() + 1 + pick(3));
        axis.MoveLine(axis.Count() - 1, pick(axis.Count()));
        break;
      case 3:
        change = "remove";  // a line removed: moved to the end and dropped
        axis.MoveLine(pick(axis.Count()), axis.Count() - 1);
        axis.SetCount(std::max(2, axis.Count() - 1 - pick(3)));
        break;
      case 4:
        change = "move";
        axis.MoveLine(pick(axis.Count()), pick(axis.Count()));
        break;
      case 5: {
        change = "permute";
        std::vector<int> order(axis.Count());
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        axis.Permute(order);
        break;
      }
      case 6:
        change = "hide";  // hidden lines take no room, shown ones take it back
        axis.SetSize(pick(axis.Count()), pick(2) ? 0 : 20);
        break;
    }
    if (step % 500 == 499) axis.SetDefaultSize(10 + pick(30));
    ExpectSumsAgree(axis, random, change);
  }
}

// A count grown by many lines at once, and one grown line by line, both sum right.
TEST(AxisSums, GrowingByFewAndByMany) {
  TGridAxis axis(3, 0, 10);
  axis.SetSize(1, 5);
  EXPECT_EQ(axis.SizeSum(0, 3), 25);
  for (int n = 4; n <= 200; ++n) axis.SetCount(n);
  EXPECT_EQ(axis.SizeSum(0, 200), 1995);
  axis.SetCount(100000);
  axis.SetSize(99999, 1);
  EXPECT_EQ(axis.SizeSum(1, 100000), 5 + 99997 * 10 + 1);
  EXPECT_EQ(axis.SizeSum(99999, 100002), 21);  // two lines beyond the count at the default
}

// Sizes that add up past an int stay exact.
TEST(AxisSums, HugeSizesDoNotWrap) {
  TGridAxis axis(3, 0, 0);
  for (int i = 0; i < 3; ++i) axis.SetSize(i, INT_MAX);
  EXPECT_EQ(axis.SizeSum(0, 3), 3 * int64_t{INT_MAX});
}

}  // namespace
