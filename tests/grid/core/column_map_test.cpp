#include "components/grid/core/ColumnMap.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

TColumnMap Hiding(std::initializer_list<int> columns) {
  TColumnMap map;
  for (int c : columns) map.SetHidden(c, true);
  return map;
}

std::vector<int> Hidden(const TColumnMap& map, int Columns) {
  std::vector<int> hidden;
  for (int c = 0; c < Columns; ++c)
    if (map.IsHidden(c)) hidden.push_back(c);
  return hidden;
}

TEST(ColumnMap, DisplayAndRealColumnsConvertAroundTheHiddenOnes) {
  TColumnMap map = Hiding({1, 3});
  EXPECT_EQ(map.HiddenCount(), 2);
  const std::vector<int> real{0, 2, 4, 5};
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(map.RealCol(d), real[d]);
    EXPECT_EQ(map.DisplayCol(real[d]), d);
  }
  EXPECT_EQ(map.RealCol(510), 0);  // past the 510 shown columns below 512
  EXPECT_EQ(map.RealCol(600), 600);
  EXPECT_EQ(map.DisplayCol(600), 598);
  EXPECT_EQ(map.Fault(), "");
}

TEST(ColumnMap, OnlyAChangeBelow512Counts) {
  TColumnMap map;
  EXPECT_FALSE(map.SetHidden(512, true));
  EXPECT_FALSE(map.SetHidden(-1, true));
  EXPECT_FALSE(map.SetHidden(4, false));
  EXPECT_TRUE(map.SetHidden(511, true));
  EXPECT_FALSE(map.SetHidden(511, true));
  EXPECT_TRUE(map.SetHidden(511, false));
  EXPECT_EQ(map.HiddenCount(), 0);
  EXPECT_EQ(map.RealCol(7), 7);
}

TEST(ColumnMap, InsertedAndRemovedColumnsCarryTheFlagsAlong) {
  TColumnMap map = Hiding({2, 5});
  EXPECT_EQ(map.Shift(2, 3), 0);  // inserted before column 2
  EXPECT_EQ(Hidden(map, 12), (std::vector<int>{5, 8}));
  EXPECT_EQ(map.Shift(4, -3), 1);  // 4..6 removed, 5 among them
  EXPECT_EQ(Hidden(map, 12), (std::vector<int>{5}));
  EXPECT_EQ(map.Shift(0, -600), 1);  // more than the map holds
  EXPECT_EQ(map.HiddenCount(), 0);
  EXPECT_EQ(map.Fault(), "");
}

TEST(ColumnMap, AMovedColumnTakesItsFlagAndWidth) {
  TColumnMap map = Hiding({1});
  map.SetWidth(1, 40);
  map.SetWidth(512, 70);  // kept, though it never hides
  map.Move(1, 4);
  EXPECT_EQ(Hidden(map, 8), (std::vector<int>{4}));
  EXPECT_EQ(map.Width(4), 40);
  EXPECT_EQ(map.Width(1), 0);
  EXPECT_EQ(map.Width(512), 70);
  map.Move(600, 0);  // from past the map: column 0 gets nothing, the last width falls out
  EXPECT_EQ(Hidden(map, 8), (std::vector<int>{5}));
  EXPECT_EQ(map.Width(5), 40);
  EXPECT_EQ(map.Width(512), 0);
  EXPECT_EQ(map.Fault(), "");
}

TEST(ColumnMap, WidthsKeepSixteenBits) {
  TColumnMap map;
  map.SetWidth(3, 100000);
  map.SetWidth(4, -100000);
  map.SetWidth(-1, 5);
  EXPECT_EQ(map.Width(3), 32767);
  EXPECT_EQ(map.Width(4), -32768);
  EXPECT_EQ(map.Width(-1), 0);
}

}  // namespace
