// The debug build's checks of the hidden-row store and of merged blocks: each structure is
// broken on purpose, and the check must name what broke (and, where an operation can break
// it, stop the program in that operation).
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "components/grid/core/CellProperties.h"
#include "components/grid/core/HiddenRows.h"
#include "components/grid/core/MergedCells.h"
#include "fake_cell_grid.h"

namespace {

THiddenRows::Rows Numbered(std::initializer_list<int> numbers) {
  THiddenRows::Rows rows;
  for (int n : numbers) rows.emplace_back(std::make_unique<TGridItem>())->Idx = n;
  return rows;
}

TEST(HiddenRowsInvariant, ASoundStoreHasNoFault) {
  THiddenRows store;
  store.Add(Numbered({7, 2, 4}));
  store.ShownInserted(0, 3);
  store.ShownRemoved(0, 2);
  EXPECT_EQ(store.Fault(), "");
}

TEST(HiddenRowsInvariant, ANumberTakenTwiceBreaksTheStore) {
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  THiddenRows store;
  store.Add(Numbered({2, 5}));
#ifndef NDEBUG
  EXPECT_DEATH(store.Add(Numbered({5})), "hidden rows broken: row 5 follows row 5");
#else
  store.Add(Numbered({5}));
  EXPECT_EQ(store.Fault(), "row 5 follows row 5");
#endif
}

TEST(HiddenRowsInvariant, ANumberBeyondTheRealRowsIsAFault) {
  THiddenRows store;
  store.Add(Numbered({1, 9}));
  EXPECT_EQ(store.Fault(10), "");
  EXPECT_EQ(store.Fault(9), "row 9 lies outside the 9 real rows");
}

class MergedBlockInvariant : public testing::Test {
 protected:
  FakeCellGrid grid{6, 5};
  TMergedCells merged{grid};
};

TEST_F(MergedBlockInvariant, MergedAndSplitBlocksAreSound) {
  merged.MergeCells(1, 1, 3, 2);
  EXPECT_EQ(merged.BlockFault({1, 1, 3, 2}), "");
  merged.SplitCells(2, 2);
  EXPECT_EQ(merged.BlockFault({3, 2, 3, 2}), "");
  EXPECT_EQ(merged.BlockFault({0, 0, 0, 0}), "");  // a cell without properties
}

TEST_F(MergedBlockInvariant, AWrongDistanceBreaksTheBlock) {
  merged.MergeCells(1, 1, 3, 2);
  grid.GetCellProperties(3, 2)->CellSpanX = 1;
  EXPECT_EQ(merged.BlockFault({1, 1, 3, 2}), "cell (3, 2) holds the spans 1, 1");
}

TEST_F(MergedBlockInvariant, ASecondBaseCellBreaksTheBlock) {
  merged.MergeCells(1, 1, 2, 2);
  grid.GetCellProperties(2, 1)->IsBaseCell = true;
  EXPECT_EQ(merged.BlockFault({1, 1, 2, 2}), "cell (2, 1) is a base cell");
}

TEST_F(MergedBlockInvariant, ACellWithoutPropertiesOrBeyondTheGridBreaksTheBlock) {
  TCellProperties* base = grid.GetCellProperties(0, 0);  // spans set by hand, no partner
  base->CellSpanX = 1;
  base->CellSpanY = 0;
  EXPECT_EQ(merged.BlockFault({0, 0, 1, 0}), "cell (1, 0) has no properties");
  EXPECT_EQ(merged.BlockFault({4, 3, 6, 4}), "the block reaches beyond the grid");
}

}  // namespace
