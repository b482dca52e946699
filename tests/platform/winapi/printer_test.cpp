#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <vector>

#include "pdf_pages.h"
#include "pdf_text.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "platform/winapi/winspool.h"
#include "printer_jobs.h"
#include "temp_folder.h"

namespace {

// Two virtual printers in place of the machine's: "Draft" at 300 dpi on A6 and "Fine" at
// 600 dpi on A5 with unprintable edges of 6 and 9 points; the second is the default.
class PrinterTest : public testing::Test {
 protected:
  void SetUp() override {
    draft_ = std::make_shared<TVirtualPrinter>("Draft", 300, TSize{1050, 1480});
    fine_ = std::make_shared<TVirtualPrinter>("Fine", 600, TSize{1480, 2100}, TSize{50, 75});
    draft_->FileName = folder_ / "draft.pdf";
    fine_->FileName = folder_ / "fine.pdf";
    SetInstalledPrinters({draft_, fine_}, 1);
  }
  void TearDown() override { SetInstalledPrinters({}); }

  TempFolder folder_;
  std::shared_ptr<TVirtualPrinter> draft_;
  std::shared_ptr<TVirtualPrinter> fine_;
};

TEST_F(PrinterTest, ListsTheInstalledPrintersAndChoosesTheDefault) {
  TPrinter* p = Printer();
  ASSERT_EQ(p->GetPrinters()->Count(), 2);
  EXPECT_EQ(p->GetPrinters()->Strings(0), "Draft");
  EXPECT_EQ(p->GetPrinterIndex(), 1);
  p->SetPrinterIndex(0);
  EXPECT_EQ(p->GetDevice(), draft_.get());
  p->SetPrinterIndex(-1);
  EXPECT_EQ(p->GetPrinterIndex(), 1);
  EXPECT_THROW(p->SetPrinterIndex(2), EPrinter);
  EXPECT_TRUE(p->GetCapabilities().Contains(pcOrientation));
  EXPECT_GT(p->GetFonts()->Count(), 0);
}

TEST_F(PrinterTest, TheHandleAnswersWithThePageOfTheCurrentSetup) {
  HDC dc = Printer()->GetHandle();
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
  // A5 is 148 x 210 mm, in whole points 420 x 595: 3500 x 4958 dots at 600 dpi.
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 3500);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 4958);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 50);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 75);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 3500 - 100);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 4958 - 150);
  EXPECT_EQ(Printer()->GetPageWidth(), GetDeviceCaps(dc, HORZRES));

  Printer()->SetOrientation(poLandscape);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 4958);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 3500);
  // Another paper and resolution: A4, 297 x 210 mm in landscape, at 144 dpi.
  TPrintSetup setup = Printer()->GetSetup();
  setup.Paper = {2100, 2970};
  setup.Resolution = 144;
  Printer()->SetSetup(setup);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 144);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 842 * 2);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 595 * 2);
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 12);  // the edges keep their 6 and 9 points
  EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETY), 18);
  Printer()->SetPrinterIndex(0);  // a new printer starts from its own setup
  EXPECT_EQ(Printer()->GetOrientation(), poPortrait);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 300);
}

TEST_F(PrinterTest, PrintsPagesIntoThePdfFile) {
  TPrinter* p = Printer();
  p->SetPrinterIndex(0);
  p->Title = "Liste";
  p->BeginDoc();
  EXPECT_TRUE(p->GetPrinting());
  EXPECT_EQ(p->GetPageNumber(), 1);
  EXPECT_THROW(p->SetPrinterIndex(1), EPrinter);
  EXPECT_THROW(p->BeginDoc(), EPrinter);
  p->Canvas->Brush->SetColor(clBlack);
  p->Canvas->FillRect(Rect(0, 0, 30, 30));
  p->NewPage();
  EXPECT_EQ(p->GetPageNumber(), 2);
  p->Canvas->FillRect(Rect(100, 100, 130, 130));
  p->EndDoc();
  EXPECT_FALSE(p->GetPrinting());
  EXPECT_FALSE(p->GetAborted());
  EXPECT_THROW(p->EndDoc(), EPrinter);

  std::string file = folder_ / "draft.pdf";
  EXPECT_EQ(PdfPageCount(file), 2);
  EXPECT_EQ(InkOf(RenderPdfPage(file, 1, 300)), QRect(0, 0, 30, 30));
  EXPECT_EQ(InkOf(RenderPdfPage(file, 2, 300)), QRect(100, 100, 30, 30));
}

TEST_F(PrinterTest, DrawingStartsAtThePrintableCorner) {
  TPrinter* p = Printer();
  p->BeginDoc();
  p->Canvas->Brush->SetColor(clBlack);
  p->Canvas->FillRect(Rect(0, 0, 40, 40));
  p->EndDoc();
  EXPECT_EQ(InkOf(RenderPdfPage(folder_ / "fine.pdf", 1, 600, QRect(0, 0, 200, 200))),
            QRect(50, 75, 40, 40));
}

TEST_F(PrinterTest, AnAbortedJobLeavesNoFile) {
  TPrinter* p = Printer();
  p->BeginDoc();
  p->Canvas->FillRect(Rect(0, 0, 10, 10));
  p->Abort();
  EXPECT_TRUE(p->GetAborted());
  EXPECT_FALSE(p->GetPrinting());
  EXPECT_FALSE(std::filesystem::exists(folder_ / "fine.pdf"));
  EXPECT_THROW(p->Abort(), EPrinter);
}

// A file-size limit stands in for a disk that fills during the job: the writes beyond it
// fail (the signal it would raise is ignored meanwhile).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldSignal_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldSignal_);
  }

 private:
  rlimit old_{};
  sighandler_t oldSignal_;
};

void PrintLines(TPrinter* p, int lines) {
  p->BeginDoc();
  for (int i = 0; i < lines; ++i) p->Canvas->TextOut(0, i * 60, "Zeile " + std::to_string(i));
  p->EndDoc();
}

TEST_F(PrinterTest, AFileCutShortIsReportedAndTheLastGoodOneStays) {
  TPrinter* p = Printer();
  PrintLines(p, 80);
  std::string good = ReadBytes(fine_->FileName);
  ASSERT_GT(good.size(), 2000u);
  {
    FileSizeLimit full(good.size() / 2);
    EXPECT_EQ(Refusal([p] { PrintLines(p, 80); }),
              "Die Datei \"" + fine_->FileName + "\" konnte nicht geschrieben werden.");
  }
  EXPECT_TRUE(p->GetAborted());
  EXPECT_FALSE(p->GetPrinting());
  EXPECT_EQ(ReadBytes(fine_->FileName), good);
  // The job's own file beside the target is gone too.
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
    left.push_back(entry.path().filename());
  EXPECT_EQ(left, std::vector<std::string>{"fine.pdf"});
  PrintLines(p, 80);
  EXPECT_FALSE(p->GetAborted());
  EXPECT_EQ(PdfPageCount(fine_->FileName), 1);
}

TEST_F(PrinterTest, TheFileNameKeepsItsBytes) {
  fine_->FileName = folder_ / "St\xFC" "ckliste.pdf";
  Printer()->BeginDoc();
  Printer()->EndDoc();
  EXPECT_EQ(fine_->LastFileName(), fine_->FileName);
  EXPECT_EQ(ReadBytes(fine_->FileName).substr(0, 5), "%PDF-");
}

// The refusal names the system's reason: the user learns what to mend.
TEST_F(PrinterTest, AFileThatCannotBeWrittenRefusesTheJobWithTheReason) {
  fine_->FileName = folder_ / "no such folder/fine.pdf";
  EXPECT_EQ(Refusal([] { Printer()->BeginDoc(); }),
            "Die Datei \"" + fine_->FileName +
                "\" konnte nicht geschrieben werden: Verzeichnis nicht gefunden.");
  EXPECT_FALSE(Printer()->GetPrinting());

  std::filesystem::create_directory(folder_ / "fine.pdf");
  fine_->FileName = folder_ / "fine.pdf";
  EXPECT_EQ(Refusal([] { Printer()->BeginDoc(); Printer()->EndDoc(); }),
            "Die Datei \"" + fine_->FileName + "\" konnte nicht geschrieben werden: ist ein Verzeichnis.");
}

// Pages 2 to 3 of four reach the file; the range was that job's, the next prints all.
TEST_F(PrinterTest, APageRangeDeliversOnlyItsPages) {
  TPrinter* p = Printer();
  TPrintSetup setup = p->GetSetup();
  setup.FromPage = 2;
  setup.ToPage = 3;
  p->SetSetup(setup);
  PrintNumberedPages(4);
  EXPECT_EQ(PdfPageCount(fine_->FileName), 2);
  const std::string text = PdfText(fine_->FileName);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_EQ(text.find("Seite 1"), std::string::npos);
  EXPECT_NE(text.find("Seite 2"), std::string::npos);
  EXPECT_NE(text.find("Seite 3"), std::string::npos);
  EXPECT_EQ(text.find("Seite 4"), std::string::npos);
  EXPECT_EQ(p->GetSetup().FromPage, 0);
  PrintNumberedPages(4);
  EXPECT_EQ(PdfPageCount(fine_->FileName), 4);

  // A range behind the last page prints nothing and says so; the file before stays.
  setup.FromPage = setup.ToPage = 5;
  p->SetSetup(setup);
  EXPECT_EQ(Refusal([] { PrintNumberedPages(3); }),
            "Es wurde nichts gedruckt: der Druckbereich beginnt bei Seite 5, es gibt aber nur 3 "
            "Seiten.");
  EXPECT_TRUE(p->GetAborted());
  EXPECT_EQ(PdfPageCount(fine_->FileName), 4);
}

TEST_F(PrinterTest, WithoutPrintersThereIsNothingToPrintOn) {
  SetInstalledPrinters({});
  EXPECT_EQ(Printer()->GetPrinters()->Count(), 0);
  EXPECT_EQ(Printer()->GetPrinterIndex(), -1);
  EXPECT_EQ(Printer()->GetDevice(), nullptr);
  EXPECT_THROW(Printer()->BeginDoc(), EPrinter);
}

TEST_F(PrinterTest, TheSpoolerListsThePrintersInBothLevels) {
  DWORD needed = 0;
  DWORD returned = 0;
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &returned));
  EXPECT_EQ(needed, 2 * sizeof(PRINTER_INFO_4A) + 6 + 5);
  std::vector<uint8_t> buffer(needed);
  ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4,
                            buffer.data(), needed, &needed, &returned));
  ASSERT_EQ(returned, 2u);
  auto* info4 = reinterpret_cast<PRINTER_INFO_4A*>(buffer.data());
  EXPECT_STREQ(info4[0].pPrinterName, "Draft");
  EXPECT_STREQ(info4[1].pPrinterName, "Fine");

  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, nullptr, 0, &needed, &returned);
  buffer.assign(needed, 0);
  ASSERT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, buffer.data(), needed, &needed,
                            &returned));
  auto* info5 = reinterpret_cast<PRINTER_INFO_5A*>(buffer.data());
  EXPECT_STREQ(info5[1].pPrinterName, "Fine");
  EXPECT_STREQ(info5[1].pPortName, "");
  // A buffer one byte short is refused; so is an unknown level.
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 5, buffer.data(), needed - 1, &needed,
                             &returned));
  EXPECT_EQ(returned, 0u);
  EXPECT_FALSE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed,
                             &returned));

  SetInstalledPrinters({});
  EXPECT_TRUE(EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &returned));
  EXPECT_EQ(returned, 0u);
}

}  // namespace
