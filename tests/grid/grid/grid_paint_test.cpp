// Painting of cells: the drawing calls of one cell on a recording canvas, and rendered grids
// at the pixels that matter.
#include <gtest/gtest.h>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/richtext/RichTextPaint.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "shown_grid.h"

namespace {

// One cell drawn on a recording canvas (8-pixel characters, 16-pixel lines).
template <typename Grid>
class Recorded : public testing::Test {
 protected:
  Grid grid{nullptr};
  TRecordingCanvas canvas;
  void SetUp() override {
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetColor(clWhite);
    for (int c = 0; c < 5; ++c) grid.SetColWidths(c, 64);
  }
  TRect Inner(int col, int row) {
    TRect r = grid.BlockRect(col, row);
    InflateRect(r, -1, -1);
    return r;
  }
  void Draw(int col, int row, TGridDrawState state = {}) {
    canvas.Calls.clear();
    grid.DrawGridCell(&canvas, col, row, Inner(col, row), state);
  }
  // The texts drawn, joined by "|".
  AnsiString Texts() const {
    AnsiString all;
    for (const TRecordedCall& call : canvas.CallsOf(coTextOut))
      all += (all.empty() ? "" : "|") + call.Text;
    return all;
  }
  std::vector<TRecordedCall> LinesOfWidth(int width) const {
    std::vector<TRecordedCall> lines;
    for (const TRecordedCall& call : canvas.CallsOf(coLineTo))
      if (call.PenWidth == width) lines.push_back(call);
    return lines;
  }
  std::vector<TColor> Fills() const {
    std::vector<TColor> colors;
    for (const TRecordedCall& call : canvas.CallsOf(coFillRect)) colors.push_back(call.BrushColor);
    return colors;
  }
};

using PaintedCell = Recorded<TExtStringGrid>;

TEST_F(PaintedCell, EllipsisOnlyWithEnhTextSize) {
  grid.SetCells(1, 1, "abcdefghijklmnopqrstuvwxyz");
  Draw(1, 1);
  EXPECT_EQ(Texts(), "abcdefghijklmnopqrstuvwxyz");  // cut by the clip only
  grid.EnhTextSize = true;
  Draw(1, 1);
  ASSERT_GE(Texts().size(), 3u);
  EXPECT_EQ(Texts().substr(Texts().size() - 3), "...");
  EXPECT_LE(canvas.TextWidth(Texts()), Inner(1, 1).Width());
}

TEST_F(PaintedCell, SeveralLinesShowOnlyWithWordWrapOrMultilinecellsOfTheirOwnGrid) {
  grid.SetRowHeights(1, 60);
  grid.SetCells(1, 1, "one\r\ntwo");
  Draw(1, 1);
  EXPECT_EQ(Texts(), "one");

  TExtStringGrid multi(nullptr);
  multi.SetRowHeights(1, 60);
  multi.Multilinecells = true;
  multi.SetCells(1, 1, "one\r\ntwo");
  TRect r = multi.CellRect(1, 1);
  canvas.Calls.clear();
  multi.DrawGridCell(&canvas, 1, 1, r, {});
  EXPECT_EQ(Texts(), "one|two");
  Draw(1, 1);  // the other grid is not changed by it
  EXPECT_EQ(Texts(), "one");
  grid.WordWrap = true;
  Draw(1, 1);
  EXPECT_EQ(Texts(), "one|two");
}

TEST_F(PaintedCell, SortHeaderKeepsRoomForItsMark) {
  grid.SortSettings.SetShow(true);
  grid.SortSettings.SetColumn(1);
  grid.SetCells(1, 0, "a header text too long");
  grid.SetCells(2, 0, "a header text too long");
  Draw(2, 0);
  const int plainRight = canvas.CallsOf(coTextOut).at(0).Rect.Right;
  EXPECT_EQ(plainRight, Inner(2, 0).Right - 2);
  Draw(1, 0);
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).Rect.Right, Inner(1, 0).Right - 2 - 14);
  // The outline triangle of an ascending sort, white then grey.
  std::vector<TColor> pens;
  for (const TRecordedCall& call : canvas.CallsOf(coLineTo)) pens.push_back(call.PenColor);
  EXPECT_NE(std::find(pens.begin(), pens.end(), clWhite), pens.end());
  EXPECT_NE(std::find(pens.begin(), pens.end(), clGray), pens.end());

  grid.SetAlignments(1, 0, taRightJustify);
  Draw(1, 0);
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).Rect.Left, Inner(1, 0).Left + 2 + 14);
}

TEST_F(PaintedCell, IndexedSortShowsEachColumnsPlace) {
  grid.SortSettings.SetShow(true);
  grid.SortSettings.SetIndexShow(true);
  grid.SortIndexes.AddIndex(3, true);
  grid.SortIndexes.AddIndex(1, false);
  grid.SetCells(1, 0, "x");
  Draw(1, 0);
  EXPECT_EQ(Texts(), "x|2");
  const std::vector<TRecordedCall> marks = canvas.CallsOf(coPolygon);
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].BrushColor, clYellow);
  Draw(2, 0);
  EXPECT_EQ(Texts(), "");  // not a sort column
}

TEST_F(PaintedCell, BordersLieInsideTheCell) {
  grid.OnGetCellBorder = [](TObject*, int, int, TPen* pen, TCellBorders& borders) {
    pen->SetWidth(3);
    pen->SetColor(clRed);
    borders << cbLeft << cbTop << cbRight << cbBottom;
  };
  grid.OnGetCellBorderProp = [](TObject*, int, int, TPen*, TPen*, TPen* right, TPen*) {
    right->SetColor(clBlue);
  };
  Draw(2, 2);
  const TRect cell = grid.CellRect(2, 2);
  const std::vector<TRecordedCall> lines = LinesOfWidth(3);
  ASSERT_EQ(lines.size(), 4u);
  // Left, right, top, bottom: 2 pixels in from the cell's edges.
  EXPECT_EQ(lines[0].Points.at(0), TPoint(cell.Left + 2, cell.Top + 2));
  EXPECT_EQ(lines[0].Points.at(1), TPoint(cell.Left + 2, cell.Bottom - 2));
  EXPECT_EQ(lines[1].Points.at(0).x, cell.Right - 3);
  EXPECT_EQ(lines[1].PenColor, clBlue);
  EXPECT_EQ(lines[2].Points.at(0).y, cell.Top + 2);
  EXPECT_EQ(lines[3].Points.at(0).y, cell.Bottom - 3);
  EXPECT_EQ(lines[3].PenColor, clRed);
}

TEST_F(PaintedCell, SelectedCellColours) {
  grid.SetSelectionColor(clNavy);
  grid.SetSelectionTextColor(clYellow);
  grid.SetCells(1, 1, "sel");
  Draw(1, 1, TGridDrawState{gdSelected});
  EXPECT_EQ(Fills(), std::vector<TColor>{clNavy});
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).TextColor, clYellow);
  // The focused cell too, as goDrawFocusSelected is on.
  Draw(1, 1, TGridDrawState{gdSelected, gdFocused});
  EXPECT_EQ(Fills(), std::vector<TColor>{clNavy});
  // Without a selection colour a selected cell that is not focused shows the highlight.
  grid.SetSelectionColor(clNone);
  Draw(1, 1, TGridDrawState{gdSelected});
  EXPECT_EQ(Fills(), std::vector<TColor>{clHighlight});
  grid.SetSelectionColor(clNavy);
  grid.SetShowSelection(false);
  Draw(1, 1, TGridDrawState{gdSelected});
  EXPECT_TRUE(Fills().empty());  // the background the base grid painted stays
  EXPECT_NE(canvas.CallsOf(coTextOut).at(0).TextColor, clYellow);
}

TEST_F(PaintedCell, ZoomedFontsKeepASize) {
  grid.GetFont()->SetSize(8);
  grid.Zoom(-10);
  int size = 0;
  grid.OnCustomCellDraw = [&](TObject*, TCanvas* c, int, int, TGridDrawState, TRect, bool) {
    size = c->Font->GetSize();
  };
  Draw(1, 1);
  EXPECT_EQ(size, 1);
  grid.Zoom(13);
  Draw(1, 1);
  EXPECT_EQ(size, 11);
}

TEST_F(PaintedCell, UserDrawingEventsAfterTheGridsOwn) {
  grid.SetCells(2, 3, "t");
  std::vector<AnsiString> order;
  TRect drawRect, customRect;
  grid.OnDrawCell = [&](TObject*, int col, int row, TRect r, TGridDrawState) {
    order.push_back("draw " + IntToStr(col) + "," + IntToStr(row));
    drawRect = r;
  };
  grid.OnCustomCellDraw = [&](TObject*, TCanvas* c, int col, int row, TGridDrawState, TRect r,
                              bool printing) {
    EXPECT_EQ(c, &canvas);
    EXPECT_FALSE(printing);
    order.push_back("custom " + IntToStr(col) + "," + IntToStr(row));
    customRect = r;
  };
  Draw(2, 3);
  EXPECT_EQ(order, (std::vector<AnsiString>{"draw 2,3", "custom 2,3"}));
  const TRect cell = grid.CellRect(2, 3);
  EXPECT_EQ(customRect, cell);
  EXPECT_EQ(drawRect, TRect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1));
  EXPECT_TRUE(canvas.CallsOf(coFocusRect).empty());  // the grid has no focus
}

TEST_F(PaintedCell, FixedCellEdgesByLookAndNoneWhenFlat) {
  grid.SetOptions(grid.GetOptions() + TGridOptions{goFixedHorzLine, goFixedVertLine});
  grid.Look = glClassic;
  Draw(0, 2);
  const std::size_t classic = canvas.Calls.size();
  grid.Look = glStandard;
  Draw(0, 2);
  EXPECT_LT(canvas.Calls.size(), classic);
  grid.Look = glOrvik;
  Draw(0, 2);
  EXPECT_EQ(canvas.CallsOf(coRectangle).size(), 10u);  // the gradient's bands
  grid.Flat = true;
  Draw(0, 2);
  EXPECT_TRUE(canvas.CallsOf(coRectangle).empty());
  const std::size_t flat = canvas.Calls.size();
  grid.Look = glClassic;
  Draw(0, 2);
  EXPECT_EQ(canvas.Calls.size(), flat);
}

TEST_F(PaintedCell, TiledBackgroundScrollsWithTheCells) {
  TBitmap picture;
  picture.SetSize(50, 40);
  grid.BackGround.SetBitmap(&picture);
  Draw(2, 2);
  std::vector<TRecordedCall> copies = canvas.CallsOf(coCopyRect);
  ASSERT_FALSE(copies.empty());
  // Counted from the first normal column and row: 64 mod 50 across, 21 down.
  EXPECT_EQ(copies[0].SourceRect.Left, 14);
  EXPECT_EQ(copies[0].SourceRect.Top, grid.RowHeights(1) % 40);
  EXPECT_EQ(copies[0].Rect.TopLeft(), Inner(2, 2).TopLeft());
  Draw(0, 2);  // fixed cells are not of the kind bcNormal names
  EXPECT_TRUE(canvas.CallsOf(coCopyRect).empty());

  grid.BackGround.SetDisplay(bdFixed);
  grid.BackGround.SetLeft(Inner(2, 2).Left + 10);
  grid.BackGround.SetTop(Inner(2, 2).Top + 5);
  Draw(2, 2);
  copies = canvas.CallsOf(coCopyRect);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].SourceRect.TopLeft(), TPoint(0, 0));
  EXPECT_EQ(copies[0].Rect.Right, Inner(2, 2).Left + 10 + 50);
  Draw(3, 4);
  EXPECT_TRUE(canvas.CallsOf(coCopyRect).empty());
}

TEST_F(PaintedCell, RichAndHTMLText) {
  grid.SetRowHeights(1, 60);
  grid.SetCells(1, 1, "{\\rtf1 one {\\b two}\\par three}");
  grid.SetCells(2, 1, "<b>bold</b> text");
  Draw(1, 1);
  EXPECT_EQ(Texts(), "one |two|three");
  const std::vector<TRecordedCall> runs = canvas.CallsOf(coTextOut);
  EXPECT_TRUE(runs.at(1).FontStyle.Contains(fsBold));
  EXPECT_EQ(runs.at(1).Points.at(0).x, runs.at(0).Points.at(0).x + 8 * 4);
  EXPECT_GT(runs.at(2).Points.at(0).y, runs.at(0).Points.at(0).y);
  // Selected, the runs take the selection text colour unless they keep their own.
  grid.SetSelectionTextColor(clYellow);
  grid.SelectRange(1, 1, 1, 1);
  grid.SetCol(3);
  grid.SetRow(3);
  Draw(1, 1, TGridDrawState{gdSelected});
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).TextColor, clYellow);
  grid.SetCells(1, 1, "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 red}");
  grid.SelectionRTFKeep = true;
  Draw(1, 1, TGridDrawState{gdSelected});
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).TextColor, clRed);
  // HTML goes through the mini-HTML renderer: a segment per word, bold where tagged.
  Draw(2, 1);
  EXPECT_EQ(Texts(), "bold| |text");
  EXPECT_TRUE(canvas.CallsOf(coTextOut).at(0).FontStyle.Contains(fsBold));
  EXPECT_FALSE(canvas.CallsOf(coTextOut).at(2).FontStyle.Contains(fsBold));
}

// Column 1 hidden: shown column 2 is stored column 3, a red rich cell merged over stored 4.
TEST_F(PaintedCell, ASelectedCellRightOfAHiddenColumnLooksSelected) {
  grid.SetColCount(7);
  grid.SetCells(3, 1, "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 red}");
  grid.MergeCells(3, 1, 2, 1);
  grid.HideColumn(1);
  grid.SetSelectionTextColor(clYellow);
  grid.SetSelectionRectangle(true);
  grid.SelectRange(1, 2, 1, 1);
  Draw(2, 1, TGridDrawState{gdSelected});
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).TextColor, clYellow);
  grid.SelectRange(2, 3, 1, 1);
  Draw(2, 1, TGridDrawState{gdSelected});
  EXPECT_EQ(LinesOfWidth(2).size(), 4u);  // the merge reaches the selection's right side
}

// Column 0 hidden: the fixed column shows stored column 1, which a listed row leaves alone.
TEST_F(PaintedCell, AListedRowLeavesTheFixedColumnThatShowsAStoredNormalOne) {
  grid.SetOptions(grid.GetOptions() + goRowSelect);
  grid.SetSelectionColor(clNavy);
  grid.SetCells(1, 2, "fixed");
  grid.HideColumn(0);
  grid.SetRowSelect(2, true);
  Draw(0, 2, TGridDrawState{gdFixed});
  EXPECT_EQ(Texts(), "fixed");
  const std::vector<TColor> fills = Fills();
  EXPECT_EQ(std::count(fills.begin(), fills.end(), clNavy), 0);
  Draw(1, 2);
  EXPECT_EQ(Fills().back(), clNavy);
}

TEST(RichTextSize, ParagraphsAndRuns) {
  TRecordingCanvas canvas;
  TRichText text;
  text.SetRTF("{\\rtf1 abc {\\b de}\\par x}");
  EXPECT_EQ(MeasureRichText(canvas, text), TSize(6 * 8, 2 * 16));
}

using PaintedColumnCell = Recorded<TExtColumnGrid>;

TEST_F(PaintedColumnCell, FilterMarkInTheRightmostPixelsOfTheHeader) {
  grid.GetColumns()->GetItem(2)->GetFilter()->Add("a*");
  grid.SetCells(2, 0, "a header text too long");
  Draw(2, 0);
  const std::vector<TRecordedCall> glyphs = canvas.CallsOf(coDraw);
  ASSERT_EQ(glyphs.size(), 1u);
  EXPECT_EQ(glyphs[0].Rect.Left, Inner(2, 0).Right - 16);
  EXPECT_EQ(glyphs[0].Rect.Width(), 16);
  EXPECT_EQ(canvas.CallsOf(coTextOut).at(0).Rect.Right, Inner(2, 0).Right - 2 - 16);
  Draw(2, 1);
  EXPECT_TRUE(canvas.CallsOf(coDraw).empty());
}

TEST(Gradient, BandsRunFromTheFirstColourInSteps) {
  TRecordingCanvas canvas;
  DrawGradient(&canvas, RGB(0, 0, 0), RGB(100, 200, 50), 10, true, {0, 0, 30, 100});
  const std::vector<TRecordedCall> bands = canvas.CallsOf(coRectangle);
  ASSERT_EQ(bands.size(), 10u);
  EXPECT_EQ(bands[0].BrushColor, RGB(0, 0, 0));
  EXPECT_EQ(bands[0].Rect, TRect(0, 0, 30, 11));
  EXPECT_EQ(bands[9].BrushColor, RGB(90, 180, 45));
  EXPECT_EQ(bands[9].Rect, TRect(0, 90, 30, 101));
  canvas.Calls.clear();
  DrawGradient(&canvas, clRed, clBlue, 0, false, {0, 0, 40, 10});
  ASSERT_EQ(canvas.CallsOf(coRectangle).size(), 1u);
  EXPECT_EQ(canvas.CallsOf(coRectangle)[0].BrushColor, RGB(255, 0, 0));
}

// Rendered grids.
using ShownExtGrid = ShownGrid<TExtStringGrid>;

bool Dark(QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 200; }

// Whether any pixel of the rectangle is dark.
bool AnyDark(const QImage& image, const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (Dark(image.pixel(x, y))) return true;
  return false;
}

TEST_F(ShownExtGrid, BandsAndOwnColoursOnTheScreen) {
  grid->SetColor(clWhite);
  grid->Bands.SetActive(true);
  grid->Bands.SetPrimaryColor(clYellow);
  grid->Bands.SetSecondaryColor(clAqua);
  grid->SetColors(2, 3, clLime);
  ShowFocused();
  const QImage image = Render();
  const auto inside = [&](int col, int row) { return image.pixel(At(col, row, 30, 3)); };
  EXPECT_EQ(inside(2, 1), qRgb(255, 255, 0));
  EXPECT_EQ(inside(2, 2), qRgb(0, 255, 255));
  EXPECT_EQ(inside(2, 3), qRgb(0, 255, 0));
  EXPECT_EQ(inside(3, 3), qRgb(255, 255, 0));
}

TEST_F(ShownExtGrid, SelectionFocusedAndNot) {
  grid->SetColor(clWhite);
  grid->SetSelectionColor(clNavy);
  grid->SelectRange(1, 2, 1, 2);
  ShowFocused();
  QImage image = Render();
  EXPECT_EQ(image.pixel(At(1, 1, 30, 3)), qRgb(0, 0, 128));
  EXPECT_EQ(image.pixel(At(2, 2, 30, 3)), qRgb(0, 0, 128));  // the current cell
  EXPECT_EQ(image.pixel(At(3, 3, 30, 3)), qRgb(255, 255, 255));
  // Without a selection colour, the selected cells but the focused one show the highlight.
  grid->SetSelectionColor(clNone);
  image = Render();
  const TColor highlight = ColorToRGB(clHighlight);
  EXPECT_EQ(image.pixel(At(1, 1, 30, 3)),
            qRgb(GetRValue(highlight), GetGValue(highlight), GetBValue(highlight)));
}

TEST_F(ShownExtGrid, NumbersAlignRight) {
  grid->SetColor(clWhite);
  grid->SetCells(2, 2, "12");
  grid->SetCells(2, 3, "ab");
  grid->AutoNumAlign = true;
  ShowFocused();
  const QImage image = Render();
  const TRect cell = grid->CellRect(2, 2);
  const TRect left{cell.Left, cell.Top, cell.Left + 20, cell.Bottom - 1};
  const TRect right{cell.Right - 20, cell.Top, cell.Right - 1, cell.Bottom - 1};
  EXPECT_FALSE(AnyDark(image, left));
  EXPECT_TRUE(AnyDark(image, right));
  const TRect text = grid->CellRect(2, 3);
  EXPECT_TRUE(AnyDark(image, {text.Left, text.Top, text.Left + 20, text.Bottom - 1}));
}

TEST_F(ShownExtGrid, MergedBlockPaintedAsOneCell) {
  grid->SetColor(clWhite);
  grid->SetCells(1, 1, "merged");
  grid->MergeCells(1, 1, 2, 2);
  grid->SetColors(1, 1, clYellow);
  grid->SetCol(3);
  grid->SetRow(4);
  ShowFocused();
  const QImage image = Render();
  const TRect block = grid->CellRect(1, 1);
  // No grid line where the block's inner cells meet.
  const int innerRight = grid->GetCellRect(1, 1).Right;
  EXPECT_EQ(image.pixel(innerRight, block.Top + 5), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(block.Right - 10, block.Bottom - 5), qRgb(255, 255, 0));
  // The text once, at the block's top left.
  EXPECT_TRUE(AnyDark(image, {block.Left, block.Top, block.Left + 30, block.Top + 18}));
  EXPECT_FALSE(AnyDark(image, {innerRight + 2, block.Top + 22, block.Right - 3, block.Bottom - 3}));
}

TEST_F(ShownExtGrid, FocusRectangleAroundTheWholeBlock) {
  grid->SetColor(clWhite);
  grid->SetOptions(grid->GetOptions() - TGridOptions{goVertLine, goHorzLine});
  grid->MergeCells(1, 1, 2, 2);
  grid->SetSelectionColor(clWhite);
  ShowFocused();
  grid->SetCol(1);
  grid->SetRow(1);
  const TRect block = grid->CellRect(1, 1);
  const QImage image = Render();
  // Dots along the block's right and bottom edges, past its first cell.
  EXPECT_TRUE(AnyDark(image, {block.Right - 3, block.Bottom - 12, block.Right, block.Bottom}));
  EXPECT_TRUE(AnyDark(image, {block.Right - 12, block.Bottom - 3, block.Right, block.Bottom}));
  grid->HideFocusRect = true;
  EXPECT_FALSE(AnyDark(Render(), {block.Right - 3, block.Bottom - 12, block.Right, block.Bottom}));
}

TEST_F(ShownExtGrid, SizingLineShowsAndGoesAgain) {
  grid->SetColor(clWhite);
  ShowFocused();
  const int x = grid->CellRect(2, 1).Left + 20;
  const TRect column{x, 30, x + 1, 60};
  EXPECT_FALSE(AnyDark(Render(), column));
  grid->DrawSizingLine(x);
  EXPECT_TRUE(AnyDark(Render(), column));
  grid->DrawSizingLine(x);
  EXPECT_FALSE(AnyDark(Render(), column));
}

TEST_F(ShownExtGrid, WheelPanningMarkShowsAndGoesAgain) {
  grid->SetColor(clWhite);
  grid->SetOptions(grid->GetOptions() - TGridOptions{goVertLine, goHorzLine});
  ShowFocused();
  const TRect mark{100, 100, 132, 132};
  EXPECT_FALSE(AnyDark(Render(), mark));
  grid->IntelliPan = ipBoth;
  struct Panning : TExtStringGrid {
    using TExtStringGrid::IntelliPanOrigin;
  };
  static_cast<Panning*>(grid)->IntelliPanOrigin = TPoint(100, 100);
  grid->DrawIntelliFocusPoint();
  EXPECT_TRUE(AnyDark(Render(), mark));
  grid->EraseIntelliFocusPoint();
  EXPECT_FALSE(AnyDark(Render(), mark));
}

TEST_F(ShownExtGrid, SoftLookFramesTheWindowInGrey) {
  ShowFocused();
  QImage frame = grid->Widget()->grab().toImage();
  EXPECT_EQ(frame.pixel(1, 10), qRgb(128, 128, 128));
  grid->Flat = true;
  grid->Widget()->update();
  frame = grid->Widget()->grab().toImage();
  EXPECT_NE(frame.pixel(1, 10), qRgb(128, 128, 128));
}

}  // namespace
