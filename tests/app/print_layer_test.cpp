// The print layer on a recording canvas: the pending line and its word wrap, the grid print's
// lines, fills and clipped cell texts.
#include <gtest/gtest.h>

#include <memory>

#include "app/Dbaseindexprint.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

// A printer component drawing on a recording canvas whose characters are 20 units wide, with
// a font 40 units high.
class PrintLayer : public testing::Test {
 protected:
  void SetUp() override {
    SetInstalledPrinters({std::make_shared<TVirtualPrinter>("A4", 300)}, 0);
    xprint = std::make_unique<TXPrint>(nullptr);
    own = xprint->Canvas;
    xprint->Canvas = &canvas;
    xprint->PrintWidth = 200;
    canvas.Font->SetHeight(-40);
    druck_xprint = xprint.get();
    druck_zeile.clear();
    druck_init();
    druck_spaltenformatsetzen("aaaaaaaaaaaaaaaaaaaa");
    druck_schriftfaktor = 6.0;
  }
  void TearDown() override {
    druck_zeile.clear();
    druck_xprint = nullptr;
    xprint->Canvas = own;
    xprint.reset();
    SetInstalledPrinters({});
  }

  // The texts printed, each with its reference point.
  std::vector<std::pair<AnsiString, TPoint>> Printed() const {
    std::vector<std::pair<AnsiString, TPoint>> texts;
    for (const TRecordedCall& call : canvas.CallsOf(coTextOut))
      texts.emplace_back(call.Text, call.Points[0]);
    return texts;
  }
  using Texts = std::vector<std::pair<AnsiString, TPoint>>;

  TRecordingCanvas canvas{20, 40, 2480, 3508, 300};
  std::unique_ptr<TXPrint> xprint;
  TCanvas* own = nullptr;
};

TEST_F(PrintLayer, WordsWrapBeforeThePrintableWidthAndTheRestStaysPending) {
  EXPECT_EQ(druck_text(""), -1);
  EXPECT_EQ(druck_text("eins zwei drei vier"), 1);
  EXPECT_EQ(Printed(), (Texts{{"eins zwei", {0, 0}}}));
  EXPECT_EQ(druck_zeile, "drei vier");
  druck_zeileausgeben();
  EXPECT_EQ(Printed(), (Texts{{"eins zwei", {0, 0}}, {"drei vier", {0, 40}}}));
  EXPECT_EQ(druck_x, 180);
  EXPECT_EQ(canvas.CallsOf(coTextOut)[0].BrushStyle, bsClear);
}

TEST_F(PrintLayer, ALineFeedBreaksTheLineAndBecomesABlank) {
  druck_text("a\r\nb");
  druck_neuezeile();
  EXPECT_EQ(Printed(), (Texts{{"a  ", {0, 0}}, {"b", {0, 40}}}));
  EXPECT_EQ(druck_y, 80);
  EXPECT_EQ(druck_x, 0);
}

// The word before a line feed may itself have to start a new line; the break still follows.
TEST_F(PrintLayer, ALineFeedAfterAWrappedWordStillBreaks) {
  druck_text("abcdefgh ij\nk");
  druck_zeileausgeben();
  EXPECT_EQ(Printed(), (Texts{{"abcdefgh", {0, 0}}, {"ij ", {0, 40}}, {"k", {0, 80}}}));
}

TEST_F(PrintLayer, ARightAlignedLineEndsAtTheRightIndent) {
  druck_einzugrechts = 1;
  druck_einzuglinks = 2;
  druck_ausrichtung = 2;
  druck_zeilenfaktor = 1.5f;
  druck_text("ab  ");
  druck_neuezeile();
  EXPECT_EQ(Printed(), (Texts{{"ab", {200 - (40 + 10), 0}}}));
  EXPECT_EQ(druck_x, 20);
  EXPECT_EQ(druck_y, 60);
}

TEST_F(PrintLayer, ControlCodesSwitchBoldAndPrintThePendingLineFirst) {
  druck_steuercode("13");
  druck_text("fett");
  druck_steuercode("14");
  druck_text("normal");
  druck_zeileausgeben();
  const std::vector<TRecordedCall> calls = canvas.CallsOf(coTextOut);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_TRUE(calls[0].FontStyle.Contains(fsBold));
  EXPECT_FALSE(calls[1].FontStyle.Contains(fsBold));
  EXPECT_EQ(calls[1].Points[0], (TPoint{80, 0}));
}

TEST_F(PrintLayer, TheFrameRunsDownRightUpAndBack) {
  druck_rasterrahmen(1, 2, 3, 4);
  std::vector<TPoint> ends;
  for (const TRecordedCall& call : canvas.CallsOf(coLineTo)) ends.push_back(call.Points[1]);
  EXPECT_EQ(ends, (std::vector<TPoint>{{10, 60}, {40, 60}, {40, 20}, {10, 20}}));
  EXPECT_EQ(canvas.CallsOf(coLineTo)[0].Points[0], (TPoint{10, 20}));
}

TEST_F(PrintLayer, TheFormatLettersStayWithinTheirColumns) {
  druck_spaltenformatsetzen(AnsiString(30, 'b'));
  for (char letter : druck_spaltenformat) EXPECT_EQ(letter, 'b');
  druck_spaltenformatsetzen("ax");
  EXPECT_EQ(AnsiString(druck_spaltenformat.begin(), druck_spaltenformat.end()),
            "ax" + AnsiString(18, 'b'));
}

// Three columns of 100, 0 and 100 pixels and three rows of 20 printed 40 steps wide: 0.2
// steps a pixel, so the columns start at 0, 20 and 20 steps.
class GridPrint : public PrintLayer {
 protected:
  void SetUp() override {
    PrintLayer::SetUp();
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    for (int r = 0; r < 3; ++r) grid.SetRowHeights(r, 20);
    grid.SetColWidths(0, 100);
    grid.SetColWidths(1, 0);
    grid.SetColWidths(2, 100);
    grid.GetFont()->SetName("Tahoma");
    grid.GetFont()->SetHeight(-11);  // 8 points
    grid.SetCells(0, 0, "Kopf");
    grid.SetCells(0, 1, "Zeile\r\neins");
    grid.SetCells(1, 1, "versteckt");
    grid.SetCells(2, 2, "rot");
  }

  TExtColumnGrid grid{nullptr};
};

TEST_F(GridPrint, AZeroWidthColumnHasNoLineAndNoText) {
  EXPECT_EQ(druck_grid(0, 0, 40, &grid), 12);
  std::vector<TRecordedCall> lines = canvas.CallsOf(coLineTo);
  // One rule between columns (at column 2), two between rows, the frame.
  ASSERT_EQ(lines.size(), 1 + 2 + 4u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{200, 0}, {200, 120}}));
  EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{{0, 38}, {400, 38}}));
  EXPECT_EQ(lines[1].PenWidth, 1);
  EXPECT_EQ(lines[3].PenWidth, 3);
  for (const TRecordedCall& call : canvas.CallsOf(coTextOut)) EXPECT_NE(call.Text, "versteckt");
}

TEST_F(GridPrint, ACellsLineFeedPrintsAsABlankClippedBeforeTheCellsEdge) {
  druck_grid(0, 0, 40, &grid);
  const std::vector<TRecordedCall> texts = canvas.CallsOf(coTextOut);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].Text, "Kopf");
  EXPECT_TRUE(texts[0].FontStyle.Contains(fsBold));
  EXPECT_EQ(texts[1].Text, "Zeile  eins");
  EXPECT_FALSE(texts[1].FontStyle.Contains(fsBold));
  // A step inside the cell, and 2 mm short of its 200 units.
  EXPECT_EQ(texts[1].Points[0], (TPoint{10, 40}));
  EXPECT_EQ(texts[1].Rect, (TRect{10, 40, 190, 140}));
  EXPECT_EQ(texts[1].Options & ETO_CLIPPED, static_cast<unsigned>(ETO_CLIPPED));
  EXPECT_EQ(texts[1].Options & ETO_OPAQUE, 0u);
  EXPECT_EQ(texts[2].Rect, (TRect{210, 80, 390, 180}));
  // 8 points x 0.2 x 6 = 9.6, so 10 points of the grid's font.
  EXPECT_EQ(texts[1].FontName, "Tahoma");
  EXPECT_EQ(texts[1].FontHeight, -MulDiv(10, canvas.Font->GetPixelsPerInch(), 72));
}

TEST_F(GridPrint, TheHeaderAndColouredCellsAreFilled) {
  grid.SetFixedColor(clSilver);
  grid.SetColors(2, 2, clRed);
  druck_stiftbreite(2);
  druck_grid(0, 0, 40, &grid);
  const std::vector<TRecordedCall> fills = canvas.CallsOf(coRectangle);
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(fills[0].Rect, (TRect{0, 0, 400, 40}));
  EXPECT_EQ(fills[0].BrushColor, clSilver);
  EXPECT_EQ(fills[1].Rect, (TRect{0, 0, 0, 120}));  // the fixed columns: none
  EXPECT_EQ(fills[2].Rect, (TRect{200, 78, 400, 118}));
  EXPECT_EQ(fills[2].BrushColor, clRed);
  EXPECT_EQ(fills[2].PenColor, clRed);
  EXPECT_EQ(canvas.CallsOf(coLineTo)[0].PenColor, clBlack);
  // The canvas's own settings come back.
  EXPECT_EQ(canvas.Pen->GetWidth(), 2);
  EXPECT_NE(canvas.Font->GetName(), "Tahoma");
}

TEST_F(GridPrint, OnlyColumnsOfFormatLetterAPrintTheirTexts) {
  druck_spaltenformatsetzen("x");
  druck_grid(0, 0, 40, &grid);
  const std::vector<TRecordedCall> texts = canvas.CallsOf(coTextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, "rot");
}

TEST_F(GridPrint, AGridWithoutWidthPrintsNothing) {
  for (int c = 0; c < 3; ++c) grid.SetColWidths(c, 0);
  EXPECT_EQ(druck_grid(0, 0, 40, &grid), 0);
  grid.SetColCount(0);
  EXPECT_EQ(druck_grid(0, 0, 40, &grid), 0);
  EXPECT_TRUE(canvas.Calls.empty());
}

}  // namespace
