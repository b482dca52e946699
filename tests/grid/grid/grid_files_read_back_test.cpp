// The grid's text files and exports as other programs and the grid itself read them back:
// hidden columns keep their widths, a damaged header changes nothing, a line break never
// splits a CSV row, and HTML and XHTML show plain text as typed.
#include <gtest/gtest.h>

#include "../python_peer.h"
#include "../temp_folder.h"
#include "components/grid/grid/ExtGrid.h"
#include "ext_grid_error.h"
#include "grid_text.h"

namespace {

class GridFilesReadBack : public testing::Test {
 protected:
  TempFolder folder;
  std::string file = folder / "grid.out";
};

TEST_F(GridFilesReadBack, HiddenColumnsSavedKeepTheirOwnWidths) {
  PlainGrid grid({{"a", "b", "c"}});
  for (int c = 0; c < 3; ++c) grid.SetColWidths(c, 50 + 10 * c);
  grid.HideColumn(1);
  grid.SaveHiddenCells = true;
  grid.SaveToFile(file);
  PlainGrid read;
  read.LoadFromFile(file);
  EXPECT_EQ(RowText(read, 0), "a|b|c");
  for (int c = 0; c < 3; ++c) EXPECT_EQ(read.ColWidths(c), 50 + 10 * c) << "column " << c;
}

TEST_F(GridFilesReadBack, ADamagedGridFileHeaderLeavesTheGridAsItWas) {
  for (const char* header : {"0,0", "garbage", "0,5", "5,0", "-1,3", "99999999,1"}) {
    SCOPED_TRACE(header);
    PlainGrid grid({{"a", "b"}, {"c", "d"}});
    grid.SetColWidths(1, 77);
    WriteBytes(file, std::string(header) + "\r\ncw 1,5\r\n0,0,x\r\n");
    EXPECT_EQ(ErrorOf([&] { grid.LoadFromFile(file); }),
              "File contains no data or corrupt file " + file);
    EXPECT_EQ(grid.GetColCount(), 2);
    EXPECT_EQ(grid.GetRowCount(), 2);
    EXPECT_EQ(RowText(grid, 0) + "/" + RowText(grid, 1), "a|b/c|d");
    EXPECT_EQ(grid.ColWidths(1), 77);
  }
}

// Python's csv module reads each row whole, and so does the grid, in every line-break mode.
TEST_F(GridFilesReadBack, ACellWithALineBreakNeverSplitsItsCsvRow) {
  REQUIRE_PYTHON_MODULE("csv", "python3");
  const std::string rows = R"([["a\nb", "x"], ["cr\nonly", "lf\nonly"], ["y", "z"]])";
  const std::string javaRows = R"([["a~b", "x"], ["cr~only", "lfonly"], ["y", "z"]])";
  const char* read = "import csv, json, sys\n"
                     "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='')))))";
  for (bool multi : {false, true})
    for (bool java : {false, true}) {
      SCOPED_TRACE(testing::Message() << "Multilinecells " << multi << ", JavaCSV " << java);
      PlainGrid grid({{"a\r\nb", "x"}, {"cr\ronly", "lf\nonly"}, {"y", "z"}});
      grid.Multilinecells = multi;
      grid.JavaCSV = java;
      grid.SaveToCSV(file);
      EXPECT_EQ(RunPython(read, {file}).out, (java ? javaRows : rows) + "\n");
      PlainGrid back;
      back.JavaCSV = java;
      back.LoadFromCSV(file);
      EXPECT_EQ(back.GetRowCount(), 3);
      EXPECT_EQ(back.Cells(0, 0), "a\r\nb");
      EXPECT_EQ(RowText(back, 2), "y|z");
    }
}

// Each cell's text as a reader sees it, a line break shown as "|".
const char* kHtmlCells =
    "import json, sys\n"
    "from html.parser import HTMLParser\n"
    "class Cells(HTMLParser):\n"
    "  cells, open = [], False\n"
    "  def handle_starttag(self, tag, attrs):\n"
    "    if tag == 'td': self.cells.append(''); self.open = True\n"
    "    elif tag == 'br' and self.open: self.cells[-1] += '|'\n"
    "  def handle_endtag(self, tag):\n"
    "    if tag == 'td': self.open = False\n"
    "  def handle_data(self, data):\n"
    "    if self.open: self.cells[-1] += data\n"
    "parser = Cells()\n"
    "parser.feed(open(sys.argv[1], encoding='cp1252').read())\n"
    "print(json.dumps(parser.cells))";

const char* kXhtmlCells =
    "import json, sys, xml.etree.ElementTree as ET\n"
    "ns = '{http://www.w3.org/1999/xhtml}'\n"
    "def text(e):\n"
    "  s = e.text or ''\n"
    "  for c in e: s += ('|' if c.tag == ns + 'br' else text(c)) + (c.tail or '')\n"
    "  return s\n"
    "root = ET.parse(sys.argv[1]).getroot()\n"
    "print(json.dumps([text(td) for td in root.iter(ns + 'td')]))";

TEST_F(GridFilesReadBack, HtmlAndXhtmlShowPlainTextAsTyped) {
  REQUIRE_PYTHON_MODULE("html.parser", "python3");
  const std::string cells =
      R"(["<tag> & x", "a|\nb", "bold", "say \"hi\"", "h/?a=1&b=2", "|"])";
  for (bool xhtml : {false, true}) {
    SCOPED_TRACE(xhtml ? "XHTML" : "HTML");
    PlainGrid grid({{"<tag> & x", "a\r\nb", "<B>bold</B>"},
                    {"say \"hi\"", "http://h/?a=1&b=2", ""}});
    grid.HTMLSettings.XHTML = xhtml;
    grid.HTMLSettings.ColumnWidths = {40, 50, 60};
    grid.WordWrap = false;
    grid.URLShow = true;
    grid.SaveToHTML(file);
    const PythonRun run = RunPython(xhtml ? kXhtmlCells : kHtmlCells, {file});
    EXPECT_EQ(run.status, 0) << "not well-formed";
    EXPECT_EQ(run.out, cells + "\n");
  }
}

}  // namespace
