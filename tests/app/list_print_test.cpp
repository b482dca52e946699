// The list print: pages of 62 records under a header line, the table scaled from the list's
// layout pixels to millimetres, on the printer's PDF pages and on a recording canvas.
#include <QImage>

#include <algorithm>
#include <filesystem>

#include "ListPrintTest.h"
#include "pdf_pages.h"
#include "pdf_text.h"
#include "platform/core/datetime.h"

namespace {

// Two columns of 464 pixels: 928 pixels, 185 mm.
const std::vector<LayoutColumn> kFullWidth = {{0, "Bezeichnung", 464}, {1, "Preis", 464}};

class ListPrintTest : public ListPrint {
 protected:
  // Prints n parts in the layout onto the recording canvas.
  void PrintParts(int n, const std::vector<LayoutColumn>& layout = kFullWidth) {
    Parts(n);
    PrintLayout(layout);
  }
  void PrintLayout(const std::vector<LayoutColumn>& layout) {
    Layout(layout);
    canvas.Calls.clear();
    ASSERT_EQ(PrintRecorded(canvas), 1);
  }

  // How often the text was printed.
  int Printed(const AnsiString& text) const {
    const std::vector<AnsiString> texts = TextsOf(canvas);
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
  }

  TRecordingCanvas canvas{20, 40, 2480, 3508, 300};  // 2 mm a character, lines of 4 mm
};

std::vector<TRecordedCall> Lines(const TRecordingCanvas& canvas) {
  return canvas.CallsOf(coLineTo);
}

TEST_F(ListPrintTest, ACancelledSetupDialogPrintsNothing) {
  Parts(3);
  Layout(kFullWidth);
  log.Answer(mrCancel);
  EXPECT_EQ(druck_liste(&list, "Liste1"), -1);
  EXPECT_EQ(log.printDialogs, 1);
  EXPECT_FALSE(std::filesystem::exists(Pdf()));
  EXPECT_FALSE(form->XPrint1->GetPrinting());
}

TEST_F(ListPrintTest, WithoutPrintersNoDialogShowsAndNothingPrints) {
  Parts(3);
  Layout(kFullWidth);
  SetInstalledPrinters({});
  form = std::make_unique<TfrmDbaseIndexPrint>(nullptr);
  frmDbaseIndexPrint = form.get();
  EXPECT_EQ(Print(), -1);
  EXPECT_EQ(log.printDialogs, 0);
}

TEST_F(ListPrintTest, SixtyTwoHitsFillOnePage) {
  PrintParts(62);
  EXPECT_EQ(PdfPageCount(Pdf()), 1);
  EXPECT_EQ(Printed("Liste1"), 1);
  EXPECT_EQ(Printed("Teil 62"), 1);
  EXPECT_EQ(Printed("62,50"), 1);  // the column of field 1
}

// Page 2 holds record 63 alone, in its first row, and is ruled as the first: a frame of four
// lines, one rule between the columns and 62 between the rows on each page.
TEST_F(ListPrintTest, TheSixtyThirdHitStartsASecondPageOfEmptyRuledRows) {
  PrintParts(63);
  EXPECT_EQ(PdfPageCount(Pdf()), 2);
  const std::vector<TRecordedCall> texts = canvas.CallsOf(coTextOut);
  auto find = [&](const AnsiString& text) {
    return std::find_if(texts.begin(), texts.end(),
                        [&](const TRecordedCall& c) { return c.Text == text; });
  };
  EXPECT_EQ(Printed("Liste1"), 2);
  ASSERT_NE(find("Teil 63"), texts.end());
  EXPECT_GT(find("Teil 63") - find("Teil 62"), 0);
  EXPECT_EQ(find("Teil 63")->Points[0], find("Teil 1")->Points[0]);
  EXPECT_EQ(Lines(canvas).size(), 2 * (4 + 1 + 62u));

  // On paper the empty rows of page 2 are ruled down to the table's end, as on page 1.
  const QRect page1 = InkOf(RenderPdfPage(Pdf(), 1, 50));
  const QRect page2 = InkOf(RenderPdfPage(Pdf(), 2, 50));
  EXPECT_EQ(page2.bottom(), page1.bottom());
  EXPECT_EQ(page2.left(), page1.left());
  EXPECT_EQ(page2.right(), page1.right());
}

TEST_F(ListPrintTest, NoHitsPrintOnePageWithAnEmptyTable) {
  PrintParts(0);
  EXPECT_EQ(PdfPageCount(Pdf()), 1);
  EXPECT_EQ(Printed("Bezeichnung") + Printed("Preis"), 2);
  EXPECT_EQ(TextsOf(canvas).size(), 4u);  // title, date and page, the two headers
  EXPECT_EQ(Lines(canvas).size(), 4 + 1 + 62u);
}

// 928 layout pixels become 185 mm, from the left margin at 15 mm; the table starts 15 mm
// below the top margin at 10 mm, and 63 rows of 21 pixels, 1323 pixels, are 264 mm high.
TEST_F(ListPrintTest, ALayoutOf928PixelsPrints185MillimetresWide) {
  PrintParts(5);
  const std::vector<TRecordedCall> lines = Lines(canvas);
  ASSERT_FALSE(lines.empty());
  // The frame: down, right, up, back.
  const TRecordedCall& bottom = lines[lines.size() - 3];
  EXPECT_EQ(bottom.Points[0], (TPoint{0, 150 + 2640}));
  EXPECT_EQ(bottom.Points[1], (TPoint{1850, 150 + 2640}));
  EXPECT_EQ(bottom.PenWidth, 3);
  // The rule between the columns sits at 92.5 mm, rounded to whole millimetres.
  EXPECT_EQ(lines[0].Points[0].x, 930);

  // On paper: ink from 15 mm to 200 mm across (300 dpi: 177 to 2362 dots).
  Print();
  const QRect ink = InkOf(RenderPdfPage(Pdf(), 1, 300, QRect(0, 300, 2480, 3000)));
  EXPECT_NEAR(ink.left(), 177, 3);
  EXPECT_NEAR(ink.right(), 2362, 3);
}

// Wider than the paper: the table shrinks to the 185 mm between the margins, rows and type
// with it, and every column stays on the page; 62 records still fit below each other.
TEST_F(ListPrintTest, ALayoutOfTwice928PixelsShrinksToTheWidthBetweenTheMargins) {
  PrintParts(62, {{0, "Bezeichnung", 928}, {1, "Preis", 928}});
  const std::vector<TRecordedCall> lines = Lines(canvas);
  const TRecordedCall& bottom = lines[lines.size() - 3];
  EXPECT_EQ(bottom.Points[1].x, 1850);
  EXPECT_EQ(bottom.Points[0].y, 150 + 1320);  // half the height: 1323 pixels are 132 mm
  EXPECT_EQ(lines[0].Points[0].x, 930);       // the rule between the columns, halfway
  EXPECT_EQ(Printed("62,50"), 1);
  EXPECT_EQ(PdfPageCount(Pdf()), 1);
}

// Landscape chosen in the setup dialog turns the page: 43 records fit A4 across.
TEST_F(ListPrintTest, ALandscapePageHoldsTheRecordsItsHeightTakes) {
  Parts(62);
  Layout(kFullWidth);
  log.AnswerPrint([](PrintDialogRequest& r) { r.settings.Orientation = poLandscape; });
  ASSERT_EQ(druck_liste(&list, "Liste1"), 1);
  EXPECT_EQ(PdfPageSize(Pdf()), "842 x 595");
  EXPECT_EQ(PdfPageCount(Pdf()), 2);
  const std::string text = PdfText(Pdf());
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  const std::string first = text.substr(0, text.find('\f'));
  EXPECT_NE(first.find("Teil 43\n"), std::string::npos);
  EXPECT_EQ(first.find("Teil 44"), std::string::npos);
}

TEST_F(ListPrintTest, ColumnsOfADamagedDefinitionStayOnThePaper) {
  PrintParts(1, {{0, "Bezeichnung", 1500000000}});
  const std::vector<TRecordedCall> lines = Lines(canvas);
  EXPECT_EQ(lines[lines.size() - 3].Points[1].x, 1850);
}

TEST_F(ListPrintTest, OnPage2TheHeaderShowsTitleDateAndPage) {
  TClockScope clock([] { return EncodeDate(2013, 3, 5) + 0.5; });
  PrintParts(70);
  std::vector<TRecordedCall> titles, dates;
  for (const TRecordedCall& call : canvas.CallsOf(coTextOut)) {
    if (call.Text == "Liste1") titles.push_back(call);
    if (call.Text == "05.03.2013, Seite: 2") dates.push_back(call);
  }
  ASSERT_EQ(titles.size(), 2u);
  ASSERT_EQ(dates.size(), 1u);
  const TRecordedCall& title = titles[1];
  const TRecordedCall& right = dates[0];
  EXPECT_EQ(title.Text, "Liste1");
  EXPECT_EQ(title.Points[0], (TPoint{0, 0}));
  EXPECT_TRUE(title.FontStyle.Contains(fsBold));
  EXPECT_EQ(title.FontName, "ARIAL");
  EXPECT_EQ(right.Text, "05.03.2013, Seite: 2");
  // Flush right: 20 characters before the printable width's end.
  EXPECT_EQ(right.Points[0], (TPoint{form->XPrint1->PrintWidth - 20 * 20, 0}));
  EXPECT_FALSE(right.FontStyle.Contains(fsBold));
  EXPECT_LT(std::abs(right.FontHeight), std::abs(title.FontHeight));  // 10 against 12 points

  Print();
  const std::string text = PdfText(Pdf());
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  const std::string second = text.substr(text.find('\f') + 1);
  EXPECT_NE(second.find("Liste1"), std::string::npos);
  EXPECT_NE(second.find("05.03.2013, Seite: 2"), std::string::npos);
  EXPECT_NE(second.find("Teil 63"), std::string::npos);
}

// The list's column count of 1 leaves the print grid no columns, and columns of no width
// give no scale: the header prints, the table does not.
TEST_F(ListPrintTest, ALayoutWithoutWidthPrintsTheHeaderAndNoTable) {
  Parts(3);
  for (const std::vector<LayoutColumn>& layout :
       {std::vector<LayoutColumn>{},
        std::vector<LayoutColumn>{{0, "Bezeichnung", 0}, {1, "Preis", 0}}}) {
    PrintLayout(layout);
    EXPECT_EQ(TextsOf(canvas).size(), 2u);
    EXPECT_TRUE(Lines(canvas).empty());
    EXPECT_TRUE(canvas.CallsOf(coRectangle).empty());
  }
  EXPECT_EQ(PdfPageCount(Pdf()), 1);
}

TEST_F(ListPrintTest, EveryPrintFormatsAllColumnsAsOneLine) {
  Parts(1);
  Layout(kFullWidth);
  druck_spaltenformat.fill('x');
  Print();
  for (char letter : druck_spaltenformat) EXPECT_EQ(letter, 'a');
  EXPECT_EQ(druck_schriftfaktor, 6.0);
  EXPECT_EQ(druck_xprint, form->XPrint1);
  EXPECT_EQ(form->XPrint1->MarginLeft, 150);
  EXPECT_EQ(form->XPrint1->MarginTop, 100);
}

}  // namespace
