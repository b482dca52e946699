#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/core/files.h"
#include "platform/core/strings.h"
#include "list_lines.h"
#include "temp_folder.h"

namespace {

using namespace std::string_literals;

TEST(StringList, EditsKeepObjectsWithTheirStrings) {
  TObject one, two;
  TStringList list;
  list.Add("b");
  list.AddObject("c", &two);
  list.InsertObject(0, "a", &one);
  list.Insert(3, "d");
  EXPECT_EQ(LinesOf(list), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Objects(0), &one);
  EXPECT_EQ(list.IndexOfObject(&two), 2);
  list.Delete(1);
  list.SetStrings(0, "A");
  EXPECT_EQ(LinesOf(list), (Lines{"A", "c", "d"}));
  EXPECT_EQ(list.Objects(1), &two);
  EXPECT_EQ(list.IndexOf("C"), 1);
  EXPECT_EQ(list.IndexOf("x"), -1);
  EXPECT_THROW(list.Strings(3), EStringListError);
  EXPECT_THROW(list.Insert(4, "x"), EStringListError);
}

TEST(StringList, TextSplitsAtEveryLineBreak) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(LinesOf(list), (Lines{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(list.GetText(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  list.SetText("\r\n");
  EXPECT_EQ(LinesOf(list), Lines{""});
  list.SetText("x\0y\xFF\n"s);
  EXPECT_EQ(list.Strings(0), "x\0y\xFF"s);
}

TEST(StringList, CommaTextQuotesWhatWouldSplit) {
  TStringList list;
  list.SetText("a b\r\nc\r\n\r\nd\"e\r\nf,g");
  EXPECT_EQ(list.GetCommaText(), "\"a b\",c,,\"d\"\"e\",\"f,g\"");
  TStringList back;
  back.SetCommaText(list.GetCommaText());
  EXPECT_EQ(LinesOf(back), LinesOf(list));

  back.SetCommaText("  a, b  c ,\"x \"\"y\"\" z\",");
  EXPECT_EQ(LinesOf(back), (Lines{"a", "b", "c", "x \"y\" z", ""}));
  back.SetText("\r\n");
  EXPECT_EQ(back.GetCommaText(), "\"\"");
}

TEST(StringList, SortedListsKeepOrderAndApplyTheDuplicatesRule) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
  EXPECT_EQ(LinesOf(list), (Lines{"Apple", "fig", "pear"}));  // dupIgnore by default
  EXPECT_EQ(list.Add("FIG"), 1);
  EXPECT_EQ(list.IndexOf("PEAR"), 2);
  int index = -1;
  EXPECT_FALSE(list.Find("banana", index));
  EXPECT_EQ(index, 1);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);

  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("Fig"), EStringListError);
  EXPECT_EQ(list.Count(), 3);

  list.SetDuplicates(dupAccept);
  list.Add("fig");
  list.Add("FIG");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_TRUE(list.Find("Fig", index));
  EXPECT_EQ(index, 1);  // the first of the equal ones
}

// The comparison is ordinal over AnsiUpperCase: umlauts follow Z.
TEST(StringList, SortingIgnoresTheCaseOfUmlauts) {
  TStringList list;
  list.SetText("\xE4pfel\r\nZebra\r\nArm\r\n\xC4RMEL\r\nzahn");
  list.Sort();
  EXPECT_EQ(LinesOf(list), (Lines{"Arm", "zahn", "Zebra", "\xE4pfel", "\xC4RMEL"}));
  EXPECT_EQ(list.IndexOf("\xC4PFEL"), 3);
  list.SetSorted(true);
  EXPECT_EQ(list.IndexOf("\xE4rmel"), 4);
}

TEST(StringList, CustomSortMovesObjectsAlong) {
  std::vector<TObject> objects(4);
  TStringList list;
  const char* values[] = {"10", "9", "100", "-1"};
  for (int i = 0; i < 4; ++i) list.AddObject(values[i], &objects[i]);
  list.CustomSort([](TStringList* l, int a, int b) {
    return StrToInt(l->Strings(a)) - StrToInt(l->Strings(b));
  });
  EXPECT_EQ(LinesOf(list), (Lines{"-1", "9", "10", "100"}));
  EXPECT_EQ(list.Objects(0), &objects[3]);
  EXPECT_EQ(list.Objects(3), &objects[2]);
}

TEST(StringList, SortHandlesLargeAndHostileInput) {
  std::mt19937 random(7);
  TStringList list;
  for (int i = 0; i < 5000; ++i) list.Add(AnsiString(1 + random() % 3, "aAbB"[random() % 4]));
  list.Sort();
  std::vector<AnsiString> sorted = LinesOf(list);
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), [](auto& a, auto& b) {
    return AnsiCompareText(a, b) < 0;
  }));

  // A comparison that contradicts itself must neither crash nor lose strings.
  list.SetText("e\r\nd\r\nc\r\nb\r\na");
  list.CustomSort([](TStringList*, int, int) { return -1; });
  std::vector<AnsiString> lines = LinesOf(list);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (Lines{"a", "b", "c", "d", "e"}));
}

TEST(StringList, AssignAndAddStrings) {
  TObject tag;
  TStringList source, target;
  source.AddObject("x", &tag);
  source.Add("y");
  target.Add("old");
  target.Assign(source);
  EXPECT_EQ(LinesOf(target), (Lines{"x", "y"}));
  EXPECT_EQ(target.Objects(0), &tag);
  target.AddStrings(target);
  EXPECT_EQ(LinesOf(target), (Lines{"x", "y", "x", "y"}));
  target.Assign(target);
  EXPECT_EQ(target.Count(), 4);
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText("Key=1\r\nplain\r\nOther=a=b");
  EXPECT_EQ(list.Names(0), "Key");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.Values("other"), "a=b");
  EXPECT_EQ(list.Values("missing"), "");
  list.SetValues("KEY", "2");
  list.SetValues("New", "3");
  list.SetValues("Other", "");
  EXPECT_EQ(LinesOf(list), (Lines{"KEY=2", "plain", "New=3"}));
}

TEST(StringList, FilesKeepTheirBytes) {
  TempFolder folder;
  std::string path = folder / "list.txt";
  TStringList list;
  list.Add("M\xFCller \x80");
  list.Add("nul\0byte"s);
  list.SaveToFile(path);
  EXPECT_EQ(ReadBytes(path), "M\xFCller \x80\r\nnul\0byte\r\n"s);

  WriteBytes(path, "a\nb\r\nc");
  list.LoadFromFile(path);
  EXPECT_EQ(LinesOf(list), (Lines{"a", "b", "c"}));

  EXPECT_THROW(list.LoadFromFile(folder / "missing.txt"), EFOpenError);
  EXPECT_THROW(list.SaveToFile(folder / "no/such/folder.txt"), EFCreateError);
}

}  // namespace
