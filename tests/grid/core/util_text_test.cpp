#include <gtest/gtest.h>

#include "components/grid/core/GridUtil.h"

namespace {

TEST(GridUtilLineBreaks, FileFormKeepsACellOnOneLine) {
  const AnsiString cell = "first\r\nsecond\r\nthird";
  AnsiString file = LfToFile(cell);
  EXPECT_EQ(file, "first\t\bsecond\t\bthird");
  EXPECT_EQ(FileToLf(file, true), cell);
  EXPECT_EQ(FileToLf(file, false), "first");
  EXPECT_EQ(LfToFile("a\tb"), "a\tb");  // no CR: unchanged
  EXPECT_EQ(FileToLf("a\tb", true), "a\tb");
}

TEST(GridUtilLineBreaks, ExportForms) {
  EXPECT_EQ(HTMLLineBreaks("a\r\nb"), "a<br>\nb");
  EXPECT_EQ(HTMLLineBreaks("a\nb"), "a\nb");
  EXPECT_EQ(LFToCLF("a\r\nb\r\n"), "a\\nb\\n");
  EXPECT_EQ(CLFToLF("a\\nb"), "a\rb");
  EXPECT_EQ(LineFeedsToXLS("a\r\nb"), "a\nb");

  AnsiString csv = "a\r\nb\rc";
  EXPECT_EQ(LineFeedsToCSV(csv), "\"a\nb\rc\"");
  EXPECT_EQ(csv, "\"a\nb\rc\"");
  AnsiString back = "a\nb";
  EXPECT_EQ(CSVToLineFeeds(back), "a\r\nb");
  EXPECT_EQ(back, "a\r\nb");

  AnsiString java = "a\r\nb";
  EXPECT_EQ(LineFeedsToJava(java), "a~b");
  EXPECT_EQ(JavaToLineFeeds(java), "a\r\nb");
  EXPECT_EQ(java, "a\r\nb");
}

TEST(GridUtilText, Conversions) {
  AnsiString secret = "geheim";
  EXPECT_EQ(StringToPassword(secret, '*'), "******");
  EXPECT_EQ(secret, "******");
  EXPECT_EQ(DoubleToSingleChar('"', "\"\"a\"\"b\"\"\"c"), "\"a\"b\"c");
  EXPECT_EQ(DoubleToSingleChar('"', "abc"), "abc");
  EXPECT_TRUE(IsURL("http://example.org"));
  EXPECT_TRUE(IsURL("mailto:a@b.de"));
  EXPECT_FALSE(IsURL("MAILTO:a@b.de"));  // letter case as written
  AnsiString url = "https://example.org/a://b";
  EXPECT_EQ(StripURLProtocol(url), "example.org/a://b");
  AnsiString mail = "mailto:a@b.de";
  EXPECT_EQ(StripURLProtocol(mail), "a@b.de");
  AnsiString plain = "example.org";
  EXPECT_EQ(StripURLProtocol(plain), "example.org");
}

TEST(GridUtilText, ShiftCaseOfNames) {
  EXPECT_EQ(ShiftCase("angus mcleod ii"), "Angus McLeod II");
  EXPECT_EQ(ShiftCase("mcdonald iii"), "McDonald III");
  EXPECT_EQ(ShiftCase("o'NEIL-SMITH jr."), "O'Neil-Smith Jr.");
  EXPECT_EQ(ShiftCase("ivan iiyama"), "Ivan Iiyama");  // a numeral only at the end
  EXPECT_EQ(ShiftCase("\xE4pfel"), "\xE4pfel");         // a-z only
  EXPECT_EQ(ShiftCase(""), "");
}

TEST(GridUtilText, OemCodePage) {
  AnsiString umlauts = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
  EXPECT_EQ(StringToOem(umlauts), "\x8E\x99\x9A\x84\x94\x81\xE1");
  EXPECT_EQ(OemToString(umlauts), "\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
  AnsiString latin;
  for (int b = 0xA0; b < 0x100; ++b) latin += static_cast<char>(b);
  AnsiString copy = latin;
  StringToOem(copy);
  EXPECT_EQ(OemToString(copy), latin);  // every Latin-1 character survives the round trip
  AnsiString quotes = "\x93x\x94 \x96";
  EXPECT_EQ(StringToOem(quotes), "\"x\" -");
  AnsiString box = "\xC9\xCD\xBB\xB3";
  EXPECT_EQ(OemToString(box), "+-+|");
  AnsiString ascii = "plain text 123";
  EXPECT_EQ(StringToOem(ascii), "plain text 123");
}

}  // namespace
