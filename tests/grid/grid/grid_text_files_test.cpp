// The grid's text formats: its own text file and stream, CSV, fixed width, column-aligned
// text, HTML and XML, byte for byte on small grids, read back, and their refusals.
#include <gtest/gtest.h>

#include "../temp_folder.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/core/GridUtil.h"
#include "ext_grid_error.h"
#include "grid_text.h"
#include "platform/core/strings.h"

namespace {

class GridTextFiles : public testing::Test {
 protected:
  TempFolder folder;
  std::string file = folder / "grid.txt";
};

TEST_F(GridTextFiles, GridFileWritesCellsOnOneLineEachAndReadsThemBack) {
  PlainGrid grid({{"a", ""}, {"", "x\r\ny"}});
  grid.SetColWidths(0, 50);
  grid.SetColWidths(1, 60);
  grid.SaveToFile(file);
  EXPECT_EQ(ReadBytes(file), "2,2\r\ncw 0,50\r\ncw 1,60\r\n0,0,a\r\n1,1,x\t\by\r\n");

  PlainGrid multi;
  multi.Multilinecells = true;
  multi.SetCells(1, 0, "kept");
  multi.LoadFromFile(file);
  EXPECT_EQ(multi.GetColCount(), 2);
  EXPECT_EQ(multi.ColWidths(1), 60);
  EXPECT_EQ(RowText(multi, 0), "a|kept");  // an empty cell has no line: the old text stays
  EXPECT_EQ(multi.Cells(1, 1), "x\r\ny");
  PlainGrid single;
  single.LoadFromFile(file);
  EXPECT_EQ(single.Cells(1, 1), "x");

  // A real Tab in a cell of several lines comes back as a line's CR.
  PlainGrid tab({{"a\tb\r\nc"}});
  tab.SaveToFile(file);
  multi.LoadFromFile(file);
  EXPECT_EQ(multi.Cells(0, 0), "a\rb\r\nc");
}

TEST_F(GridTextFiles, GridFileSkipsLinesThatPlaceNothingInTheGrid) {
  WriteBytes(file,
             "2,2\r\ncw 5,99\r\ncw 1,70\r\ncw -1,5\r\n0,0,a\r\n5,0,far\r\n-1,0,neg\r\n"
             "nocomma\r\n0,1\r\n1,1,b,c\r\n\x1A");
  PlainGrid grid;
  grid.LoadFromFile(file);
  EXPECT_EQ(grid.GetColCount(), 2);
  EXPECT_EQ(grid.ColWidths(1), 70);
  EXPECT_EQ(RowText(grid, 0), "a|");
  EXPECT_EQ(RowText(grid, 1), "|b,c");
}

TEST_F(GridTextFiles, HiddenColumnsAreWrittenOnlyWhenSaved) {
  PlainGrid grid({{"a", "b", "c"}});
  grid.HideColumn(1);
  grid.SaveToFile(file);
  EXPECT_EQ(ReadBytes(file).substr(0, 5), "2,1\r\n");
  EXPECT_NE(ReadBytes(file).find("\r\n0,0,a\r\n1,0,c\r\n"), std::string::npos);
  PlainGrid read;
  read.LoadFromFile(file);
  EXPECT_EQ(RowText(read, 0), "a|c");
  grid.SaveToCSV(file);
  EXPECT_EQ(ReadBytes(file), "a,c\r\n");

  grid.SaveHiddenCells = true;
  grid.SaveToFile(file);
  read.LoadFromFile(file);
  EXPECT_EQ(RowText(read, 0), "a|b|c");
  grid.SaveToCSV(file);
  EXPECT_EQ(ReadBytes(file), "a,b,c\r\n");
}

TEST_F(GridTextFiles, GridFileFailuresNameTheFile) {
  PlainGrid grid;
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromFile(folder / "none.txt"); }),
            "Cannot open file " + folder / "none.txt");
  WriteBytes(file, "0,5\r\n");
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromFile(file); }),
            "File contains no data or corrupt file " + file);
  WriteBytes(file, "99999999,99999999\r\n");
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromFile(file); }),
            "File contains no data or corrupt file " + file);
  EXPECT_EQ(ErrorOf([&] { grid.SaveToFile(folder / "no/such.txt"); }),
            "Cannot Create " + folder / "no/such.txt");
}

TEST_F(GridTextFiles, StreamHoldsTheSaveRangeRelativeToItsStart) {
  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"h", "H"}, {"r", "v"}});
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.SaveFixedCells = false;
  for (int c = 0; c < 2; ++c) grid.SetColWidths(c, 30 + c);
  TMemoryStream stream;
  stream.WriteBuffer("xy", 2);  // the records start at the stream's position
  grid.SaveToStream(&stream);
  EXPECT_EQ(std::string(stream.Bytes().begin() + 2, stream.Bytes().end()),
            "1,1\r\ncw 0,30\r\ncw 1,31\r\n0,0,v\r\n");
  TExtStringGrid read(nullptr);
  read.SaveFixedCells = false;
  stream.SetPosition(2);
  read.LoadFromStream(&stream);
  EXPECT_EQ(read.GetColCount(), 2);
  EXPECT_EQ(read.Cells(1, 1), "v");

  TMemoryStream bad;
  bad.WriteBuffer("1,x\r\n", 5);
  bad.SetPosition(0);
  EXPECT_THROW(read.LoadFromStream(&bad), EConvertError);
}

TEST_F(GridTextFiles, CsvQuotesWhatItMustAndReadsItBack) {
  PlainGrid grid({{"a", "", "x,y"}, {"say \"hi\", ok", "\"q", "z"}});
  grid.SaveToCSV(file);
  EXPECT_EQ(ReadBytes(file), "a,\"\",\"x,y\"\r\n\"say \"\"hi\"\", ok\",\"\"\"q\",z\r\n");
  PlainGrid read;
  read.LoadFromCSV(file);
  EXPECT_EQ(read.GetRowCount(), 2);
  EXPECT_EQ(RowText(read, 0), "a||x,y");
  EXPECT_EQ(RowText(read, 1), "say \"hi\", ok|\"q|z");
  EXPECT_EQ(read.Delimiter, '\0');  // detection lasts for one read
}

TEST_F(GridTextFiles, CsvMultiLineCellsJavaStyleAndAppending) {
  PlainGrid grid({{"a\r\nb", "", "x,y"}});
  grid.Multilinecells = true;
  grid.SaveToCSV(file);
  EXPECT_EQ(ReadBytes(file), "\"a\nb\",\"\",\"x,y\"\r\n");
  grid.JavaCSV = true;
  grid.AppendToCSV(file);
  EXPECT_EQ(ReadBytes(file), "\"a\nb\",\"\",\"x,y\"\r\na~b,^,x,y\r\n");
  PlainGrid read;
  read.JavaCSV = true;
  read.LoadFromCSV(file);
  EXPECT_EQ(RowText(read, 1), "a\r\nb|^|x|y");
}

TEST_F(GridTextFiles, CsvDelimiterIsDetectedAndOemTextConverted) {
  WriteBytes(file, "a;b;c\r\nd;e;f\r\n");
  PlainGrid grid;
  grid.LoadFromCSV(file);
  EXPECT_EQ(RowText(grid, 1), "d|e|f");
  WriteBytes(file, "one line\r\nno candidates\r\n");
  grid.LoadFromCSV(file);
  EXPECT_EQ(ColumnText(grid, 0), "one line|no candidates");

  PlainGrid oem({{"\xE4"}});
  oem.OemConvert = true;
  oem.SaveToCSV(file);
  EXPECT_EQ(ReadBytes(file), "\x84\r\n");
  PlainGrid back;
  back.OemConvert = true;
  back.LoadFromCSV(file);
  EXPECT_EQ(back.Cells(0, 0), "\xE4");
}

TEST_F(GridTextFiles, CsvInsertKeepsTheFloatingFooterRowLast) {
  PlainGrid grid({{"a"}, {"sum"}});
  grid.FloatingFooter.SetVisible(true);
  WriteBytes(file, "b\r\nc\r\n");
  std::vector<int> progress;
  grid.OnFileProgress = [&](TObject*, int16_t p) { progress.push_back(p); };
  grid.InsertFromCSV(file);
  EXPECT_EQ(ColumnText(grid, 0), "a|b|c|sum");
  EXPECT_EQ(progress, (std::vector<int>{50, 100}));
}

TEST_F(GridTextFiles, CsvFailuresNameTheFile) {
  PlainGrid grid;
  EXPECT_EQ(ErrorOf([&] { grid.LoadFromCSV(folder / "none.csv"); }),
            "Cannot open file " + folder / "none.csv");
  EXPECT_EQ(ErrorOf([&] { grid.SaveToCSV(folder / "no/x.csv"); }),
            "Cannot Create file " + folder / "no/x.csv");
}

TEST_F(GridTextFiles, FixedWidthColumnsFollowTheCallerThenTheContents) {
  PlainGrid grid({{"abcdefg", "x", "toolong"}, {"a\r\nb", "yy", ""}});
  grid.Multilinecells = true;
  TIntList widths;
  widths.Add(3);
  grid.SaveToFixed(file, widths);
  ASSERT_EQ(widths.Count(), 3);
  EXPECT_EQ(widths.Items(1), 3);
  EXPECT_EQ(widths.Items(2), 8);
  EXPECT_EQ(ReadBytes(file), "abcx  toolong \r\na  yy         \r\n");

  WriteBytes(file, "  ab  cd   \r\nefghijklmnop\r\n");
  PlainGrid read;
  TIntList positions;
  for (int p : {1, 6, 11}) positions.Add(p);
  read.LoadFromFixed(file, positions);
  EXPECT_EQ(read.GetColCount(), 2);
  EXPECT_EQ(RowText(read, 0), "ab|cd");
  EXPECT_EQ(RowText(read, 1), "efghi|jklmn");

  TIntList unordered;
  for (int p : {1, 6, 3}) unordered.Add(p);
  EXPECT_NE(ErrorOf([&] { read.LoadFromFixed(file, unordered); }), "no error");
  TIntList one;
  one.Add(1);
  EXPECT_NE(ErrorOf([&] { read.LoadFromFixed(file, one); }), "no error");
  EXPECT_EQ(ErrorOf([&] { read.LoadFromFixed(folder / "none.txt", positions); }),
            "File " + folder / "none.txt" + " not found");
}

TEST_F(GridTextFiles, AsciiAlignsColumnsAndPutsFurtherLinesBelow) {
  PlainGrid grid({{"abcd", "x"}, {"ab", "1\r\n22"}});
  grid.Multilinecells = true;
  grid.SetAlignments(0, 0, taRightJustify);
  grid.SetAlignments(0, 1, taRightJustify);
  grid.SetAlignments(1, 1, taCenter);
  grid.SaveToASCII(file);
  // The centred " 1 " is wider than its column: no blank follows it.
  EXPECT_EQ(ReadBytes(file), "abcd x  \r\n  ab  1 \r\n     22\r\n");
}

TEST_F(GridTextFiles, HtmlOfAnEmptyCellAndOfALookedUpTable) {
  PlainGrid plain({{""}});
  plain.HTMLSettings.SaveColor = false;
  plain.HTMLSettings.SaveFonts = false;
  plain.SaveToHTML(file);
  EXPECT_NE(ReadBytes(file).find("\r\n<tr>\r\n<td nowrap><br></td>\r\n</tr>\r\n"),
            std::string::npos);
  plain.HTMLSettings.ColumnWidths = {40};
  plain.HTMLSettings.XHTML = true;
  plain.SaveToHTML(file);
  // XHTML is XML: its attributes have values in quotes.
  EXPECT_NE(ReadBytes(file).find("\r\n<td nowrap=\"nowrap\" width=\"40\"><br/></td>\r\n"),
            std::string::npos);

  TExtStringGrid grid(nullptr);
  SetRowTexts(grid, {{"Name", "Link"}, {"a b", "http://x.de/a b"}, {"m", ""}});
  grid.SetFixedRows(1);
  grid.SetFixedCols(0);
  grid.SetFixedColor(clBtnFace);
  grid.URLShow = true;
  grid.WordWrap = true;
  grid.SetColors(0, 1, clRed);
  grid.SetFontColors(0, 1, clBlue);
  grid.SetFontStyles(0, 1, TFontStyles{fsBold, fsItalic});
  grid.SetAlignments(1, 1, taRightJustify);
  grid.MergeCells(0, 2, 2, 1);
  grid.HTMLSettings.TableStyle = "class=\"t\"";
  grid.SaveToHTML(file);
  const std::string face = "#" + HTMLColor(ColorToRGB(clBtnFace));
  EXPECT_EQ(
      ReadBytes(file),
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" class=\"t\" width=\"100%\">\r\n"
      "<tr>\r\n<td bgcolor=\"" +
          face +
          "\"><b>Name</b></td>\r\n"
          "<td bgcolor=\"" +
          face +
          "\"><b>Link</b></td>\r\n</tr>\r\n"
          "<tr>\r\n<td bgcolor=\"#FF0000\"><font color=\"#0000FF\"><b><i>a "
          "b</i></b></font></td>\r\n"
          "<td align=\"right\"><a href=\"http://x.de/a b\">x.de/a b</a></td>\r\n</tr>\r\n"
          "<tr>\r\n<td colspan=\"2\">m</td>\r\n</tr>\r\n</table>\r\n");
}

TEST_F(GridTextFiles, XhtmlIsUtf8AndKeepsTheUsersFiles) {
  PlainGrid grid({{"\xE4"}});
  grid.WordWrap = true;
  grid.HTMLSettings.XHTML = true;
  grid.HTMLSettings.HeaderFile = folder / "head.html";
  grid.HTMLSettings.FooterFile = folder / "missing.html";
  WriteBytes(folder / "head.html", "<!-- head -->\r\n");
  grid.SaveToHTML(file);
  const std::string html = ReadBytes(file);
  EXPECT_EQ(html.rfind("<!-- head -->\r\n<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", 0), 0u);
  EXPECT_NE(html.find("<td>\xC3\xA4</td>"), std::string::npos);
  EXPECT_EQ(html.substr(html.size() - 19), "</table>\r\n</html>\r\n");
}

TEST_F(GridTextFiles, XmlEscapesTextsAndNamesFieldsByColumn) {
  PlainGrid grid({{"a&b", "<x>", "\x80 1"}});
  TStringList names;
  names.Add("Name");
  grid.SaveToXML(file, "List", "Rec", &names);
  EXPECT_EQ(ReadBytes(file),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<List>\r\n<Rec>\r\n"
            "<Name>a&amp;b</Name>\r\n<FIELD1>&lt;x&gt;</FIELD1>\r\n<FIELD2>&#8364; 1</FIELD2>\r\n"
            "</Rec>\r\n</List>\r\n");
}

}  // namespace
