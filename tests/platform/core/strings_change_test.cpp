#include <gtest/gtest.h>

#include "platform/core/strings.h"

namespace {

TEST(StringListChange, EveryChangeReportsAndBulkChangesReportOnce) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.Add("b");
  list.Insert(0, "a");
  list.SetStrings(1, "c");
  TObject object;
  list.SetObjects(0, &object);
  list.Exchange(0, 1);
  list.Sort();
  list.Delete(0);
  EXPECT_EQ(changes, 7);
  list.Clear();
  list.Clear();  // nothing left to change
  EXPECT_EQ(changes, 8);

  TStringList source;
  source.SetText("x\r\ny\r\nz");
  list.Assign(source);
  EXPECT_EQ(changes, 9);
  list.SetText("1\r\n2");
  list.SetCommaText("a,b,c");
  list.AddStrings(source);
  EXPECT_EQ(changes, 12);
  list.BeginUpdate();
  list.Add("d");
  list.BeginUpdate();
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changes, 12);
  list.EndUpdate();
  list.EndUpdate();  // unmatched: nothing
  EXPECT_EQ(changes, 13);
  EXPECT_EQ(list.GetCommaText(), "b,c,x,y,z,d");
}

}  // namespace
