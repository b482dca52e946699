// The list print on the queues of a private print service, on A4, A5 and US Letter: every
// record and every column of the widest bundled layout lies in the paper's printable area,
// read back with poppler from the pages the queue received.
#include <QImage>

#include <map>
#include <regex>

#include "ListPrintTest.h"
#include "pdf_pages.h"
#include "pdf_text.h"
#include "print_service.h"
#include "tools/sample/SampleDatabase.h"

namespace {

constexpr int kParts = 157;  // as many as the bundled database has

// The bundled layout with the most pixels: its first column shows the part's name, its last
// the price, the ones between a blank field.
std::vector<LayoutColumn> WidestBundledLayout() {
  const DbmDefinition bundled = SampleDefinition();
  const DbmLayout* widest = nullptr;
  int most = 0;
  for (const DbmLayout& layout : bundled.layouts) {
    int width = 0;
    for (int c = 0; c + 1 < layout.columnCount; ++c) width += layout.columns[c].width;
    if (width > most) most = width, widest = &layout;
  }
  std::vector<LayoutColumn> columns;
  for (int c = 0; widest && c + 1 < widest->columnCount; ++c)
    columns.push_back({c == 0                         ? 0
                       : c + 2 == widest->columnCount ? 1
                                                      : 2,
                       widest->columns[c].title, widest->columns[c].width});
  return columns;
}

// How often each number follows the pattern's text in the text.
std::map<int, int> Counts(const std::string& text, const char* pattern) {
  std::map<int, int> counts;
  const std::regex number(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    ++counts[std::stoi((*it)[1])];
  return counts;
}

class ListPrintOnPaper : public ListPrint {
 protected:
  void SetUp() override {
    ListPrint::SetUp();
    service = PrintService::Get();
    if (!service) GTEST_SKIP() << PrintService::Why();
    layout = WidestBundledLayout();
    ASSERT_GT(layout.size(), 5u);
    Parts(kParts);
    Layout(layout);
  }

  // A queue of the office printer, on its own paper where one is named, read as the program
  // reads the printers at its start.
  void UseQueue(const std::string& name, const std::string& paper = "") {
    ASSERT_TRUE(service->AddQueue(name, "office.ppd")) << service->Said();
    if (!paper.empty()) {
      ASSERT_TRUE(service->Run("lpadmin -p " + name + " -o PageSize=" + paper));
    }
    ReadInstalledPrinters();
  }
  // Prints with the queue chosen in the setup dialog, and the paper of that name where one
  // is given; the file the queue received.
  std::string PrintOn(const std::string& queue, const AnsiString& paper = "") {
    log.AnswerPrint([queue, paper](PrintDialogRequest& r) {
      MessageLog::ChoosePrinter(r, queue);
      if (!paper.empty()) ChoosePaper(r, paper);
    });
    EXPECT_EQ(druck_liste(&list, "Liste1"), 1);
    EXPECT_TRUE(log.texts.empty()) << log.texts.front();
    EXPECT_GT(service->CompletedJob(queue), 0);
    return service->Output(queue + ".pdf");
  }
  // Picks the chosen printer's paper of that name in the dialog.
  static void ChoosePaper(PrintDialogRequest& r, const AnsiString& name) {
    for (const TPaperInfo& paper : r.infoOf(r.printerIndex)->Papers)
      if (paper.Name == name) {
        r.settings.PaperNumber = paper.Number;
        r.settings.PaperName = paper.Name;
        r.settings.Paper = paper.Size;
      }
  }
  // The text a printer that prints only inside the paper's printable area puts on it.
  static std::string OnPaper(const std::string& file, const std::string& paper) {
    for (const PrintService::Paper& p : PrintService::Papers("office.ppd"))
      if (p.name == paper)
        return PdfTextWithin(file, p.left, p.height - p.top, p.right - p.left, p.top - p.bottom);
    ADD_FAILURE() << paper;
    return "";
  }
  // Every part once by name in the first column and once by price in the last, and the
  // header of every column.
  void EveryRecordAndColumnIsOn(const std::string& text) {
    std::map<int, int> names = Counts(text, "Teil (\\d+)");
    std::map<int, int> prices = Counts(text, "(?:^|[^0-9])(\\d+),50");
    ASSERT_EQ(names.size(), size_t(kParts));
    ASSERT_EQ(prices.size(), size_t(kParts));
    for (int part = 1; part <= kParts; ++part) {
      EXPECT_EQ(names[part], 1) << "Teil " << part;
      EXPECT_EQ(prices[part], 1) << part << ",50";
    }
    for (const LayoutColumn& column : layout)
      EXPECT_NE(text.find(column.header.substr(0, 6)), std::string::npos) << column.header;
  }

  PrintService* service = nullptr;
  std::vector<LayoutColumn> layout;
};

// A4 keeps the list print's own page: 62 records a page under a table 185 mm wide.
TEST_F(ListPrintOnPaper, OnA4EveryRecordAndColumnIsOnSixtyTwoRowsAPage) {
  UseQueue("ListeA4");
  const std::string pdf = PrintOn("ListeA4", "A4");
  EXPECT_EQ(PdfPageSize(pdf), "595 x 842");
  EXPECT_EQ(PdfPageCount(pdf), 3);
  const std::string text = OnPaper(pdf, "A4");
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EveryRecordAndColumnIsOn(text);
  const std::string first = text.substr(0, text.find('\f'));
  EXPECT_EQ(Counts(first, "Teil (\\d+)").size(), 62u);
  // The frame from 15 mm to 200 mm across (72 dpi: 42.5 to 567 points).
  const QRect ink = InkOf(RenderPdfPage(pdf, 1, 72, QRect(0, 100, 595, 600)));
  EXPECT_NEAR(ink.left(), 42, 2);
  EXPECT_NEAR(ink.right(), 567, 2);
}

// A5 is narrower and shorter than the list's page: the table shrinks to its width.
TEST_F(ListPrintOnPaper, OnTheQueuesA5EveryRecordAndColumnIsOnThePaper) {
  UseQueue("ListeA5", "A5");
  const std::string pdf = PrintOn("ListeA5");
  EXPECT_EQ(PdfPageSize(pdf), "420 x 595");
  const std::string text = OnPaper(pdf, "A5");
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EveryRecordAndColumnIsOn(text);
}

// US Letter is shorter than A4: fewer records a page, none lost between the pages.
TEST_F(ListPrintOnPaper, OnTheQueuesLetterEveryRecordIsOnThePaper) {
  UseQueue("ListeLetter");
  const std::string pdf = PrintOn("ListeLetter");
  EXPECT_EQ(PdfPageSize(pdf), "612 x 792");
  const std::string text = OnPaper(pdf, "Letter");
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EveryRecordAndColumnIsOn(text);
  const std::string first = text.substr(0, text.find('\f'));
  EXPECT_LT(Counts(first, "Teil (\\d+)").size(), 62u);
}

}  // namespace
