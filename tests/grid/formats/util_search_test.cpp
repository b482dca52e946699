#include <gtest/gtest.h>

#include "components/grid/formats/TextSearch.h"
#include "platform/core/strings.h"

namespace {

TEST(GridUtilSearch, CharacterPositionsAreOneBased) {
  EXPECT_EQ(CharPos('b', "abcb"), 2);
  EXPECT_EQ(CharPos('x', "abc"), 0);
  EXPECT_EQ(CharPos('a', ""), 0);
  int p = 7;
  EXPECT_EQ(VarCharPos('x', "abc", p), 0);
  EXPECT_EQ(p, 7);  // left alone when absent
  EXPECT_EQ(VarCharPos('c', "abc", p), 3);
  EXPECT_EQ(p, 3);
  EXPECT_EQ(VarCharPosNC('B', "aab", p), 3);
  EXPECT_EQ(VarCharPosNC('\xC4', "\xE4", p), 0);  // only a-z are upper-cased
  EXPECT_EQ(VarPos("cd", "abcd", p), 3);
  EXPECT_EQ(VarPos("x", "abcd", p), 0);
  EXPECT_EQ(p, 0);
  EXPECT_EQ(FIPos("LO", "Hello"), 4);
  EXPECT_EQ(FirstChar("&|", "a|b&c"), '|');
  EXPECT_EQ(FirstChar("&|", "abc"), '\0');
  EXPECT_EQ(NumChar('a', "banana"), 3);
}

TEST(GridUtilSearch, SingleCharactersSkipDoubledOnes) {
  struct Case {
    const char* text;
    int pos;
  };
  for (Case c : {Case{"ab\"\"cd\"", 7}, Case{"\"a", 1}, Case{"a\"\"b", 0}, Case{"\"\"", 2},
                 Case{"x\"y\"\"", 2}, Case{"", 0}}) {
    int p = -1;
    EXPECT_EQ(SinglePos('"', c.text, p), c.pos) << c.text;
    EXPECT_EQ(p, c.pos) << c.text;
  }
  EXPECT_EQ(NumSingleChar('"', "\"a\"\"b\",\"c\""), 4);
  EXPECT_EQ(NumSingleChar(';', "a;b;;c"), 1);
  EXPECT_EQ(NumSingleChar(';', "abc"), 0);
}

TEST(GridUtilSearch, GetTokenTakesTextBeforeTheSeparator) {
  AnsiString s = "12,3,text, with comma";
  EXPECT_EQ(GetToken(s, ","), "12");
  EXPECT_EQ(GetToken(s, ","), "3");
  EXPECT_EQ(s, "text, with comma");
  AnsiString none = "abc";
  EXPECT_EQ(GetToken(none, ","), "");
  EXPECT_EQ(none, "abc");
  AnsiString multi = "a<>b";
  EXPECT_EQ(GetToken(multi, "<>"), "a");
  EXPECT_EQ(multi, "b");
}

TEST(GridUtilSearch, GetNextLineEatsOneLineBreak) {
  AnsiString s = "one\r\ntwo\r\r\nthree";
  EXPECT_EQ(GetNextLine(s, true), "one");
  EXPECT_EQ(GetNextLine(s, true), "two");
  EXPECT_EQ(s, "\r\nthree");  // only one LF directly after the CR goes
  AnsiString single = "one\r\ntwo";
  EXPECT_EQ(GetNextLine(single, false), "one");
  EXPECT_EQ(single, "");
  AnsiString last = "only";
  EXPECT_EQ(GetNextLine(last, true), "only");
  EXPECT_EQ(last, "");
  EXPECT_EQ(LinesInText("a\r\nb\r\nc", true), 3);
  EXPECT_EQ(LinesInText("a\r\nb\r\nc", false), 1);
  EXPECT_EQ(LinesInText("", true), 1);
}

TEST(GridUtilSearch, StringListToTextJoinsWithoutSeparator) {
  TStringList list;
  EXPECT_EQ(StringListToText(list), "");
  list.Add("ab");
  list.Add("");
  list.Add("c\r\n");
  EXPECT_EQ(StringListToText(list), "abc\r\n");
}

}  // namespace
