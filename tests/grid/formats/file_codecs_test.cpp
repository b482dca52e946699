// The codecs of the grid's files and clipboard, without a grid: text lines, CSV fields and
// delimiter detection, Tab text, text columns, markup escapes and the stream records.
#include <gtest/gtest.h>

#include "components/grid/formats/CSVText.h"
#include "components/grid/core/GridIO.h"
#include "components/grid/formats/MarkupText.h"
#include "components/grid/formats/StreamRecord.h"
#include "components/grid/formats/TabText.h"
#include "components/grid/formats/TextColumns.h"
#include "components/grid/formats/TextLines.h"

namespace {

using Lines = std::vector<AnsiString>;

TEST(TextLines, EndAtCrWithTheLfAfterItAndKeepABareLf) {
  EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd\r\n"), (Lines{"a", "b\nc", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines(""), Lines{});
  // Byte 26 ends the text only as the last byte.
  EXPECT_EQ(SplitTextLines("a\x1A"
                           "b\r\n\x1A"),
            (Lines{"a\x1A"
                   "b"}));
  EXPECT_EQ(LenientInt(" 12x"), 12);
  EXPECT_EQ(LenientInt("-3"), -3);
  EXPECT_EQ(LenientInt("x"), 0);
  EXPECT_EQ(LenientInt("99999999999999999999"), kMaxLoadedLines + 1);
}

TEST(CSVText, FieldsAreQuotedWhereTheyMustAndReadBackAsTheyWere) {
  const TCSVStyle style;
  EXPECT_EQ(CSVField("a", style), "a");
  EXPECT_EQ(CSVField("", style), "\"\"");
  EXPECT_EQ(CSVField("x,y", style), "\"x,y\"");
  EXPECT_EQ(CSVField("say \"hi\", ok", style), "\"say \"\"hi\"\", ok\"");
  EXPECT_EQ(CSVField("\"q", style), "\"\"\"q\"");
  TCSVStyle multi = style;
  multi.Multilinecells = true;
  EXPECT_EQ(CSVField("a\r\nb", multi), "\"a\nb\"");
  TCSVStyle always = style;
  always.AlwaysQuotes = true;
  EXPECT_EQ(CSVField("x,y", always), "\"x,y\"");  // quoted once
  TCSVStyle bare = style;
  bare.QuoteEmptyCells = false;
  EXPECT_EQ(CSVField("", bare), "");

  for (const AnsiString text : {"a", "x,y", "say \"hi\", ok", "\"", "\"\"", "a\"", "\"q,\""}) {
    const std::vector<AnsiString> fields = CSVFields(CSVField(text, style) + ",z", ',', false);
    ASSERT_EQ(fields.size(), 2u) << text;
    EXPECT_EQ(fields[0], text);
    EXPECT_EQ(CSVFields(CSVField(text, style), ',', false), std::vector<AnsiString>{text});
  }
  EXPECT_EQ(CSVFields("\"a\nb\",c", ',', false), (Lines{"a\r\nb", "c"}));
}

TEST(CSVText, ReaderClosesAtALoneQuoteAndTakesAnUnclosedFieldToTheDelimiter) {
  EXPECT_EQ(CSVFields("\"ab\"cd,x", ',', false), (Lines{"ab", "x"}));
  EXPECT_EQ(CSVFields("\"ab,x", ',', false), (Lines{"ab", "x"}));
  EXPECT_EQ(CSVFields("a,,b,", ',', false), (Lines{"a", "", "b"}));
  EXPECT_EQ(CSVFields("a;b", '\0', false), (Lines{"a;b"}));
  EXPECT_EQ(CSVFields("", ',', false), Lines{});
}

TEST(CSVText, JavaStyleMarksBreaksAndEmptyCellsAndLeavesTheDelimiter) {
  TCSVStyle java;
  java.JavaCSV = true;
  java.Multilinecells = true;
  EXPECT_EQ(CSVField("", java), "^");
  EXPECT_EQ(CSVField("x,y", java), "x,y");
  EXPECT_EQ(CSVField("a\r\nb", java), "a~b");
  EXPECT_EQ(CSVFields("^,x,y,a~b", ',', true), (Lines{"^", "x", "y", "a\r\nb"}));
}

TEST(CSVText, DelimiterIsTheOneBothLinesHoldEquallyOften) {
  EXPECT_EQ(DetectDelimiter("a;b;c", "d;e;f"), ';');
  EXPECT_EQ(DetectDelimiter("a;b,c", "d;e;f"), ';');  // none equal: the most in either line
  EXPECT_EQ(DetectDelimiter("a|b|c#d", ""), '|');
  EXPECT_EQ(DetectDelimiter("a,b;c", ""), ',');  // a tie keeps the earlier candidate
  EXPECT_EQ(DetectDelimiter("a\tb", "c\td"), '\t');
  EXPECT_EQ(DetectDelimiter(",,a;b", ",,c;d"), ';');  // single characters first
  EXPECT_EQ(DetectDelimiter(",,a", ",,c"), ',');      // then all of them
  EXPECT_EQ(DetectDelimiter("abc", "def"), '\0');
}

TEST(TabText, RowsAndFieldsOfCopiedAndForeignText) {
  const AnsiString copied = JoinTabText({{"a", "b", "c"}, {"d", "e", "f"}});
  EXPECT_EQ(copied, "a\tb\tc\t\r\nd\te\tf\t");
  EXPECT_EQ(TabTextRows(copied), (TTabRows{{"a", "b", "c"}, {"d", "e", "f"}}));
  EXPECT_EQ(TabTextSize(copied), TPoint(3, 2));
  EXPECT_EQ(TabTextSize("1\r\n2"), TPoint(1, 2));  // the last line needs no CR
  EXPECT_EQ(TabTextSize("1\r\n2\r\n"), TPoint(1, 2));
  EXPECT_EQ(TabTextSize("a\t\tb\rc"), TPoint(3, 2));
  EXPECT_EQ(TabTextSize(""), TPoint(0, 0));
  EXPECT_EQ(TabTextRows("\r\nx"), (TTabRows{{""}, {"x"}}));
}

TEST(TextColumns, LinesWidthsAndAlignment) {
  EXPECT_EQ(TextLinesOf("ab\r\ncde\rf", true), (Lines{"ab", "cde", "f"}));
  EXPECT_EQ(TextLinesOf("ab\r\ncde", false), (Lines{"ab"}));
  EXPECT_EQ(LongestLine("ab\r\ncde", true), 3);
  EXPECT_EQ(LongestLine("ab\r\ncde", false), 2);
  EXPECT_EQ(FitToWidth("abc", 5), "abc  ");
  EXPECT_EQ(FitToWidth("abcdef", 4), "abcd");
  EXPECT_EQ(FitToWidth("abc", -2), "");
  EXPECT_EQ(AlignInWidth("ab", 4, taRightJustify), "  ab");
  EXPECT_EQ(AlignInWidth("ab", 5, taCenter), "  ab  ");
  EXPECT_EQ(AlignInWidth("ab", 4, taLeftJustify), "ab");
  EXPECT_EQ(AlignInWidth("abcdef", 4, taRightJustify), "abcdef");
}

TEST(MarkupText, EscapesAndLinks) {
  EXPECT_EQ(XMLEscape("a&b<c>\"d\" \x80\x9F\xE4"),
            "a&amp;b&lt;c&gt;&quot;d&quot; &#8364;&#376;\xE4");
  EXPECT_EQ(MakeHRef("http://x.de/a b", false), "<a href=\"http://x.de/a b\">x.de/a b</a>");
  EXPECT_EQ(MakeHRef("http://x.de", true), "<a href=\"http://x.de\">http://x.de</a>");
  EXPECT_EQ(MakeHRef("mailto:me@x.de", false), "<a href=\"mailto:me@x.de\">me@x.de</a>");
  EXPECT_EQ(MakeHRef("<b>http://x</b>", false), "<b>http://x</b>");
  EXPECT_EQ(MakeHRef("plain", false), "plain");
}

TEST(StreamRecord, PropertiesReadBackInTheirOrderAndNothingElse) {
  TMemoryStream stream;
  TStreamRecordWriter out(stream, "TThing");
  out.Int("Count", -70000);
  out.Text("Name", AnsiString("a\0b", 3));
  out.Bool("On", true);
  out.End();
  using namespace std::string_literals;
  EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()),
            "TPF0\x06TThing"s +
                "\x05"
                "Count\x01\x90\xEE\xFE\xFF"s +
                "\x04Name\x02\x03\0\0\0a\0b"s + "\x02On\x04"s + "\0"s);
  stream.SetPosition(0);
  TStreamRecordReader in(stream, "TThing");
  EXPECT_EQ(in.Int("Count"), -70000);
  EXPECT_EQ(in.Text("Name"), AnsiString("a\0b", 3));
  EXPECT_TRUE(in.Bool("On"));
  in.End();
  stream.SetPosition(0);
  EXPECT_THROW(TStreamRecordReader(stream, "TOther"), EStreamError);
  stream.SetPosition(0);
  TStreamRecordReader wrongOrder(stream, "TThing");
  EXPECT_THROW(wrongOrder.Text("Count"), EStreamError);
}

// The bytes of a cell record read in place and through the stream reader.
void ExpectCellRecordReadAlike(const std::string& bytes) {
  TGridCellRecord record;
  const std::size_t length = TGridCellIO::Parse(bytes, record);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  TGridCellIO read(nullptr);
  try {
    read.Read(stream);
  } catch (const EStreamError&) {
    EXPECT_EQ(length, 0u) << testing::PrintToString(bytes);
    return;
  }
  ASSERT_EQ(static_cast<int64_t>(length), stream.GetPosition()) << testing::PrintToString(bytes);
  EXPECT_EQ(record.Col, read.Col);
  EXPECT_EQ(record.Row, read.Row);
  EXPECT_EQ(record.Cell, read.Cell);
  EXPECT_EQ(record.HasProp, read.HasProp);
}

// A cell record written in one piece is the one the record writer makes; read in place it is
// taken or refused as the stream reader takes or refuses it, wherever it is cut or wrong.
TEST(StreamRecord, CellRecordsReadInPlaceAsTheStreamReaderReadsThem) {
  const AnsiString text("t\0x", 3);
  TMemoryStream written;
  TStreamRecordWriter out(written, "TGridCellIO");
  out.Int("Col", 70000);
  out.Int("Row", -3);
  out.Text("Cell", text);
  out.Bool("HasProp", true);
  out.End();
  AnsiString record = "before";
  TGridCellIO::Append(record, 70000, -3, text, true);
  ASSERT_EQ(record.substr(6), std::string(written.Bytes().begin(), written.Bytes().end()));
  record.erase(0, 6);

  for (std::size_t size = 0; size <= record.size(); ++size)
    ExpectCellRecordReadAlike(record.substr(0, size));
  for (std::size_t at = 0; at < record.size(); ++at)
    for (char value : {'\0', '\1', '\2', '\3', '\4', '\x7F', '\xFF'}) {
      AnsiString changed = record + "next";
      changed[at] = value;
      ExpectCellRecordReadAlike(changed);
    }
}

// Every published setting of a cell's properties away from its default.
void SetEverySetting(TGridCellPropIO& io) {
  TCellProperties& p = io.CellProperties();
  p.BrushStyle = bsCross;
  p.SetBrushColor(clRed);
  p.FontSize = 11;
  p.FontColor = clBlue;
  p.FontStyle = TFontStyles{fsBold, fsUnderline};
  p.CellSpanX = 2;
  p.CellSpanY = 1;
  p.BorderWidth = 3;
  p.BorderColor = clGreen;
  p.Alignment = taCenter;
  p.SetVAlignment(vtaBottom);
  p.SetWordWrap(true);
  p.IsBaseCell = false;
  p.NodeLevel = 4;
  p.Editor = edRichEdit;
  p.FontName = "Arial";
  p.ReadOnly = true;
  io.HasGraphic = true;
}

TEST(StreamRecord, CellPropertiesKeepEveryPublishedSetting) {
  TGridCellPropIO written(nullptr);
  SetEverySetting(written);
  TMemoryStream stream;
  written.Write(stream);
  stream.SetPosition(0);
  TGridCellPropIO read(nullptr);
  read.Read(stream);
  const TCellProperties& q = read.CellProperties();
  EXPECT_EQ(q.BrushStyle, bsCross);
  EXPECT_EQ(q.GetBrushColor(), clRed);
  EXPECT_EQ(q.FontSize, 11);
  EXPECT_EQ(q.FontColor, clBlue);
  EXPECT_EQ(q.FontStyle, (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(q.CellSpanX, 2);
  EXPECT_EQ(q.CellSpanY, 1);
  EXPECT_EQ(q.BorderWidth, 3);
  EXPECT_EQ(q.BorderColor, clGreen);
  EXPECT_EQ(q.Alignment, taCenter);
  EXPECT_EQ(q.GetVAlignment(), vtaBottom);
  EXPECT_TRUE(q.GetWordWrap());
  EXPECT_FALSE(q.IsBaseCell);
  EXPECT_EQ(q.NodeLevel, 4);
  EXPECT_EQ(q.Editor, edRichEdit);
  EXPECT_EQ(q.FontName, "Arial");
  EXPECT_TRUE(q.ReadOnly);
  EXPECT_TRUE(read.HasGraphic);
}

// Each record with every value away from its default: reading it back and writing again gives
// the same bytes, which a value that Write writes and Read passes over (or the other way
// round) would change.
template <typename IO, typename Fill>
std::vector<uint8_t> RewrittenRecord(Fill fill, std::vector<uint8_t>& Written) {
  IO written(nullptr);
  fill(written);
  TMemoryStream first;
  written.Write(first);
  Written = first.Bytes();
  first.SetPosition(0);
  IO read(nullptr);
  read.Read(first);
  EXPECT_EQ(first.GetPosition(), first.GetSize());
  TMemoryStream again;
  read.Write(again);
  return again.Bytes();
}

TEST(StreamRecord, EveryRecordReadsBackToTheBytesItWasWrittenFrom) {
  std::vector<uint8_t> written;
  EXPECT_EQ(RewrittenRecord<TGridPropIO>(
                [](TGridPropIO& p) {
                  p.ColCount = 7;
                  p.RowCount = 9;
                  p.ColWidths = "10,20";
                  p.RowHeights = "30";
                  p.FullGrid = true;
                },
                written),
            written);
  EXPECT_EQ(RewrittenRecord<TGridCellPropIO>(SetEverySetting, written), written);
  EXPECT_EQ(RewrittenRecord<TGridGraphicIO>(
                [](TGridGraphicIO& io) {
                  TCellGraphic& g = io.CellGraphic;
                  g.CellType = ctProgress;
                  g.CellVAlign = vaUnderText;
                  g.CellHAlign = haAfterText;
                  g.CellIndex = -12;
                  g.CellTransparent = true;
                  g.CellCreated = true;
                  g.CellBoolean = true;
                  g.CellAngle = 270;
                  g.CellValue = 2.5;
                  g.CellErrFrom = 6;
                  g.CellErrLen = -2;
                  g.CellText = "Go";
                  g.CellColor = clLime;
                  g.CellColor2 = clFuchsia;
                },
                written),
            written);
}

}  // namespace
