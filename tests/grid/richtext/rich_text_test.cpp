#include <gtest/gtest.h>

#include "components/grid/richtext/RichText.h"

namespace {

TRichText Rich(const AnsiString& rtf) {
  TRichText rich;
  rich.SetRTF(rtf);
  return rich;
}

TEST(RichText, PlainTextMakesParagraphs) {
  TRichText rich;
  EXPECT_EQ(rich.Paragraphs().size(), 1u);
  EXPECT_EQ(rich.GetText(), "");
  rich.SetText("one\r\ntwo\nthree\r");
  EXPECT_EQ(rich.Paragraphs().size(), 4u);
  EXPECT_EQ(rich.GetText(), "one\r\ntwo\r\nthree\r\n");
  // Text that is not RTF is read as it is.
  EXPECT_EQ(Rich("{not rtf} \\b x").GetText(), "{not rtf} \\b x");
  rich.Clear();
  EXPECT_EQ(rich, TRichText());
}

TEST(RichText, ReadsFormatsOfRuns) {
  const TRichText rich = Rich(
      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;"
      "\\red0\\green0\\blue128;}\r\n\\pard\\f0\\fs20 Plain \\b bold\\b0  {\\i\\cf1 red "
      "italic}\\ul under\\ulnone\\par\r\n\\strike gone\\strike0  {\\fs32\\cf2 big}\\par\r\n}");
  ASSERT_EQ(rich.Paragraphs().size(), 2u);
  const TRichParagraph& first = rich.Paragraphs()[0];
  ASSERT_EQ(first.size(), 5u);
  EXPECT_EQ(first[0], (TRichRun{"Plain ", {{}, 10, clNone}}));
  EXPECT_EQ(first[1], (TRichRun{"bold", {fsBold, 10, clNone}}));
  EXPECT_EQ(first[2], (TRichRun{" ", {{}, 10, clNone}}));
  EXPECT_EQ(first[3], (TRichRun{"red italic", {fsItalic, 10, clRed}}));
  EXPECT_EQ(first[4], (TRichRun{"under", {fsUnderline, 10, clNone}}));
  const TRichParagraph& second = rich.Paragraphs()[1];
  ASSERT_EQ(second.size(), 3u);
  EXPECT_EQ(second[0], (TRichRun{"gone", {fsStrikeOut, 10, clNone}}));
  EXPECT_EQ(second[2], (TRichRun{"big", {{}, 16, clNavy}}));
  EXPECT_EQ(rich.GetText(), "Plain bold red italicunder\r\ngone big");
}

TEST(RichText, ReadsEscapesSymbolsAndUnicode) {
  EXPECT_EQ(Rich("{\\rtf1 a\\{b\\}c\\\\d}").GetText(), "a{b}c\\d");
  EXPECT_EQ(Rich("{\\rtf1 gr\\'fc\\'DFe\\tab x\\~y\\-z\\_w}").GetText(),
            "gr\xFC\xDF"
            "e\tx\xA0yz-w");
  EXPECT_EQ(Rich("{\\rtf1 \\lquote a\\rquote  \\ldblquote b\\rdblquote \\endash\\emdash\\bullet}")
                .GetText(),
            "\x91"
            "a\x92 \x93"
            "b\x94\x96\x97\x95");
  // \u with its fallback dropped: one character after \uc1, none after \uc0, two after \uc2.
  EXPECT_EQ(Rich("{\\rtf1 \\u8364?x \\uc0\\u252 y\\uc2\\u-3913 ??z\\u1234?}").GetText(),
            "\x80x \xFCy?z?");
  EXPECT_EQ(Rich("{\\rtf1 line\\line next}").GetText(), "line\r\nnext");
}

TEST(RichText, PassesOverDestinationsAndFields) {
  const TRichText rich = Rich(
      "{\\rtf1{\\*\\generator Writer;}{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}"
      "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}} {\\pict\\bin4 {}\\ } after}");
  EXPECT_EQ(rich.GetText(), "link  after");
}

TEST(RichText, DamagedInputLosesOnlyText) {
  EXPECT_EQ(Rich("{\\rtf1 a}} b").GetText(), "a");  // the document's group ends it
  EXPECT_EQ(Rich("{\\rtf1 {\\b open").GetText(), "open");
  EXPECT_EQ(Rich("{\\rtf1 x\\").GetText(), "x");
  EXPECT_EQ(Rich("{\\rtf1 x\\'4").GetText(), "x");
  EXPECT_EQ(Rich("{\\rtf1 x\\bin99999999999 y}").GetText(), "x");
  EXPECT_EQ(Rich("{\\rtf1 \\fs99999999999999999999 x\\cf-5 y\\cf99 z}").GetText(), "xyz");
  AnsiString deep = "{\\rtf1 ";
  for (int i = 0; i < 100000; ++i) deep += "{\\b ";
  deep += "deep";
  for (int i = 0; i < 100000; ++i) deep += "}";
  deep += " after}";
  const TRichText rich = Rich(deep);
  EXPECT_EQ(rich.GetText(), "deep after");
  EXPECT_FALSE(rich.Paragraphs()[0].back().Format.Style.Contains(fsBold));
}

TEST(RichText, WritesWhatItReads) {
  TRichText rich;
  rich.Add("Plain {brace} \\ and \xE4 and\ttab\r\n");
  rich.Add("bold red", {fsBold, 0, clRed});
  rich.Add(" big", {TFontStyles{fsItalic, fsUnderline, fsStrikeOut}, 14, clBlue});
  rich.Add(" red again\r\n\r\n", {{}, 0, clRed});
  const AnsiString rtf = rich.GetRTF();
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u) << rtf;
  EXPECT_NE(rtf.find("{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"),
            std::string::npos)
      << rtf;
  EXPECT_NE(rtf.find("Plain \\{brace\\} \\\\ and \\'e4 and\\tab tab\\par"), std::string::npos);
  EXPECT_NE(rtf.find("{\\i\\ul\\strike\\fs28\\cf2  big}"), std::string::npos) << rtf;
  EXPECT_EQ(Rich(rtf), rich);
  EXPECT_EQ(Rich(TRichText().GetRTF()), TRichText());
}

TEST(RichText, SystemColoursAreWrittenAsTheirValue) {
  TRichText rich;
  rich.Add("x", {{}, 0, clWindowText});
  const TRichText read = Rich(rich.GetRTF());
  EXPECT_EQ(read.Paragraphs()[0][0].Format.Color, ColorToRGB(clWindowText));
}

}  // namespace
