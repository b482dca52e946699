#include <gtest/gtest.h>

#include <cstring>

#include "paint_helpers.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/recording_canvas.h"

namespace {

// Every character 8 units wide, every line 16 high.
class DrawTextTest : public ::testing::Test {
 protected:
  TRecordingCanvas canvas;

  int Draw(const char* text, TRect r, unsigned format) {
    canvas.Calls.clear();
    return DrawText(&canvas, text, -1, &r, format);
  }
  std::vector<TRecordedCall> Texts() { return canvas.CallsOf(coTextOut); }
  TPoint At(size_t i) { return Texts().at(i).Points[0]; }
};

TEST_F(DrawTextTest, HorizontalAlignment) {
  TRect r(10, 20, 110, 60);
  Draw("abcd", r, DT_LEFT | DT_SINGLELINE);
  EXPECT_EQ(At(0), Point(10, 20));
  Draw("abcd", r, DT_CENTER | DT_SINGLELINE);
  EXPECT_EQ(At(0), Point(44, 20));
  Draw("abcd", r, DT_RIGHT | DT_SINGLELINE);
  EXPECT_EQ(At(0), Point(78, 20));
  EXPECT_EQ(Texts()[0].Text, "abcd");
  EXPECT_EQ(Texts()[0].Options, unsigned{ETO_CLIPPED});
  EXPECT_EQ(Texts()[0].Rect, r);
  Draw("abcd", r, DT_NOCLIP);
  EXPECT_EQ(Texts()[0].Options, 0u);
}

TEST_F(DrawTextTest, VerticalCentringAndBottomOnlyOnASingleLine) {
  TRect r(0, 0, 100, 50);
  EXPECT_EQ(Draw("ab", r, DT_VCENTER | DT_SINGLELINE), 33);
  EXPECT_EQ(At(0), Point(0, 17));
  EXPECT_EQ(Draw("ab", r, DT_BOTTOM | DT_SINGLELINE), 50);
  EXPECT_EQ(At(0), Point(0, 34));
  // Without DT_SINGLELINE both flags are ignored.
  EXPECT_EQ(Draw("ab", r, DT_VCENTER | DT_BOTTOM), 16);
  EXPECT_EQ(At(0), Point(0, 0));
}

TEST_F(DrawTextTest, LineBreaksAndSingleLine) {
  Draw("one\r\ntwo\nthree\rfour", Rect(0, 0, 200, 100), DT_LEFT);
  ASSERT_EQ(Texts().size(), 4u);
  EXPECT_EQ(Texts()[2].Text, "three");
  EXPECT_EQ(At(3), Point(0, 48));
  Draw("one\r\ntwo", Rect(0, 0, 200, 100), DT_SINGLELINE);
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0].Text, "onetwo");
}

TEST_F(DrawTextTest, WordBreakKeepsWordsWholeAndDropsTrailingBlanks) {
  // 10 characters a line.
  Draw("the quick brown fox jumps", Rect(0, 0, 80, 200), DT_WORDBREAK);
  std::vector<AnsiString> lines;
  for (const auto& t : Texts()) lines.push_back(t.Text);
  EXPECT_EQ(lines, (std::vector<AnsiString>{"the quick", "brown fox", "jumps"}));
  EXPECT_EQ(At(2), Point(0, 32));
  // Right alignment measures the line without its blank.
  Draw("aaa bbb", Rect(0, 0, 40, 100), DT_WORDBREAK | DT_RIGHT);
  EXPECT_EQ(At(0), Point(16, 0));
  // A word longer than the line overflows; DT_EDITCONTROL breaks it.
  Draw("abcdefghijkl x", Rect(0, 0, 80, 200), DT_WORDBREAK);
  EXPECT_EQ(Texts()[0].Text, "abcdefghijkl");
  Draw("abcdefghijkl x", Rect(0, 0, 80, 200), DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_EQ(Texts()[0].Text, "abcdefghij");
  EXPECT_EQ(Texts()[1].Text, "kl x");
}

TEST_F(DrawTextTest, EditControlDropsAPartlyVisibleLastLine) {
  TRect r(0, 0, 80, 40);  // two and a half lines
  Draw("a\nb\nc", r, 0);
  EXPECT_EQ(Texts().size(), 3u);
  Draw("a\nb\nc", r, DT_EDITCONTROL);
  EXPECT_EQ(Texts().size(), 2u);
}

TEST_F(DrawTextTest, EndEllipsisCutsToFit) {
  Draw("abcdefghijklmnop", Rect(0, 0, 80, 20), DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(Texts()[0].Text, "abcdefg...");
  Draw("abcdefgh", Rect(0, 0, 80, 20), DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(Texts()[0].Text, "abcdefgh");
}

TEST_F(DrawTextTest, PrefixesUnderlineUnlessNoPrefix) {
  Draw("&Save && quit", Rect(0, 0, 200, 20), DT_SINGLELINE);
  EXPECT_EQ(Texts()[0].Text, "Save & quit");
  EXPECT_EQ(Texts()[0].Underline, 0);
  Draw("&Save", Rect(0, 0, 200, 20), DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(Texts()[0].Text, "&Save");
  EXPECT_EQ(Texts()[0].Underline, -1);
}

TEST_F(DrawTextTest, CalcRectMeasuresAndDrawsNothing) {
  TRect r(10, 10, 90, 10);
  EXPECT_EQ(DrawText(&canvas, "the quick brown fox", -1, &r, DT_CALCRECT | DT_WORDBREAK), 32);
  EXPECT_EQ(r, Rect(10, 10, 82, 42));
  EXPECT_TRUE(Texts().empty());
  r = Rect(0, 0, 10, 0);
  DrawText(&canvas, "wider than the box", -1, &r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r, Rect(0, 0, 144, 16));
  r = Rect(0, 0, 10, 0);
  DrawText(&canvas, "abc", 2, &r, DT_CALCRECT);  // a count limits the text
  EXPECT_EQ(r.Right, 16);
}

TEST_F(DrawTextTest, TabsExpandToStopsOfEightAverageCharacters) {
  Draw("a\tb", Rect(0, 0, 400, 20), DT_EXPANDTABS | DT_SINGLELINE);
  ASSERT_EQ(Texts().size(), 2u);
  EXPECT_EQ(At(1), Point(64, 0));
  DRAWTEXTPARAMS params;
  params.iTabLength = 4;
  params.iLeftMargin = 5;
  TRect r(0, 0, 400, 20);
  canvas.Calls.clear();
  DrawTextEx(&canvas, const_cast<char*>("a\tb"), -1, &r, DT_EXPANDTABS | DT_SINGLELINE, &params);
  EXPECT_EQ(At(0), Point(5, 0));
  EXPECT_EQ(At(1), Point(37, 0));
  EXPECT_EQ(params.uiLengthDrawn, 3u);
}

TEST_F(DrawTextTest, ExternalLeadingAndOpaqueBackground) {
  Draw("a\nb", Rect(0, 0, 100, 100), DT_EXTERNALLEADING);
  EXPECT_EQ(At(1), Point(0, 16));  // the fixed metrics have no leading
  canvas.Brush->SetStyle(bsClear);
  Draw("a", Rect(0, 0, 100, 100), 0);
  EXPECT_EQ(Texts()[0].BkMode, TRANSPARENT);
}

TEST_F(DrawTextTest, LowMetricLaysLinesDownThePage) {
  SetMapMode(&canvas, MM_LOMETRIC);
  TRect r(100, -100, 500, -400);
  int height = DrawText(&canvas, "a\nb", -1, &r, DT_RIGHT);
  EXPECT_EQ(height, 32);
  EXPECT_EQ(At(0), Point(492, -100));
  EXPECT_EQ(At(1), Point(492, -116));
  TRect calc(100, -100, 500, -100);
  DrawText(&canvas, "abc", -1, &calc, DT_CALCRECT);
  EXPECT_EQ(calc, Rect(100, -100, 124, -116));
}

TEST(DrawTextPixelsTest, AlignmentsLandInTheRectangle) {
  auto bitmap = WhiteBitmap(200, 60);
  TCanvas* c = bitmap->Canvas;
  c->Font->SetHeight(-16);
  c->Brush->SetStyle(bsClear);
  TRect r(20, 10, 180, 50);
  TSize size = c->TextExtent("Mm");
  DrawText(c, "Mm", -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  TRect ink = InkBox(*bitmap);
  EXPECT_LE(ink.Right, 180);
  EXPECT_GE(ink.Right, 176);
  EXPECT_LE(ink.Bottom, 50);
  EXPECT_GE(ink.Top, 50 - size.cy);

  auto centred = WhiteBitmap(200, 60);
  centred->Canvas->Font->SetHeight(-16);
  centred->Canvas->Brush->SetStyle(bsClear);
  DrawText(centred->Canvas, "Mm", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ink = InkBox(*centred);
  EXPECT_NEAR((ink.Left + ink.Right) / 2, 100, 3);
  EXPECT_NEAR((ink.Top + ink.Bottom) / 2, 30, 4);

  // Clipped to the rectangle unless DT_NOCLIP.
  auto clipped = WhiteBitmap(200, 60);
  clipped->Canvas->Font->SetHeight(-30);
  clipped->Canvas->Brush->SetColor(clYellow);  // an opaque background shows the clipping
  TRect small(10, 10, 30, 20);
  DrawText(clipped->Canvas, "WWWW", -1, &small, DT_SINGLELINE);
  EXPECT_EQ(InkBox(*clipped), Rect(10, 10, 30, 20));
}

}  // namespace
