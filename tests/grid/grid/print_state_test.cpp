#include "components/grid/grid/printing/PrintState.h"

#include <gtest/gtest.h>

#include "ext_grid_error.h"

namespace {

TEST(PrintState, PagesToOutputMustLieWithinTheLayout) {
  TPrintState state;
  EXPECT_TRUE(state.HasPagesOf(1));  // page 1 to 1 at first
  EXPECT_FALSE(state.HasPagesOf(0));
  struct Case {
    int from, to;
    bool outputs;
  };
  for (const Case c : {Case{2, 3, true}, Case{3, 3, true}, Case{3, 9, true}, Case{4, 4, false},
                       Case{0, 2, false}, Case{2, 0, false}, Case{3, 2, false}}) {
    state.FromPage = c.from;
    state.ToPage = c.to;
    EXPECT_EQ(state.HasPagesOf(3), c.outputs) << c.from << ".." << c.to;
  }
}

TEST(PrintState, TheClippedRangeStaysForTheNextLayout) {
  TPrintState state;
  state.Range = {2, 1, 40, 900};
  EXPECT_EQ(state.ClipRange(10, 50), (TGridRect{2, 1, 9, 49}));
  EXPECT_EQ(state.ClipRange(30, 80), (TGridRect{2, 1, 9, 49}));
}

TEST(PrintState, ColumnsFrom512OnAreNotKept) {
  TPrintState state;
  state.KeepColWidth(511, 70);
  state.KeepColOffset(511, 900);
  state.KeepColWidth(512, 5);  // ignored, as is a column before 0
  state.KeepColOffset(-1, 5);
  EXPECT_EQ(state.ColWidth(511), 70);
  EXPECT_EQ(state.ColOffset(511), 900);
  EXPECT_EQ(ErrorOf([&] { state.ColWidth(512); }), "Columns is not in valid range");
  EXPECT_EQ(ErrorOf([&] { state.ColOffset(-1); }), "Columns is not in valid range");
}

}  // namespace
