// The mini-HTML renderer on a recording canvas (8-pixel characters, 16-pixel lines): layout,
// links under the mouse, tags and their attributes, damaged markup; and its text functions.
#include <gtest/gtest.h>

#include <fstream>

#include "components/grid/html/HTMLColors.h"
#include "components/grid/html/HTMLDraw.h"
#include "picture_samples.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/recording_canvas.h"
#include "temp_folder.h"

namespace {

class HTMLDraw : public testing::Test {
 protected:
  TRecordingCanvas canvas;
  THTMLDrawParams params;
  THTMLDrawResult result;
  TRect rect{0, 0, 400, 100};

  bool Draw(const AnsiString& text) {
    canvas.Calls.clear();
    return HTMLDrawEx(&canvas, text, rect, params, result);
  }
  std::vector<TRecordedCall> Texts() const { return canvas.CallsOf(coTextOut); }
  AnsiString Joined() const {
    AnsiString all;
    for (const TRecordedCall& call : Texts()) all += (all.empty() ? "" : "|") + call.Text;
    return all;
  }
};

TEST_F(HTMLDraw, EmptyText) {
  EXPECT_FALSE(Draw(""));
  EXPECT_EQ(result.ExtentX, 0);
  EXPECT_EQ(result.ExtentY, 16);
  EXPECT_EQ(result.LinkCount, 0);
  EXPECT_EQ(result.LinkUnderMouse, -1);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(HTMLDraw, BoldInsidePlainText) {
  params.WordWrap = false;
  EXPECT_FALSE(Draw("plain <b>bold</b> text"));
  EXPECT_EQ(Joined(), "plain |bold| text");
  const std::vector<TRecordedCall> texts = Texts();
  EXPECT_FALSE(texts[0].FontStyle.Contains(fsBold));
  EXPECT_TRUE(texts[1].FontStyle.Contains(fsBold));
  EXPECT_FALSE(texts[2].FontStyle.Contains(fsBold));
  // One line after the 1-pixel left margin, each segment where the last ended.
  EXPECT_EQ(texts[0].Points[0], TPoint(1, 0));
  EXPECT_EQ(texts[1].Points[0].x, 1 + 6 * 8);
  EXPECT_EQ(texts[2].Points[0].x, 1 + 10 * 8);
  EXPECT_EQ(result.PlainText, "plain bold text");
  EXPECT_EQ(result.ExtentX, 15 * 8);
  EXPECT_EQ(result.ExtentY, 16);
  // The canvas is as it was.
  EXPECT_FALSE(canvas.Font->GetStyle().Contains(fsBold));
  EXPECT_EQ(canvas.Brush->GetStyle(), bsSolid);
}

TEST_F(HTMLDraw, EntitiesAndLineBreaks) {
  Draw("&lt;b&gt;x");
  EXPECT_EQ(Joined(), "<b>x");
  EXPECT_FALSE(Texts()[0].FontStyle.Contains(fsBold));
  Draw("&amp;lt;&euro;&copy;");
  EXPECT_EQ(Joined(), "<\x80\xA9");
  Draw("one<br>two\r\nthree<BR>");
  EXPECT_EQ(Joined(), "one|two|three");
  EXPECT_EQ(result.PlainText, "one\rtwo\rthree\r");
  EXPECT_EQ(Texts()[1].Points[0].y, 16);
  EXPECT_EQ(Texts()[2].Points[0].y, 32);
  EXPECT_EQ(result.ExtentY, 3 * 16);
  // The first "<#...>" shows as text.
  Draw("<#5> left");
  EXPECT_EQ(result.PlainText, "#5 left");
}

TEST_F(HTMLDraw, LinksUnderTheMouse) {
  const AnsiString text = "see <a href=\"one\">first</a> and <a href=\"two\">second</a>";
  params.WordWrap = false;
  params.HitTestOnly = true;
  params.MouseX = 1 + 16 * 8;  // inside "second"
  params.MouseY = 8;
  EXPECT_TRUE(Draw(text));
  EXPECT_TRUE(Texts().empty());  // hit-testing draws nothing
  EXPECT_EQ(result.LinkCount, 2);
  EXPECT_EQ(result.LinkUnderMouse, 2);
  EXPECT_EQ(result.AnchorValue, "two");
  EXPECT_EQ(result.LinkRect, TRect(1 + 14 * 8, 0, 1 + 20 * 8, 16));
  params.MouseX = 1 + 11 * 8;  // on " and "
  EXPECT_FALSE(Draw(text));
  EXPECT_EQ(result.LinkUnderMouse, -1);
  EXPECT_EQ(result.AnchorValue, "");
  params.MouseX = 1 + 16 * 8;
  params.MouseY = 40;  // below the line
  EXPECT_FALSE(Draw(text));
  EXPECT_EQ(result.LinkUnderMouse, -1);
  // Drawn, links take the link colour and an underline, and the text after them does not.
  params.HitTestOnly = false;
  params.LinkColor = clRed;
  Draw(text);
  const std::vector<TRecordedCall> texts = Texts();
  EXPECT_EQ(texts[1].Text, "first");
  EXPECT_EQ(texts[1].TextColor, clRed);
  EXPECT_TRUE(texts[1].FontStyle.Contains(fsUnderline));
  EXPECT_NE(texts[2].TextColor, clRed);
  EXPECT_FALSE(texts[2].FontStyle.Contains(fsUnderline));
  // Measuring finds no link and reports false.
  params.MeasureOnly = true;
  params.MouseY = 8;
  EXPECT_FALSE(Draw(text));
  EXPECT_EQ(result.LinkCount, 2);
}

TEST_F(HTMLDraw, FocusedLinkGetsItsRectangleAndValue) {
  params.WordWrap = false;
  params.FocusLink = 1;
  Draw("<a href=\"x\">ab</a> <a href=\"y\">cd</a>");
  EXPECT_EQ(result.FocusAnchor, "y");
  const std::vector<TRecordedCall> focus = canvas.CallsOf(coFocusRect);
  ASSERT_EQ(focus.size(), 1u);
  EXPECT_EQ(focus[0].Rect, TRect(1 + 3 * 8 - 1, 0, 1 + 5 * 8 + 1, 16));
}

TEST_F(HTMLDraw, WrapsAtSpacesInANarrowRectangle) {
  rect = {0, 0, 81, 100};  // 80 pixels after the margin: 9 characters fit
  Draw("aaa bbb ccc ddd");
  EXPECT_EQ(Joined(), "aaa bbb |ccc ddd");  // a line's text up to a tag is drawn whole
  EXPECT_EQ(result.PlainText, "aaa bbb ccc ddd");
  const std::vector<TRecordedCall> texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Points[0], TPoint(1, 0));
  EXPECT_EQ(texts[1].Points[0], TPoint(1, 16));
  EXPECT_EQ(result.ExtentY, 32);
  EXPECT_EQ(result.ExtentX, 7 * 8);  // the trailing space does not count
  // A word right after a tag stays on its line, overflowing.
  Draw("aaaaaaa<b>bbbb</b>");
  ASSERT_EQ(Texts().size(), 2u);
  EXPECT_EQ(Texts()[1].Points[0].y, 0);
  // A word wider than the rectangle fits anywhere; what follows it goes on.
  Draw("a bbbbbbbbbbbbbbb c");
  EXPECT_EQ(Joined(), "a bbbbbbbbbbbbbbb |c");
  EXPECT_EQ(Texts()[1].Points[0], TPoint(1, 16));
}

TEST_F(HTMLDraw, WithoutWordWrapOneLineEndsInAnEllipsis) {
  rect = {0, 0, 81, 100};
  params.WordWrap = false;
  Draw("aaaa <b>bbbbbbbbb</b> cc<br>next");
  EXPECT_EQ(result.PlainText, "aaaa bbbbbbbbb");  // the rest after the overflow goes
  const std::vector<TRecordedCall> texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].Text.substr(texts[1].Text.size() - 3), "...");
  EXPECT_EQ(result.ExtentY, 16);
}

TEST_F(HTMLDraw, FontSizesFacesAndColours) {
  canvas.Font->SetSize(8);
  Draw("<font size=\"3\">a</font><font size=\"9\">b</font><font size=\"0\">c</font>d");
  const std::vector<TRecordedCall> texts = Texts();
  const auto points = [](const TRecordedCall& call) { return -call.FontHeight * 72 / 96; };
  EXPECT_EQ(points(texts[0]), 12);
  EXPECT_EQ(points(texts[1]), 9);
  EXPECT_EQ(texts[2].FontHeight, 0);
  EXPECT_EQ(points(texts[3]), 8);  // back to the base size
  Draw("<font color=\"#FF0000\" face=\"Arial\">r</font><font color=\"clBlue\">b</font>k");
  EXPECT_EQ(Texts()[0].TextColor, static_cast<TColor>(0x0000FF));
  EXPECT_EQ(UpperCase(Texts()[0].FontName), "ARIAL");
  EXPECT_EQ(Texts()[1].TextColor, clBlue);
  EXPECT_EQ(Texts()[2].TextColor, canvas.Font->GetColor());
  // Selected text keeps its colour.
  params.Selected = true;
  Draw("<font color=\"#FF0000\">r</font>");
  EXPECT_EQ(Texts()[0].TextColor, canvas.Font->GetColor());
}

TEST_F(HTMLDraw, BackgroundsStylesAndMarks) {
  Draw("<font bgcolor=\"#00FF00\">g</font>n<i>i</i><u>u</u><s>s</s><hi>h</hi>");
  const std::vector<TRecordedCall> texts = Texts();
  EXPECT_EQ(texts[0].BrushStyle, bsSolid);
  EXPECT_EQ(texts[0].BrushColor, static_cast<TColor>(0x00FF00));
  EXPECT_EQ(texts[1].BrushStyle, bsClear);
  EXPECT_TRUE(texts[2].FontStyle.Contains(fsItalic));
  EXPECT_TRUE(texts[3].FontStyle.Contains(fsUnderline));
  EXPECT_TRUE(texts[4].FontStyle.Contains(fsStrikeOut));
  EXPECT_EQ(texts[5].BrushColor, clHighlight);
  EXPECT_EQ(texts[5].TextColor, clHighlightText);
  // Error marking draws a red zigzag under its text; shadows go first, offset.
  params.ShadowOffset = 2;
  Draw("<e>bad</e> <shad>s</shad>");
  const std::vector<TRecordedCall> lines = canvas.CallsOf(coPolyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].PenColor, clRed);
  EXPECT_EQ(lines[0].Points.front(), TPoint(0, 17));
  EXPECT_EQ(lines[0].Points[1], TPoint(2, 15));
  const std::vector<TRecordedCall> shadowed = Texts();
  ASSERT_EQ(shadowed.size(), 4u);
  EXPECT_EQ(shadowed[2].TextColor, clGray);
  EXPECT_EQ(shadowed[2].Points[0].x, shadowed[3].Points[0].x + 2);
}

TEST_F(HTMLDraw, HiddenSubscriptAndParagraphs) {
  Draw("a<z>hidden</z>b");
  EXPECT_EQ(Joined(), "a|b");
  EXPECT_EQ(result.PlainText, "ahiddenb");
  Draw("x<sub>2</sub>");
  EXPECT_EQ(result.ExtentY, 16 + 4);
  EXPECT_EQ(Texts()[1].Points[0].y, 4);  // lowered by a quarter line
  Draw("<p align=\"right\">r</p><p align=\"center\">c</p>");
  EXPECT_EQ(Texts()[0].Points[0].x, 400 - 8);
  EXPECT_EQ(Texts()[1].Points[0].x, 1 + (399 - 8) / 2);
  Draw("<ul><li>one<li>two</ul>");
  EXPECT_EQ(Joined(), "\x95|one|\x95|two");
  EXPECT_EQ(Texts()[1].Points[0], TPoint(13, 0));
  EXPECT_EQ(Texts()[3].Points[0], TPoint(13, 16));
}

TEST_F(HTMLDraw, ControlTagsWithAndWithoutWidth) {
  params.WordWrap = false;
  Draw("a<control type=\"edit\" id=\"e1\" value=\"v\">b");
  EXPECT_EQ(Texts()[1].Points[0].x, 1 + 8);  // no width: nothing drawn, no room
  EXPECT_TRUE(canvas.CallsOf(coRectangle).empty());
  Draw("a<control type=\"edit\" id=\"e1\" value=\"val\" width=\"50\">b");
  EXPECT_EQ(Joined(), "a|val|b");
  EXPECT_EQ(Texts()[2].Points[0].x, 1 + 8 + 50);
  EXPECT_EQ(canvas.CallsOf(coRectangle).size(), 1u);
  EXPECT_EQ(result.ExtentY, 16 + 6);
  params.MouseX = 1 + 8 + 20;
  params.MouseY = 5;
  params.HitTestOnly = true;
  EXPECT_TRUE(Draw("a<control type=\"edit\" id=\"e1\" value=\"val\" width=\"50\">b"));
  EXPECT_EQ(result.AnchorValue, "ctrl");
  EXPECT_EQ(result.ControlId, "e1");
  EXPECT_EQ(result.ControlValue, "val");
  EXPECT_EQ(result.ControlType, "EDIT");
  EXPECT_EQ(result.ControlRect, TRect(9, 0, 59, 22));
}

TEST_F(HTMLDraw, DamagedMarkupDrawsWithoutCrashOrRotationLeft) {
  const AnsiString text =
      "<r a=\"90\">up<b>b<font size=\"x\" color=\"#F\">c<a href=\"q\">d<img src=\"idx:9\">"
      "<control width=\"abc\"><ul><li><p align=\"\"><sub><z>e<IND x=\"zz\"></";
  for (std::size_t n = 0; n <= text.size(); ++n) {
    rect = {0, 0, static_cast<int>(n % 7) * 3, 40};  // down to no room at all
    params.WordWrap = n % 2 == 0;
    Draw(text.substr(0, n));
    EXPECT_EQ(canvas.Font->GetOrientation(), 0) << n;
    EXPECT_FALSE(canvas.Font->GetStyle().Contains(fsBold)) << n;
  }
  Draw("<r a=\"90\">turned");
  EXPECT_EQ(Texts()[0].FontEscapement, 900);
  EXPECT_EQ(canvas.Font->GetOrientation(), 0);
}

TEST_F(HTMLDraw, ImagesFromTheListTheContainerAndFiles) {
  params.WordWrap = false;
  TImageList images(16, 16);
  TBitmap bitmap;
  bitmap.SetSize(16, 16);
  images.Add(&bitmap, nullptr);
  params.Images = &images;
  Draw("a<img src=\"idx:0\">b<img src=\"IDX:7\">c");
  EXPECT_EQ(Texts()[1].Points[0].x, 1 + 8 + 16);
  EXPECT_EQ(Texts()[2].Points[0].x, 1 + 2 * 8 + 16);  // no such entry: no room
  // A named picture of the container, stretched to the size the tag gives.
  TPictureContainer container(nullptr);
  TPictureItem* item = container.GetItems()->Add();
  item->Name = "Logo";
  LoadBytes(*item->GetPicture(), RedPng());
  params.PictureContainer = &container;
  Draw("<img src=\"logo\" width=\"30\" height=\"40\">x");
  EXPECT_EQ(Texts()[0].Points[0], TPoint(1 + 30, 40 - 16));
  ASSERT_EQ(canvas.CallsOf(coStretchDraw).size(), 1u);
  EXPECT_EQ(canvas.CallsOf(coStretchDraw)[0].Rect, TRect(1, 0, 31, 40));
  EXPECT_EQ(result.ExtentY, 40);
  // ALIGN="TOP" raises the line's text to the image's top.
  Draw("<img src=\"logo\" width=\"30\" height=\"40\" align=\"top\">x");
  EXPECT_EQ(Texts()[0].Points[0], TPoint(1 + 30, 0));
  // A file keeps the case of its path.
  TempFolder folder;
  const std::string path = folder / "Mixed.png";
  const std::vector<uint8_t> png = RedPng();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()),
                                              static_cast<std::streamsize>(png.size()));
  THTMLPictureCache cache;
  params.PictureCache = &cache;
  Draw("<img src=\"file://" + path + "\">x");
  EXPECT_EQ(Texts()[0].Points[0].x, 1 + 4);
  Draw("<img src=\"file:///no/such.png\">x<img src=\"ssys:no such kind.zzq\">y");
  EXPECT_EQ(Joined(), "x|y");
  EXPECT_EQ(Texts()[1].Points[0].x, 1 + 8);
  // An image in a link hit-tests as the link.
  params.HitTestOnly = true;
  params.MouseX = 10;
  params.MouseY = 20;
  EXPECT_TRUE(Draw("<a href=\"pic\"><img src=\"logo\" width=\"30\" height=\"40\"></a>"));
  EXPECT_EQ(result.AnchorValue, "pic");
}

// Numbers in markup from files and drops are held to what a screen shows: on a real canvas
// no sum overflows and the text keeps a size a screen can hold.
TEST(HTMLDrawHostile, ExtremeNumbersAreBounded) {
  TBitmap bitmap;
  bitmap.SetSize(120, 40);
  TPictureContainer container(nullptr);
  TPictureItem* item = container.GetItems()->Add();
  item->Name = "Logo";
  LoadBytes(*item->GetPicture(), RedPng());
  THTMLDrawParams params;
  params.PictureContainer = &container;
  const char* texts[] = {
      "<font size=2147483647>big</font>",
      "<font size=-2147483647>big</font>",
      "a<ind x=2147483647>b<ind x=2147483647>c",
      "<p indent=2147483647>indented</p>",
      "<img src=\"logo\" width=\"2147483647\" height=\"2147483647\">"
      "<img src=\"logo\" width=\"2147483647\" height=\"9\">x",
      "<control type=\"edit\" id=\"e\" value=\"v\" width=\"2147483647\">"
      "<control type=\"edit\" id=\"f\" value=\"w\" width=\"2147483647\">x",
      "<r a=\"2147483647\">turned",
  };
  for (const char* text : texts) {
    for (bool wrap : {false, true}) {
      SCOPED_TRACE(text);
      params.WordWrap = wrap;
      THTMLDrawResult result;
      HTMLDrawEx(bitmap.Canvas, text, {0, 0, 120, 40}, params, result);
      EXPECT_LE(result.ExtentX, 1 << 24);
      EXPECT_LE(result.ExtentY, 1 << 24);
    }
  }
  THTMLDrawResult result;
  HTMLDrawEx(bitmap.Canvas, "<font size=2147483647>W</font>", {0, 0, 65535, 65535}, params, result);
  EXPECT_GT(result.ExtentY, 100);  // a large font still, not a damaged one
  EXPECT_LT(result.ExtentY, 4000);
}

TEST(HTMLColors, HexValuesAndNames) {
  EXPECT_EQ(HTMLHexColor("#102030"), static_cast<TColor>(0x302010));
  EXPECT_EQ(HTMLHexColor("#F0"), static_cast<TColor>(0xF0));  // missing digits count 0
  EXPECT_EQ(HTMLHexColor("#"), 0);
  EXPECT_EQ(NamedColorToColor("clRed"), static_cast<TColor>(0x0000FF));
  EXPECT_EQ(NamedColorToColor("CLBTNFACE"), static_cast<TColor>(0x8000000F));
  EXPECT_EQ(NamedColorToColor("cl3DDkShadow"), static_cast<TColor>(0x80000011));
  EXPECT_EQ(NamedColorToColor("clBlack"), 0);
  EXPECT_EQ(NamedColorToColor("purplish"), 0);
  EXPECT_EQ(HTMLAttrColor(""), clNone);
}

TEST(HTMLControls, ValuesReadAndWrittenBack) {
  AnsiString text = "x <CONTROL TYPE=\"edit\" ID=\"a\" WIDTH=\"40\" VALUE=\"1 &lt; 2\"> y "
                    "<control id=\"b\" value=\"old\" width=\"9\" type=\"check\">";
  AnsiString value;
  EXPECT_TRUE(GetControlValue(text, "a", value));
  EXPECT_EQ(value, "1 < 2");
  EXPECT_TRUE(GetControlValue(text, "b", value));
  EXPECT_EQ(value, "old");
  EXPECT_FALSE(GetControlValue(text, "A", value));  // IDs compare exactly
  EXPECT_TRUE(SetControlValue(text, "b", "say \"<hi>\""));
  EXPECT_EQ(text.substr(0, text.find(" y ") + 3),
            "x <CONTROL TYPE=\"edit\" ID=\"a\" WIDTH=\"40\" VALUE=\"1 &lt; 2\"> y ");
  EXPECT_EQ(text.substr(text.find(" y ") + 3),
            "<CONTROL ID=\"b\" VALUE=\"say &#34;&lt;hi&gt;&#34;\" WIDTH=\"9\" TYPE=\"CHECK\">");
  EXPECT_TRUE(GetControlValue(text, "b", value));
  EXPECT_EQ(value, "say \"<hi>\"");
  const AnsiString before = text;
  EXPECT_FALSE(SetControlValue(text, "zz", "v"));
  EXPECT_EQ(text, before);
  const THTMLControlTag tag = ParseControlTag("<control type=\"radio\" id=\"Id\">");
  EXPECT_EQ(tag.Type, "RADIO");
  EXPECT_EQ(tag.Id, "Id");
  EXPECT_EQ(tag.Width, "");
}

}  // namespace
