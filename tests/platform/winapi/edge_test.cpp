#include <gtest/gtest.h>

#include "paint_helpers.h"
#include "platform/winapi/edge.h"
#include "platform/winapi/gdi.h"
#include "platform/graphics/recording_canvas.h"
#include "platform/winapi/theme.h"

namespace {

TColor Sys(TColor c) { return ColorToRGB(c); }

TEST(EdgeTest, RaisedAndSunkenEdgesUseTheSystemColoursAndAdjust) {
  auto bitmap = WhiteBitmap(40, 40);
  TCanvas* c = bitmap->Canvas;
  TRect r(0, 0, 20, 20);
  DrawEdge(c, &r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE);
  EXPECT_EQ(r, Rect(2, 2, 18, 18));
  EXPECT_EQ(c->GetPixels(0, 5), Sys(cl3DLight));
  EXPECT_EQ(c->GetPixels(1, 5), Sys(clBtnHighlight));
  EXPECT_EQ(c->GetPixels(19, 5), Sys(cl3DDkShadow));
  EXPECT_EQ(c->GetPixels(18, 5), Sys(clBtnShadow));
  EXPECT_EQ(c->GetPixels(10, 10), Sys(clBtnFace));

  TRect s(20, 20, 40, 40);
  DrawEdge(c, &s, EDGE_SUNKEN, BF_LEFT | BF_BOTTOM);
  EXPECT_EQ(s, Rect(20, 20, 40, 40));  // no BF_ADJUST
  EXPECT_EQ(c->GetPixels(20, 25), Sys(clBtnShadow));
  EXPECT_EQ(c->GetPixels(21, 25), Sys(cl3DDkShadow));
  EXPECT_EQ(c->GetPixels(30, 39), Sys(clBtnHighlight));
  EXPECT_EQ(c->GetPixels(30, 20), clWhite);  // the top side was not asked for
  EXPECT_EQ(c->GetPixels(39, 25), clWhite);
}

TEST(EdgeTest, EtchedFlatAndMonoEdges) {
  auto bitmap = WhiteBitmap(30, 10);
  TCanvas* c = bitmap->Canvas;
  TRect r(0, 0, 10, 10);
  DrawEdge(c, &r, EDGE_ETCHED, BF_RECT);
  EXPECT_EQ(c->GetPixels(0, 5), Sys(clBtnShadow));
  EXPECT_EQ(c->GetPixels(1, 5), Sys(clBtnHighlight));
  r = Rect(10, 0, 20, 10);
  DrawEdge(c, &r, EDGE_RAISED, BF_RECT | BF_FLAT);
  EXPECT_EQ(c->GetPixels(10, 5), Sys(clBtnShadow));
  EXPECT_EQ(c->GetPixels(19, 5), Sys(clBtnShadow));
  r = Rect(20, 0, 30, 10);
  DrawEdge(c, &r, EDGE_SUNKEN, BF_RECT | BF_MONO);
  EXPECT_EQ(c->GetPixels(20, 5), Sys(clWindowFrame));
}

TEST(EdgeTest, DrawingEdgesLeavesTheCanvasToolsAsTheyWere) {
  TRecordingCanvas c;
  c.Brush->SetColor(clYellow);
  SetBkMode(&c, TRANSPARENT);
  TRect r(0, 0, 10, 10);
  DrawEdge(&c, &r, EDGE_BUMP, BF_RECT);
  EXPECT_EQ(c.CallsOf(coFillRect).size(), 8u);
  EXPECT_EQ(c.Brush->GetColor(), clYellow);
  EXPECT_EQ(GetBkMode(&c), TRANSPARENT);
}

TEST(FrameControlTest, CheckBoxesInTheirStates) {
  auto bitmap = WhiteBitmap(60, 20);
  TCanvas* c = bitmap->Canvas;
  TRect unchecked(0, 0, 13, 13), checked(20, 0, 33, 13), inactive(40, 0, 53, 13);
  DrawFrameControl(c, &unchecked, DFC_BUTTON, DFCS_BUTTONCHECK);
  DrawFrameControl(c, &checked, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  DrawFrameControl(c, &inactive, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(c->GetPixels(0, 0), Sys(clBtnShadow));
  EXPECT_EQ(c->GetPixels(6, 6), Sys(clWindow));
  auto countInk = [&](int left, TColor ink) {
    int n = 0;
    for (int y = 2; y < 11; ++y)
      for (int x = left + 2; x < left + 11; ++x) n += c->GetPixels(x, y) == Sys(ink);
    return n;
  };
  EXPECT_EQ(countInk(0, clWindowText), 0);
  EXPECT_GT(countInk(20, clWindowText), 5);
  EXPECT_GT(countInk(40, clGrayText), 5);
  EXPECT_EQ(c->GetPixels(42, 2), Sys(clBtnFace));
}

TEST(FrameControlTest, RadioAndPushButtons) {
  auto bitmap = WhiteBitmap(80, 30);
  TCanvas* c = bitmap->Canvas;
  TRect radio(0, 0, 13, 13);
  DrawFrameControl(c, &radio, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(c->GetPixels(6, 6), Sys(clWindowText));
  EXPECT_EQ(c->GetPixels(0, 0), clWhite);  // round: the corner stays
  TRect up(20, 0, 50, 20), down(50, 0, 80, 20);
  DrawFrameControl(c, &up, DFC_BUTTON, DFCS_BUTTONPUSH);
  DrawFrameControl(c, &down, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(c->GetPixels(35, 10), Sys(clBtnFace));
  EXPECT_EQ(c->GetPixels(49, 10), Sys(cl3DDkShadow));  // raised: dark on the right
  EXPECT_EQ(c->GetPixels(50, 10), Sys(clBtnShadow));   // pushed: dark on the left
  TRect combo(0, 14, 16, 30);
  DrawFrameControl(c, &combo, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  EXPECT_EQ(c->GetPixels(8, 22), Sys(clBtnText));  // the arrow
}

TEST(ThemeTest, ThemedCheckBoxDrawsThroughTheStyle) {
  ASSERT_TRUE(IsThemeActive());
  HTHEME theme = OpenThemeData(nullptr, "BUTTON");
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(OpenThemeData(nullptr, "window"), nullptr);
  auto on = WhiteBitmap(20, 20);
  auto off = WhiteBitmap(20, 20);
  TRect r(2, 2, 15, 15);
  EXPECT_EQ(DrawThemeBackground(theme, on->Canvas, BP_CHECKBOX, CBS_CHECKEDNORMAL, &r, nullptr), S_OK);
  DrawThemeBackground(theme, off->Canvas, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, &r, nullptr);
  TRect ink = InkBox(*on);
  EXPECT_FALSE(IsRectEmpty(ink));
  EXPECT_GE(ink.Left, 2);
  EXPECT_LE(ink.Right, 15);
  bool differs = false;
  for (int y = 2; y < 15; ++y)
    for (int x = 2; x < 15; ++x) differs |= on->Canvas->GetPixels(x, y) != off->Canvas->GetPixels(x, y);
  EXPECT_TRUE(differs);
  CloseThemeData(theme);
}

}  // namespace
