#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/controls/forms.h"
#include "platform/stdctrls/richedit.h"

namespace {

const TRichAttributes kPlain;
const TRichAttributes kBold{TFontStyles{fsBold}, 0, clNone};
const TRichAttributes kRedBig{TFontStyles{fsItalic, fsUnderline}, 14, clRed};

TEST(RichEdit, SpansComeBackAsTheyWentInWithParagraphsAsLineEnds) {
  TForm form{nullptr};
  TRichEdit edit(&form);
  const std::vector<TRichSpan> spans = {
      {"plain ", kPlain}, {"bold", kBold}, {"\r\n", kPlain}, {"red", kRedBig}};
  edit.SetSpans(spans);
  EXPECT_EQ(edit.GetSpans(), spans);
  EXPECT_EQ(edit.GetText(), "plain bold\r\nred");
  EXPECT_FALSE(edit.GetModified());  // set by the program, as a text is
  // Line ends inside a run start paragraphs too; positions count them as two characters.
  edit.SetSpans({{"one\r\ntwo", kBold}});
  EXPECT_EQ(edit.GetSpans(),
            (std::vector<TRichSpan>{{"one", kBold}, {"\r\n", kPlain}, {"two", kBold}}));
  edit.SetSelStart(5);
  edit.SetSelLength(3);
  EXPECT_EQ(edit.GetSelText(), "two");
  // Setting a plain text drops the formats.
  edit.SetText("x");
  EXPECT_EQ(edit.GetSpans(), (std::vector<TRichSpan>{{"x", kPlain}}));
}

TEST(RichEdit, SelectionAttributesFormatTheSelectionAndTheTyping) {
  TForm form{nullptr};
  TRichEdit edit(&form);
  edit.SetText("abcdef");
  edit.SetSelStart(2);
  edit.SetSelLength(2);
  edit.SetSelAttributes(kRedBig);
  EXPECT_EQ(edit.GetSpans(),
            (std::vector<TRichSpan>{{"ab", kPlain}, {"cd", kRedBig}, {"ef", kPlain}}));
  EXPECT_EQ(edit.GetSelAttributes(), kRedBig);
  edit.SetSelStart(6);
  edit.SetSelAttributes(kBold);
  edit.SetSelText("!");
  EXPECT_EQ(edit.GetSpans().back(), (TRichSpan{"!", kBold}));
  EXPECT_TRUE(edit.GetModified());
}

TEST(RichEdit, ReportsEachSelectionChangeOnce) {
  TForm form{nullptr};
  TRichEdit edit(&form);
  int reports = 0;
  edit.OnSelectionChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &edit);
    ++reports;
  };
  edit.SetText("hello");
  reports = 0;
  edit.SelectAll();
  EXPECT_EQ(reports, 1);
  edit.SelectAll();
  EXPECT_EQ(reports, 1);  // nothing changed
  edit.SetSelStart(1);
  EXPECT_EQ(reports, 2);
}

TEST(RichEdit, AsksForTheHeightOfItsWholeText) {
  TForm form{nullptr};
  TRichEdit edit(&form);
  edit.SetParent(&form);
  edit.SetBounds(0, 0, 100, 20);
  edit.SetBorderStyle(bsNone);  // the client area is the whole control
  form.Show();
  std::vector<TRect> asked;
  edit.OnResizeRequest = [&](TObject*, const TRect& rect) { asked.push_back(rect); };
  edit.SetText("one\r\ntwo\r\nthree");
  ASSERT_FALSE(asked.empty());
  const int three = asked.back().Height();
  EXPECT_EQ(asked.back().Width(), 100);
  edit.SetText("one");
  const int one = asked.back().Height();
  EXPECT_GT(three, 2 * one - 10);
  // The room kept around the text counts too: 10 pixels above and below, not 1.
  edit.SetFormatRect(TRect(2, 10, 98, 10));
  edit.SetText("one\r\ntwo\r\nthree");
  EXPECT_EQ(asked.back().Height(), three + 18);
}

// The grid's cell editor: no frame, the text two pixels inside, the field's colour around it.
TEST(RichEdit, BorderlessWithFormatRectangleShowsTheFieldAroundTheText) {
  TForm form{nullptr};
  TRichEdit edit(&form);
  edit.SetParent(&form);
  edit.SetBounds(0, 0, 100, 40);
  edit.SetColor(clYellow);
  edit.SetBorderStyle(bsNone);
  edit.SetFormatRect(TRect(2, 2, 98, 38));
  edit.SetSpans({{"WWWW", TRichAttributes{TFontStyles{fsBold}, 20, clBlack}}});
  EXPECT_EQ(edit.GetFormatRect(), TRect(2, 2, 98, 38));
  const QImage image = edit.Widget()->grab().toImage();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(image.pixelColor(i, i), QColor(Qt::yellow)) << i;
    EXPECT_EQ(image.pixelColor(50, i), QColor(Qt::yellow)) << i;
  }
  int dark = 0;
  for (int x = 2; x < 60; ++x)
    for (int y = 2; y < 30; ++y) dark += image.pixelColor(x, y).lightness() < 100;
  EXPECT_GT(dark, 20);
}

}  // namespace
