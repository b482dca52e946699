// The state of sorting without a grid: a run's deferred exchanges must put the cells where
// exchanging them at once would have, the pivot included, and the cross reference must
// answer both ways.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "components/grid/core/SortRun.h"
#include "components/grid/core/SortState.h"

namespace {

using Rows = std::vector<std::string>;

// Row p takes what stood at Order[p], as the grid permutes its cells.
Rows Permuted(const Rows& rows, const std::vector<int>& order) {
  if (order.empty()) return rows;
  Rows moved;
  for (int from : order) moved.push_back(rows[from]);
  return moved;
}

TEST(SortRun, DeferredExchangesMoveTheCellsAsExchangesAtOnce) {
  const Rows before{"a", "b", "c", "d", "e", "pivot"};
  Rows direct = before;
  std::vector<int> pending{7};  // left by an earlier run
  TSortRun run(true, true, 1, pending);
  ASSERT_TRUE(run.Deferred());
  for (auto [r1, r2] : {std::pair{0, 3}, {3, 4}, {1, 0}}) {
    run.Exchange(r1, r2, static_cast<int>(before.size()));
    std::swap(direct[r1], direct[r2]);
  }
  for (int r = 0; r < 5; ++r) EXPECT_EQ(before[run.CellsRow(r)], direct[r]) << r;
  run.HoldPivot(4, 5);  // the pivot row is to hold what row 4 shows now
  EXPECT_EQ(before[run.CellsRow(5)], direct[4]);

  Rows flushed = Permuted(before, run.StopDeferring());
  EXPECT_FALSE(run.Deferred());
  run.DropPending();
  EXPECT_TRUE(pending.empty());
  const auto [from, pivot] = run.TakePivot();
  flushed[pivot] = flushed[from];
  direct[5] = direct[4];
  EXPECT_EQ(flushed, direct);
  EXPECT_EQ(run.TakePivot().first, -1);  // taken once
  EXPECT_EQ(run.CellsRow(5), 5);
}

TEST(SortRun, NothingIsDeferredWithoutKeysAndTheCurrentRowFollows) {
  std::vector<int> pending;
  TSortRun run(false, true, 0, pending);
  EXPECT_FALSE(run.Deferred());
  EXPECT_TRUE(run.StopDeferring().empty());
  run.RowFollow = 2;
  run.Follow(2, 5);
  run.Follow(1, 3);
  EXPECT_EQ(run.RowFollow, 5);
  run.Follow(0, 5);
  EXPECT_EQ(run.RowFollow, 0);
  EXPECT_EQ(run.Fault(), "");
}

TEST(SortRun, AnExchangeOutsideTheRowsIsRefused) {
  std::vector<int> pending;
  TSortRun run(true, true, 0, pending);
  EXPECT_THROW(run.Exchange(1, 4, 3), std::out_of_range);
}

TEST(SortRun, APermutationHoldsEachRowOnce) {
  EXPECT_EQ(PermutationFault({2, 0, 1}, "rows"), "");
  EXPECT_EQ(PermutationFault({0, 2, 2}, "rows"), "rows: row 2 stands twice");
  EXPECT_EQ(PermutationFault({0, 3}, "rows"), "rows: row 3 lies outside the 2 rows");
}

TEST(SortState, TheCrossReferenceAnswersBothWays) {
  TSortState state;
  EXPECT_EQ(state.PlaceBefore(3), 3);  // none made: every row at its place
  EXPECT_EQ(state.PlaceNow(3), 3);
  state.InitXRef(4);
  state.SwapXRef(0, 3);
  state.SwapXRef(3, 1);
  state.SwapXRef(2, 9);  // beyond the reference: nothing moves
  EXPECT_EQ(state.PlaceBefore(0), 3);
  EXPECT_EQ(state.PlaceBefore(3), 1);
  EXPECT_EQ(state.PlaceBefore(7), 7);
  EXPECT_EQ(state.PlaceNow(1), 3);
  EXPECT_EQ(state.PlaceNow(0), 1);
  EXPECT_EQ(state.PlaceNow(7), 4);  // past the list
  EXPECT_FALSE(state.XRefCovers(4));
  EXPECT_EQ(state.Fault(), "");
}

}  // namespace
