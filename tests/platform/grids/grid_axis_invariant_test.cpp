// The debug build's bounds check of a grid axis: an axis made with a negative count (the
// constructor takes what it is given) is out of bounds, and the next change stops on it.
#include <gtest/gtest.h>

#include "platform/grids/grid_axis.h"

namespace {

TEST(GridAxisInvariant, ASoundAxisHasNoFault) {
  TGridAxis axis(10, 1, 20);
  axis.SetExtent(100);
  axis.SetFirst(9);
  axis.SetSize(3, 50);
  axis.SetCount(4);
  EXPECT_EQ(axis.Fault(), "");
}

TEST(GridAxisInvariant, ANegativeCountIsOutOfBounds) {
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  TGridAxis axis(-1, 0, 20);
  EXPECT_EQ(axis.Fault(), "count -1");
#ifndef NDEBUG
  EXPECT_DEATH(axis.SetExtent(100), "grid axis broken: count -1");
#endif
}

}  // namespace
