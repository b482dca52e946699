#include <gtest/gtest.h>

#include "components/edit/ExtEdit.h"

namespace {

std::vector<int> Values(const TRangeList& list) {
  std::vector<int> values;
  for (int i = 0; i < list.GetCount(); ++i) values.push_back(list.GetInteger(i));
  return values;
}

TEST(RangeList, KeepsEachValueOnceInTheOrderAdded) {
  TRangeList list;
  list.Add(5);
  list.AddMultiple(1, 3);
  list.Add(2);
  EXPECT_EQ(Values(list), (std::vector<int>{5, 1, 2, 3}));
  EXPECT_TRUE(list.InList(3));
  list.Delete(0);
  EXPECT_FALSE(list.InList(5));
  list.SetInteger(0, 9);
  EXPECT_TRUE(list.InList(9));
  EXPECT_FALSE(list.InList(1));
  list.Add(1);
  EXPECT_EQ(Values(list), (std::vector<int>{9, 2, 3, 1}));
  list.Sort();
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 9}));
}

TEST(RangeList, ReadsNumbersAndRuns) {
  TRangeList list;
  EXPECT_TRUE(list.StrToList("1-3,5"));
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 5}));
  EXPECT_TRUE(list.StrToList("7;9,2-3,3"));
  EXPECT_EQ(Values(list), (std::vector<int>{7, 9, 2, 3}));
  EXPECT_TRUE(list.StrToList("5-3"));  // a backward run adds nothing
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_TRUE(list.StrToList(""));
}

TEST(RangeList, RefusesItemsThatDoNotRead) {
  TRangeList list;
  EXPECT_FALSE(list.StrToList("1,x,2"));
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2}));
  EXPECT_FALSE(list.StrToList("-5"));  // a negative number reads as a broken run
  EXPECT_FALSE(list.StrToList("1-2-3"));
  EXPECT_FALSE(list.StrToList("1,,2"));
  EXPECT_FALSE(list.StrToList("99999999999"));
}

TEST(RangeList, RefusesRunsTooLongToHold) {
  TRangeList list;
  EXPECT_FALSE(list.StrToList("1-999999999"));
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_FALSE(list.StrToList("0-2147483647"));
  EXPECT_TRUE(list.StrToList("1-100000"));
  EXPECT_EQ(list.GetCount(), TRangeList::MaxRunLength);
  EXPECT_TRUE(list.StrToList("2147483640-2147483647"));
  EXPECT_EQ(list.GetCount(), 8);
}

TEST(RangeList, EditValueBothWays) {
  TExtEdit edit(nullptr);
  edit.SetEditType(etRange);
  edit.SetPrefix("Seiten ");
  edit.SetText("1-3,5");
  TRangeList list;
  EXPECT_TRUE(edit.RangeStrToList(&list));
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 5}));

  list.Clear();
  for (int v : {5, 1, 2, 3, 9, 2}) list.Add(v);
  edit.ListToRangeStr(&list);
  EXPECT_EQ(edit.GetText(), "1-3,5,9");
  EXPECT_EQ(edit.TControl::GetText(), "Seiten 1-3,5,9");
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 5, 9}));  // sorted on the way

  list.Clear();
  for (int v : {7, 8, 10}) list.Add(v);
  edit.ListToRangeStr(&list);
  EXPECT_EQ(edit.GetText(), "7-8,10");

  list.Clear();
  edit.ListToRangeStr(&list);
  EXPECT_EQ(edit.GetText(), "");
}

}  // namespace
