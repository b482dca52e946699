// HTML cell text in the grid: measured, painted and hit-tested by the mini-HTML renderer.
#include <gtest/gtest.h>

#include "components/grid/grid/ExtGrid.h"
#include "platform/graphics/recording_canvas.h"
#include "shown_grid.h"

namespace {

using ShownHTMLGrid = ShownGrid<TExtStringGrid>;

int CountPixels(const QImage& image, const TRect& r, QRgb color) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += image.pixel(x, y) == color;
  return n;
}

TEST_F(ShownHTMLGrid, CellsPaintTheirMarkup) {
  grid->SetColor(clWhite);
  grid->SetColWidths(1, 150);
  grid->SetCells(1, 1, "<font bgcolor=\"#00FF00\">green</font> plain");
  grid->SetCells(1, 2, "<font color=\"clRed\"><b>red</b></font>");
  grid->SetCells(2, 3, "<a href=\"x\">link</a>");
  ShowFocused();
  QImage image = Render();
  const TRect green = grid->CellRect(1, 1);
  EXPECT_GT(CountPixels(image, green, qRgb(0, 255, 0)), 50);
  // Only behind the tagged word: the cell's right half stays white.
  EXPECT_EQ(CountPixels(image, {green.Left + 75, green.Top, green.Right, green.Bottom},
                        qRgb(0, 255, 0)),
            0);
  EXPECT_GT(CountPixels(image, grid->CellRect(1, 2), qRgb(255, 0, 0)), 10);
  EXPECT_GT(CountPixels(image, grid->CellRect(2, 3), qRgb(0, 0, 255)), 10);
  grid->EnableHTML = false;
  image = Render();
  EXPECT_EQ(CountPixels(image, grid->CellRect(1, 1), qRgb(0, 255, 0)), 0);
}

TEST(GridHTMLText, MeasuredAndHitTestedByTheRenderer) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetRowCount(4);
  grid.SetColWidths(1, 200);
  grid.SetCells(1, 1, "<b>two</b><br>lines of text");
  const TSize size = grid.GetCellTextSize(1, 1, false);
  THTMLDrawParams params;
  params.MeasureOnly = true;
  params.LinkColor = grid.URLColor;
  THTMLDrawResult result;
  TCanvas* canvas = grid.GetCanvas();
  HTMLDrawEx(canvas, "<b>two</b><br>lines of text", {0, 0, 65535, 65535}, params, result);
  EXPECT_EQ(size, TSize(result.ExtentX, result.ExtentY));
  EXPECT_EQ(size.cy, 2 * canvas->TextHeight("gh"));
  // The anchor under a point of the cell, in the rectangle the text is drawn in.
  grid.SetCells(2, 1, "go <a href=\"cell://A1\">there</a>");
  const TRect r = grid.CellRect(2, 1);
  const int start = r.Left + 2 + 1 + canvas->TextWidth("go ");
  AnsiString anchor;
  EXPECT_TRUE(grid.HTMLAnchorAt(2, 1, start + 3, r.Top + 2 + 3, anchor));
  EXPECT_EQ(anchor, "cell://A1");
  EXPECT_FALSE(grid.HTMLAnchorAt(2, 1, r.Left + 4, r.Top + 5, anchor));
  EXPECT_FALSE(grid.HTMLAnchorAt(1, 1, r.Left + 4, r.Top + 5, anchor));  // no link there
}

TEST(GridHTMLText, FilterAndSortMarksKeepTheirRoom) {
  TExtStringGrid grid(nullptr);
  grid.SetColCount(3);
  grid.SetRowCount(5);
  grid.SetColWidths(1, 100);
  grid.SortSettings.SetShow(true);
  grid.SortSettings.SetColumn(1);
  grid.SetCells(1, 0, "<i>header text much too long for the cell</i>");
  grid.EnhTextSize = true;  // one line, ending in an ellipsis at the room's edge
  TRecordingCanvas canvas;
  TRect r = grid.CellRect(1, 0);
  grid.DrawGridCell(&canvas, 1, 0, r, TGridDrawState{gdFixed});
  const std::vector<TRecordedCall> texts = canvas.CallsOf(coTextOut);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].Text.substr(texts[0].Text.size() - 3), "...");
  // The text ends 2 + 10 pixels before the cell's right edge, the sort mark after it.
  EXPECT_LE(static_cast<int>(texts[0].Text.size()) * 8, r.Width() - 2 - 10 - 2);
}

}  // namespace
