#include <gtest/gtest.h>

#include <vector>

#include "components/grid/core/SortIndexList.h"
#include "platform/core/exception.h"

namespace {

struct ChangeLog {
  std::vector<std::pair<int, int>> cells;
  void Watch(TIntList& list) {
    list.OnChange = [this](TObject*, int col, int row) { cells.emplace_back(col, row); };
  }
};

TEST(IntList, TextFormJoinsTheValuesAndReadsThemBack) {
  TIntList list(2, 5);
  EXPECT_EQ(list.GetStrValue(), "");
  list.Add(1);
  list.Add(-2);
  list.Add(3);
  EXPECT_EQ(list.GetStrValue(), "1,-2,3");

  TIntList copy;
  ChangeLog log;
  log.Watch(copy);
  copy.SetStrValue("1,2,3");
  EXPECT_EQ(copy.GetStrValue(), "1,2,3");
  EXPECT_EQ(log.cells.size(), 3u);  // one change per value added
  copy.SetStrValue("");
  EXPECT_EQ(copy.Count(), 0);
}

TEST(IntList, TextWithAnItemThatIsNoNumberLeavesTheListAsItWas) {
  TIntList list;
  list.SetStrValue("4,5");
  ChangeLog log;
  log.Watch(list);
  EXPECT_THROW(list.SetStrValue("7,x,9"), EConvertError);
  EXPECT_EQ(list.GetStrValue(), "4,5");
  EXPECT_TRUE(log.cells.empty());
}

TEST(IntList, ChangesReportTheListsCell) {
  TIntList list(3, 7);
  ChangeLog log;
  log.Watch(list);
  list.Add(10);
  list.SetInteger(0, 11);
  list.Delete(0);
  ASSERT_EQ(log.cells.size(), 3u);
  for (auto cell : log.cells) EXPECT_EQ(cell, std::make_pair(3, 7));
}

TEST(IntList, IndexOutsideTheListRaises) {
  TIntList list;
  list.Add(1);
  EXPECT_THROW(list.GetInteger(1), EListError);
  EXPECT_THROW(list.SetInteger(-1, 0), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_EQ(list.Count(), 1);
}

TEST(SortIndexList, DescendingEntriesCarryBit31) {
  TSortIndexList list;
  list.AddIndex(3, false);
  list.AddIndex(5, true);
  EXPECT_EQ(static_cast<uint32_t>(list.Items(0)), 0x80000003u);
  EXPECT_EQ(list.FindIndex(5), 1);
  EXPECT_EQ(list.FindIndex(4), -1);

  list.ToggleIndex(3);
  EXPECT_EQ(list.FindIndex(3), 0);
  EXPECT_EQ(list.Items(0), 3);
  EXPECT_FALSE(TSortIndexList::Descending(static_cast<uint32_t>(list.Items(0))));
  list.ToggleIndex(9);  // absent: nothing changes
  EXPECT_EQ(list.GetStrValue(), "3,5");
}

}  // namespace
