#include <gtest/gtest.h>

#include "components/grid/html/HTMLHilight.h"
#include "components/grid/html/HTMLStrip.h"

namespace {

TEST(HTMLText, StripTurnsBreaksIntoLineEndsAndDropsTags) {
  EXPECT_EQ(HTMLStrip("one<br>two <b>bold</B> end"), "one\r\ntwo bold end");
  EXPECT_EQ(HTMLStrip("a<HR>b<Hr>c"), "a\r\nb\r\nc");
  EXPECT_EQ(HTMLStrip("plain"), "plain");
  EXPECT_EQ(HTMLStrip(""), "");
  // A "<" never closed is text, once.
  EXPECT_EQ(HTMLStrip("<i>x</i> a < b"), "x a < b");
  EXPECT_EQ(HTMLStrip("x <b"), "x <b");
}

TEST(HTMLText, HiLightWrapsEveryOccurrenceOutsideTags) {
  struct Case {
    const char* text;
    const char* find;
    bool caseSensitive;
    const char* result;
  };
  const Case cases[] = {
      {"abcabc", "b", true, "a<hi>b</hi>ca<hi>b</hi>c"},
      {"ABC abc", "b", false, "A<hi>B</hi>C a<hi>b</hi>c"},
      {"ABC abc", "b", true, "ABC a<hi>b</hi>c"},
      // A place where a tag stands lands before the tag.
      {"a<b>bc</b>d", "bc", true, "a<hi><b>bc</hi></b>d"},
      {"<b>bc</b>", "bc", true, "<hi><b>bc</hi></b>"},
      // Text inside a tag is never found, and words may run across tags.
      {"<font color=\"red\">red</font>", "red", true, "<hi><font color=\"red\">red</hi></font>"},
      {"ab<i>cd</i>", "bc", true, "a<hi>b<i>c</hi>d</i>"},
      // Occurrences do not overlap; neighbours touch.
      {"aaa", "aa", true, "<hi>aa</hi>a"},
      {"aa", "a", true, "<hi>a</hi><hi>a</hi>"},
      {"\xE4pfel \xC4pfel", "\xC4P", false, "<hi>\xE4p</hi>fel <hi>\xC4p</hi>fel"},
      {"x < y", "y", true, "x < <hi>y</hi>"},
      {"abc", "", true, "abc"},
      {"abc", "x", true, "abc"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HiLight(c.text, c.find, "hi", c.caseSensitive), c.result) << c.text;
}

TEST(HTMLText, UnHiLightGivesBackTheText) {
  const char* texts[] = {"a<b>bc</b>d", "abcabc", "<i>B</i>b", "bb", "x < b"};
  for (const char* text : texts) {
    const AnsiString marked = HiLight(text, "b", "e", false);
    EXPECT_NE(marked, text);
    EXPECT_EQ(UnHiLight(marked, "E"), text) << marked;
    // Other marks stay.
    EXPECT_EQ(UnHiLight(marked, "hi"), marked);
  }
  EXPECT_EQ(UnHiLight("<HI>a</Hi> <hi>", "hi"), "a ");
}

}  // namespace
