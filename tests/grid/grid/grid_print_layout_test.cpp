// The print layout on a fixed page: a recording canvas of 1000 x 1000 pixels at 254 dots per
// inch, so a pixel is 0.1 mm, with characters 8 wide and lines 16 high. A one-line row then
// prints 16 + 2 + 2 x 2 = 22 high and a column is its text plus 20.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "components/grid/grid/ExtGrid.h"
#include "platform/core/datetime.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"

namespace {

class GridPrintLayout : public testing::Test {
 protected:
  void SetUp() override {
    grid.SetColCount(2);
    grid.SetRowCount(100);
    for (int r = 0; r < 100; ++r)
      for (int c = 0; c < 2; ++c) grid.SetCells(c, r, "r" + IntToStr(r) + "c" + IntToStr(c));
  }
  // Previews one page and answers the page count.
  int Preview(int Page) {
    grid.SetPreviewPage(Page);
    canvas.Calls.clear();
    grid.PrintPreview(&canvas, {0, 0, 1000, 1000});
    return grid.GetPreviewPageCount();
  }
  int Pages() { return Preview(1); }
  std::vector<AnsiString> Texts() const {
    std::vector<AnsiString> texts;
    for (const TRecordedCall& call : canvas.CallsOf(coTextOut)) texts.push_back(call.Text);
    return texts;
  }
  bool Shows(const AnsiString& Text) const {
    const std::vector<AnsiString> texts = Texts();
    return std::find(texts.begin(), texts.end(), Text) != texts.end();
  }
  const TRecordedCall* TextCall(const AnsiString& Text) const {
    for (const TRecordedCall& call : canvas.Calls)
      if (call.Op == coTextOut && call.Text == Text) return &call;
    return nullptr;
  }
  void WideColumns(int Chars) {
    for (int r = 0; r < grid.GetRowCount(); ++r)
      for (int c = 0; c < grid.GetColCount(); ++c) grid.SetCells(c, r, AnsiString(Chars, 'x'));
  }

  TRecordingCanvas canvas{8, 16, 1000, 1000, 254};
  TExtStringGrid grid{nullptr};
  TPrintSettings& ps = grid.PrintSettings;
};

TEST_F(GridPrintLayout, PageNumbersWithSeparatorAndOffset) {
  ps.PageNr = ppBottomRight;
  ps.PageNumberOffset = 10;
  ASSERT_EQ(Pages(), 3);  // 43 rows a page above a footer of two lines
  for (int page = 1; page <= 3; ++page) {
    Preview(page);
    const AnsiString number = "  " + IntToStr(10 + page) + "/3 ";
    const TRecordedCall* call = TextCall(number);
    ASSERT_NE(call, nullptr) << page;
    EXPECT_EQ(call->Points[0].x, 1000 - 8 * static_cast<int>(number.size()) - 20);
    EXPECT_EQ(call->Points[0].y, -1000 + 16 + 2);
  }
  ps.PageNumSep = "";
  Preview(2);
  EXPECT_TRUE(Shows("  12 "));
  ps.PageNumSep = "/";
  ps.MaxPagesOffset = 2;
  Preview(2);
  EXPECT_TRUE(Shows("  12/5 "));
}

TEST_F(GridPrintLayout, TwoStripsOfTwoPagesInTheirOrder) {
  grid.SetRowCount(60);
  WideColumns(70);  // 580 wide: one column a strip
  grid.SetCells(0, 50, "left");
  grid.SetCells(1, 50, "right");
  ps.PageNr = ppTopRight;
  ASSERT_EQ(Pages(), 4);
  const char* numbers[] = {"1-1", "2-1", "1-2", "2-2"};
  for (int page = 1; page <= 4; ++page) {
    Preview(page);
    EXPECT_TRUE(Shows("  " + AnsiString(numbers[page - 1]) + " ")) << page;
  }
  Preview(2);
  EXPECT_TRUE(Shows("left"));
  EXPECT_FALSE(Shows("right"));
  Preview(4);
  EXPECT_TRUE(Shows("right"));
  EXPECT_FALSE(Shows("left"));
}

TEST_F(GridPrintLayout, ACentredTableStartsHalfTheRestIn) {
  grid.SetRowCount(3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) grid.SetCells(c, r, "abc");
  ps.Centered = true;
  ps.LeftSize = 100;
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 24);
  EXPECT_EQ(grid.GetPrintColOffset(0), (1000 - 2 * 44) / 2);
  EXPECT_EQ(grid.GetPrintColOffset(1), (1000 - 2 * 44) / 2 + 44);
  ps.Centered = false;
  Pages();
  EXPECT_EQ(grid.GetPrintColOffset(0), 100);
}

TEST_F(GridPrintLayout, FitModes) {
  grid.SetRowCount(3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) grid.SetCells(c, r, "abc");
  ps.FitToPage = fpShrink;  // narrower than the page: stays
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 24);
  ps.FitToPage = fpGrow;  // grows to (1000 - 40) / 48 = 20 times
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 480);

  WideColumns(100);  // 800 + 20 each
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 800);  // wider than the page: fpGrow keeps it
  ps.FitToPage = fpAlways;
  ps.LeftSize = 60;
  ps.RightSize = 60;
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 420);  // (1000 - 120 - 40) / 1600 = 0.525
  ps.FitToPage = fpCustom;
  double offered = 0;
  grid.OnFitToPage = [&](TObject*, double& Scale, bool& Allow) {
    offered = Scale;
    Allow = false;
  };
  Pages();
  EXPECT_DOUBLE_EQ(offered, 0.525);
  EXPECT_EQ(grid.GetPrintColWidth(0), 800);
}

TEST_F(GridPrintLayout, MarginsWiderThanThePageDoNotScale) {
  ps.FitToPage = fpAlways;
  ps.LeftSize = 800;
  ps.RightSize = 800;
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 8 * 5);
}

TEST_F(GridPrintLayout, StripsKeepWithinTheMarginsFromTheirStart) {
  grid.SetColCount(5);
  WideColumns(22);  // 176 + 20 = 196 each
  ps.LeftSize = 300;
  ps.RightSize = 100;
  ps.PageNr = ppTopLeft;
  EXPECT_EQ(Pages(), 3 * 2);  // columns 0-2 and 3-4
  for (int c = 0; c < 3; ++c)
    EXPECT_LE(grid.GetPrintColOffset(c) + grid.GetPrintColWidth(c) + 20, 900) << c;
}

TEST_F(GridPrintLayout, FixedRowsRepeatOnLaterPages) {
  grid.SetCells(1, 0, "Head");
  Preview(2);
  EXPECT_FALSE(Shows("Head"));
  ps.RepeatFixedRows = true;
  Preview(2);
  EXPECT_TRUE(Shows("Head"));
  const TRecordedCall* head = TextCall("Head");
  const TRecordedCall* row = TextCall("r44c1");  // the first row of page 2
  ASSERT_TRUE(head && row);
  EXPECT_GT(head->Points[0].y, row->Points[0].y);
  Preview(1);
  const std::vector<AnsiString> first = Texts();
  EXPECT_EQ(std::count(first.begin(), first.end(), AnsiString("Head")), 1);
}

TEST_F(GridPrintLayout, FixedColumnsRepeatInLaterStrips) {
  grid.SetColCount(3);
  WideColumns(60);  // 500 each: one column a strip
  grid.SetCells(0, 95, "key");
  grid.SetCells(2, 95, "value");
  ps.RepeatFixedCols = true;
  ps.Borders = pbVertical;
  ps.LeftSize = 50;
  ASSERT_EQ(Pages(), 3 * 3);  // two columns a strip when the fixed one repeats
  Preview(9);                 // the last strip: the fixed column, then column 2
  const TRecordedCall* key = TextCall("key");
  const TRecordedCall* value = TextCall("value");
  ASSERT_TRUE(key && value);
  EXPECT_LT(key->Points[0].x, value->Points[0].x);
  EXPECT_EQ(grid.GetPrintColOffset(0), 50);
  EXPECT_EQ(grid.GetPrintColOffset(2), 50 + 500);
}

TEST_F(GridPrintLayout, ANewPageAfterEveryRow) {
  grid.SetRowCount(5);
  std::vector<int> asked;
  grid.OnPrintNewPage = [&](TObject*, int ARow, bool& NewPage) {
    asked.push_back(ARow);
    NewPage = true;
  };
  EXPECT_EQ(Pages(), 5);
  Preview(3);
  EXPECT_TRUE(Shows("r2c0"));
  EXPECT_FALSE(Shows("r1c0"));
  EXPECT_FALSE(Shows("r3c0"));
}

TEST_F(GridPrintLayout, APreviewDrawsItsPageAndCountsThemAll) {
  std::vector<int> pages;
  grid.OnPrintPage = [&](TObject*, TCanvas*, int PageNr, int W, int H) {
    pages.push_back(PageNr);
    EXPECT_EQ(W, 1000);
    EXPECT_EQ(H, 1000);
  };
  std::vector<int> done;
  grid.OnPrintPageDone = [&](TObject*, TCanvas*, int LastRow, int, int LastPage, int, int) {
    done.push_back(LastPage);
    EXPECT_EQ(LastRow, 88);
  };
  EXPECT_EQ(Preview(2), 3);
  EXPECT_EQ(pages, std::vector<int>{2});  // the page's own number
  EXPECT_EQ(done, std::vector<int>{2});
  EXPECT_TRUE(Shows("r44c0"));
  EXPECT_FALSE(Shows("r43c0"));
  EXPECT_FALSE(Shows("r88c0"));
}

TEST_F(GridPrintLayout, ARowTallerThanThePageTakesAPageAndTheJobEnds) {
  grid.SetRowCount(4);
  ps.UseFixedHeight = true;
  ps.FixedHeight = 5000;
  EXPECT_EQ(Pages(), 4);
}

TEST_F(GridPrintLayout, NoRowReachesIntoTheFooter) {
  ps.RowSpacing = 100;  // a row prints 122 high: 16 of text and the rest
  ps.FooterSize = 100;
  const int limit = -1000 + 100 + 16 + 2;
  const int pages = Pages();
  for (int page = 1; page <= pages; ++page) {
    Preview(page);
    for (const TRecordedCall& call : canvas.CallsOf(coFillRect))
      EXPECT_GE(std::min(call.Rect.Top, call.Rect.Bottom), limit) << page;
  }
}

TEST_F(GridPrintLayout, TinyGridSizesPrintAsNothing) {
  ps.NoAutoSize = true;
  ps.NoAutoSizeRow = true;
  grid.SetColWidths(0, 2);
  grid.SetRowHeights(1, 1);
  Pages();
  EXPECT_EQ(grid.GetPrintColWidth(0), 0);
  EXPECT_EQ(grid.GetPrintColWidth(1), static_cast<int>((grid.ColWidths(1) - 4) * 254.0 / 96 + 0.5));
}

TEST_F(GridPrintLayout, SelectedRowsOnly) {
  grid.MouseActions.DisjunctRowSelect = true;
  grid.SetRowSelect(5, true);
  grid.SetRowSelect(7, true);
  grid.PrintPreviewSelectedRows(&canvas, {0, 0, 1000, 1000});
  EXPECT_EQ(grid.GetPreviewPageCount(), 1);
  EXPECT_TRUE(Shows("r5c0"));
  EXPECT_TRUE(Shows("r7c1"));
  EXPECT_FALSE(Shows("r6c0"));
  EXPECT_FALSE(Shows("r0c0"));
}

TEST_F(GridPrintLayout, HeaderItemsInTheirOrderAndTitleLines) {
  const TClockScope clock([] { return EncodeDate(2026, 12, 7) + 9.5 / 24; });
  ps.DateFormat = "dd.mm.yyyy";
  ps.Time = ppTopLeft;
  ps.Date = ppTopLeft;
  ps.HeaderSize = 50;
  ps.LeftSize = 70;
  ps.Title = ppTopCenter;
  ps.GetTitleLines()->Add("Parts");
  ps.GetTitleLines()->Add("Kit 7");
  Preview(1);
  const TRecordedCall* left = TextCall("07.12.2026 09:30 ");
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->Points[0], TPoint(70, -50));
  const TRecordedCall* title = TextCall(" Parts");
  const TRecordedCall* second = TextCall("Kit 7");
  ASSERT_TRUE(title && second);
  EXPECT_EQ(title->Points[0], TPoint((1000 - 6 * 8) / 2, -50));
  EXPECT_EQ(second->Points[0], TPoint((1000 - 5 * 8) / 2, -50 - 16));
  // The table starts below the header, its title lines and the gap.
  const TRecordedCall* cell = TextCall("r0c0");
  ASSERT_NE(cell, nullptr);
  EXPECT_LE(cell->Points[0].y, -(50 + 16 + 2 + 16));
}

TEST_F(GridPrintLayout, DrawingIntoARectangleTakesItsSize) {
  std::vector<TPoint> sizes;
  grid.OnPrintPage = [&](TObject*, TCanvas*, int, int W, int H) { sizes.push_back({W, H}); };
  grid.PrintDraw(&canvas, {100, 200, 600, 900});
  EXPECT_EQ(sizes, std::vector<TPoint>{TPoint(500, 700)});
  EXPECT_EQ(canvas.GetMapping().Mode(), MM_TEXT);
  EXPECT_EQ(canvas.GetMapping().ViewportOrg(), TPoint(0, 0));
}

TEST_F(GridPrintLayout, AFailingEventLeavesTheCanvasAsItWas) {
  grid.OnPrintPage = [](TObject*, TCanvas*, int, int, int) { throw Exception("stop"); };
  EXPECT_THROW(Preview(1), Exception);
  EXPECT_EQ(canvas.GetMapping().Mode(), MM_TEXT);
  EXPECT_EQ(canvas.GetMapping().ViewportOrg(), TPoint(0, 0));
}

TEST_F(GridPrintLayout, CellLinesAndPageBorders) {
  grid.SetRowCount(2);
  ps.Borders = pbSingle;
  Preview(1);
  const std::vector<TRecordedCall> lines = canvas.CallsOf(coLineTo);
  EXPECT_EQ(lines.size(), 2u * 2 * 4);
  EXPECT_EQ(lines.front().PenWidth, 2);
  grid.OnGetCellPrintBorder = [](TObject*, int, int, TPen* Pen, TCellBorders& Borders) {
    Borders = TCellBorders{cbTop};
    Pen->SetWidth(7);
  };
  ps.Borders = pbAround;
  Preview(1);
  const std::vector<TRecordedCall> around = canvas.CallsOf(coLineTo);
  ASSERT_EQ(around.size(), 4u + 4);  // a top line a cell, the frame
  EXPECT_EQ(around.front().PenWidth, 7);
  EXPECT_EQ(around.back().PenWidth, 2);  // the cell's pen does not stay
}

TEST_F(GridPrintLayout, AnEmptyRangeHasNoPages) {
  grid.PrintPreviewRect(&canvas, {0, 0, 1000, 1000}, {5, 5, 2, 2});
  EXPECT_EQ(grid.GetPreviewPageCount(), 0);
  grid.PrintPreviewRect(&canvas, {0, 0, 1000, 1000}, {0, 98, 7, 300});
  EXPECT_EQ(grid.GetPreviewPageCount(), 1);
}

// BuildPages lays out the range and page of the last preview again, the range as it was
// kept within the grid then.
TEST_F(GridPrintLayout, BuildPagesTakesTheLastRangeAsItWasClipped) {
  grid.PrintPreviewRect(&canvas, {0, 0, 1000, 1000}, {0, 0, 1, 59});
  ASSERT_EQ(grid.GetPreviewPageCount(), 2);
  EXPECT_EQ(grid.BuildPages(&canvas, prCalcPreview, -1, false), 2);
  grid.SetRowCount(20);
  EXPECT_EQ(grid.BuildPages(&canvas, prCalcPreview, -1, false), 1);
  grid.SetRowCount(100);
  EXPECT_EQ(grid.BuildPages(&canvas, prCalcPreview, -1, false), 1);
  EXPECT_EQ(Pages(), 3);
}

}  // namespace

namespace {

TEST_F(GridPrintLayout, HtmlRotatedAndGraphicCells) {
  grid.SetRowCount(3);
  grid.SetCells(0, 1, "<b>bold</b> text");
  grid.AddRotated(1, 1, 90, "up");
  TBitmap bitmap;
  bitmap.SetSize(20, 10);
  grid.SetCells(0, 2, "pic");
  grid.AddBitmap(0, 2, &bitmap, false, haBeforeText, vaTop);
  ps.PrintGraphics = true;
  Preview(1);
  const TRecordedCall* bold = TextCall("bold");  // through the mini-HTML renderer
  ASSERT_NE(bold, nullptr);
  EXPECT_TRUE(bold->FontStyle.Contains(fsBold));
  EXPECT_FALSE(Shows("<b>bold</b> text"));
  const TRecordedCall* up = TextCall("up");
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(up->FontEscapement, 900);
  const std::vector<TRecordedCall> pictures = canvas.CallsOf(coStretchDraw);
  ASSERT_EQ(pictures.size(), 1u);
  const int w = static_cast<int>(20 * 254.0 / 96 + 0.5);
  EXPECT_EQ(pictures[0].Rect.Right - pictures[0].Rect.Left, w);
  const TRecordedCall* pic = TextCall("pic");
  ASSERT_NE(pic, nullptr);
  EXPECT_GE(pic->Points[0].x, pictures[0].Rect.Right);  // the text moves aside
  // The column is as wide as the graphic and the text.
  EXPECT_EQ(grid.GetPrintColWidth(0), std::max(8 * 9, w + 8 * 3));
  grid.RemoveBitmap(0, 2);
}

TEST_F(GridPrintLayout, LinesAndCharactersOfTheCells) {
  grid.SetCells(1, 3, "one\r\nthree lines\r\nx");
  EXPECT_EQ(grid.MaxLinesInGrid(), 1);
  EXPECT_EQ(grid.MaxCharsInCol(1), 5);  // "r10c1" and the like; of row 3 only "one"
  grid.Multilinecells = true;
  EXPECT_EQ(grid.MaxLinesInGrid(), 3);
  EXPECT_EQ(grid.MaxLinesInRow(3), 3);
  EXPECT_EQ(grid.MaxLinesInRow(4), 1);
  EXPECT_EQ(grid.MaxCharsInCol(1), 11);
}

}  // namespace

namespace {

// HTML is laid out in device pixels: at 508 dots per inch a tenth of a millimetre is two.
TEST_F(GridPrintLayout, HtmlCellsDrawAndMeasureInDevicePixels) {
  TRecordingCanvas fine{8, 16, 2000, 2000, 508};
  grid.SetRowCount(2);
  // 64 pixels of the fixed metrics and 2 of the renderer's margins: 33 tenths.
  grid.SetCells(0, 0, "<i>abcdefgh</i>");
  grid.SetCells(0, 1, "<b>x</b><br>y");
  grid.SetCells(1, 0, "plain");
  grid.SetCells(1, 1, "plain");
  grid.PrintPreview(&fine, {0, 0, 2000, 2000});
  EXPECT_EQ(grid.GetPrintColWidth(0), 33);
  EXPECT_EQ(grid.GetPrintColWidth(1), 40);  // plain text measures in tenths
  const TRecordedCall *x = nullptr, *y = nullptr, *plain = nullptr;
  for (const TRecordedCall& call : fine.Calls) {
    if (call.Op != coTextOut) continue;
    if (call.Text == "x") x = &call;
    if (call.Text == "y") y = &call;
    if (call.Text == "plain" && !plain) plain = &call;
  }
  ASSERT_TRUE(x && y && plain);
  // The HTML font is the print font in pixels; the plain one stays in tenths.
  EXPECT_EQ(x->FontHeight, 2 * plain->FontHeight);
  EXPECT_TRUE(x->FontStyle.Contains(fsBold));
  EXPECT_EQ(y->Points[0].x, x->Points[0].x);
  EXPECT_EQ(y->Points[0].y, x->Points[0].y + 16);  // the next line, downwards
  // Device pixels of the cell: right of the left margin, below the page's top.
  EXPECT_GE(x->Points[0].x, 2 * ps.LeftSize);
  EXPECT_GT(x->Points[0].y, 0);
  EXPECT_LT(plain->Points[0].y, 0);  // tenths, y upwards
  EXPECT_EQ(fine.GetMapping().Mode(), MM_TEXT);
}

TEST_F(GridPrintLayout, HtmlTitleLinesBesideTheOtherItems) {
  const TClockScope clock([] { return EncodeDate(2026, 12, 7) + 9.5 / 24; });
  ps.Time = ppTopCenter;
  ps.Title = ppTopCenter;
  ps.HeaderSize = 50;
  ps.GetTitleLines()->Add("<b>Parts</b>");
  ps.GetTitleLines()->Add("Kit 7");
  Preview(1);
  const TRecordedCall* time = TextCall(" 09:30");
  const TRecordedCall* parts = TextCall("Parts");
  const TRecordedCall* kit = TextCall("Kit 7");
  ASSERT_TRUE(time && parts && kit);
  EXPECT_TRUE(parts->FontStyle.Contains(fsBold));
  EXPECT_FALSE(Shows("<b>Parts</b>"));
  // The time, then the title's widest line (5 characters and 2), centred together.
  const int left = (1000 - 6 * 8 - 5 * 8 - 2) / 2;
  EXPECT_EQ(time->Points[0], TPoint(left, -50));
  EXPECT_NEAR(parts->Points[0].x, left + 6 * 8, 2);
  EXPECT_EQ(parts->Points[0].y, 50);  // device pixels, y downwards
  EXPECT_EQ(kit->Points[0].y, 50 + 16);
}

}  // namespace
