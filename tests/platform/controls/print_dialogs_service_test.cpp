// The printer-setup dialog on the queues of a private print service while the program runs:
// queues added and removed, the service down at the start, gone after it and stopped during
// a job. A job goes to the printer chosen or is refused with the reason; never elsewhere.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

#include "message_log.h"
#include "pdf_pages.h"
#include "pdf_text.h"
#include "platform/controls/print_dialogs.h"
#include "platform/controls/qt/qt_print_setup_form.h"
#include "platform/winapi/printer.h"
#include "print_service.h"
#include "printer_jobs.h"
#include "temp_folder.h"

namespace {

// The service is running again when the test ends, whatever it did to it.
class ServiceBack {
 public:
  explicit ServiceBack(PrintService& service) : service_(service) {}
  ~ServiceBack() { EXPECT_TRUE(service_.Restart()) << "the print service did not start again"; }

 private:
  PrintService& service_;
};

class PrintDialogsServiceTest : public PrintServiceTestBase {
 protected:
  void AddQueue(const std::string& name, const std::string& ppd = "queue.ppd") {
    ASSERT_TRUE(service_->AddQueue(name, ppd)) << service_->Said();
  }
  // The printers as the program reads them at its start.
  static void Start() { ReadInstalledPrinters(); }
  // The setup dialog, with what the user does in it; false when it did not confirm.
  bool Dialog(MessageLog::PrintChoice choice) {
    log_.AnswerPrint(std::move(choice));
    return dialog_.Execute();
  }
  bool Choose(const AnsiString& name) {
    log_.Answer(name);
    return dialog_.Execute();
  }
  static int IndexOf(const PrintDialogRequest& r, const AnsiString& name) {
    for (size_t i = 0; i < r.printers.size(); ++i)
      if (r.printers[i] == name) return static_cast<int>(i);
    return -1;
  }
  static AnsiString Current() { return Printer()->GetDevice()->Name(); }

  MessageLog log_;
  TPrinterSetupDialog dialog_{nullptr};
  TempFolder folder_;
};

TEST_F(PrintDialogsServiceTest, AQueueAddedWhileTheProgramRunsIsOfferedAndPrintedOn) {
  AddQueue("Before");
  Start();
  AddQueue("Added");
  ASSERT_TRUE(Choose("Added"));
  ASSERT_EQ(Current(), "Added");
  PrintNumberedPages(1);
  EXPECT_GT(service_->CompletedJob("Added"), 0);
  EXPECT_EQ(service_->CompletedJob("Before", std::chrono::seconds(1)), 0);
}

TEST_F(PrintDialogsServiceTest, AQueueRemovedIsNoLongerOfferedAndItsJobIsRefused) {
  AddQueue("Removed");
  Start();
  ASSERT_TRUE(Choose("Removed"));
  ASSERT_TRUE(service_->Run("lpadmin -x Removed"));
  EXPECT_EQ(Refusal([] { PrintNumberedPages(1); }),
            "Die Seiten wurden nicht auf \"Removed\" gedruckt: den Drucker gibt es nicht mehr.");
  EXPECT_TRUE(Printer()->GetAborted());
  EXPECT_TRUE(Dialog([](PrintDialogRequest& r) { EXPECT_EQ(IndexOf(r, "Removed"), -1); }));
}

// Started while the service was down, the program offers its queues once the service is back.
TEST_F(PrintDialogsServiceTest, AServiceBackAfterTheStartOffersItsQueues) {
  AddQueue("Back");
  {
    ServiceBack back(*service_);
    service_->Stop();
    Start();
    EXPECT_EQ(Printer()->GetPrinters()->Count(), 1);  // the file printer alone
  }
  ASSERT_TRUE(Choose("Back"));
  ASSERT_EQ(Current(), "Back");
  PrintNumberedPages(1);
  EXPECT_GT(service_->CompletedJob("Back"), 0);
}

// With the service gone, the dialog offers the file printer, and it prints.
TEST_F(PrintDialogsServiceTest, WithTheServiceGoneTheFilePrinterStillPrints) {
  AddQueue("Away");
  Start();
  ASSERT_TRUE(Choose("Away"));
  ServiceBack back(*service_);
  service_->Stop();
  const std::string file = folder_ / "liste.pdf";
  ASSERT_TRUE(Dialog([&](PrintDialogRequest& r) {
    EXPECT_EQ(r.printers, std::vector<AnsiString>{"PDF"});
    EXPECT_EQ(r.printerIndex, 0);
    r.files[0] = file;
  }));
  PrintNumberedPages(2);
  EXPECT_EQ(PdfPageCount(file), 2);
}

TEST_F(PrintDialogsServiceTest, AServiceStoppedDuringAJobIsTold) {
  AddQueue("Stopped");
  Start();
  ASSERT_TRUE(Choose("Stopped"));
  ServiceBack back(*service_);
  Printer()->BeginDoc();
  Printer()->Canvas->TextOut(100, 100, "Seite 1");
  service_->Stop();
  EXPECT_EQ(Refusal([] { Printer()->EndDoc(); }),
            "Die Seiten wurden nicht auf \"Stopped\" gedruckt: der Druckdienst ist nicht "
            "erreichbar.");
  EXPECT_TRUE(Printer()->GetAborted());
}

// After a print to the file printer the dialog shows it again, with the file proposed under
// the job's title where characters no file name takes are replaced; it prints on its own A4
// whatever paper the queue before had.
TEST_F(PrintDialogsServiceTest, TheFilePrinterLastUsedIsShownWithItsOwnPaperAndAFileName) {
  AddQueue("Papers", "office.ppd");
  Start();
  ASSERT_TRUE(Dialog([](PrintDialogRequest& r) {
    MessageLog::ChoosePrinter(r, "Papers");
    for (const TPaperInfo& paper : r.infoOf(r.printerIndex)->Papers)
      if (paper.Name == "A5") r.settings.PaperNumber = paper.Number, r.settings.PaperName = "A5";
    EXPECT_EQ(r.settings.PaperName, "A5");
  }));
  UserHome home;
  Printer()->Title = "\xDC" "bersicht / overview";
  const std::string proposed = home / "\xC3\x9C" "bersicht _ overview.pdf";
  ASSERT_TRUE(Dialog([&](PrintDialogRequest& r) {
    MessageLog::ChoosePrinter(r, "PDF");
    EXPECT_EQ(r.files[r.printerIndex], proposed);
  }));
  PrintNumberedPages(1);
  EXPECT_EQ(PdfPageSize(proposed), "595 x 842");
  EXPECT_TRUE(Dialog([](PrintDialogRequest& r) { EXPECT_EQ(r.printers[r.printerIndex], "PDF"); }));
}

// The dialog on screen lists the queue's own papers and trays, with its own tray chosen;
// what the user picks there reaches the job as CUPS maps it to the queue.
TEST_F(PrintDialogsServiceTest, TheDialogOffersTheQueuesOwnPapersAndTrays) {
  AddQueue("Office", "office.ppd");
  ASSERT_TRUE(service_->Run("lpadmin -p Office -o InputSlot=Lower"));
  Start();
  ASSERT_TRUE(Dialog([](PrintDialogRequest& r) {
    MessageLog::ChoosePrinter(r, "Office");
    PrintSetupForm form(r);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QStringList papers, trays;
    for (int i = 0; i < form.paper->count(); ++i) papers << form.paper->itemText(i);
    for (int i = 0; i < form.tray->count(); ++i) trays << form.tray->itemText(i);
    EXPECT_EQ(papers.size(), 4) << papers.join(", ").toStdString();
    EXPECT_TRUE(papers.contains("A5")) << papers.join(", ").toStdString();
    EXPECT_EQ(trays,
              (QStringList{"Oberes Fach", "Unteres Fach", "Manuelle Zufuhr", "Umschlagzufuhr"}));
    EXPECT_EQ(form.tray->currentText(), "Unteres Fach");
    if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
      form.grab().save(QDir(keep).filePath("print-setup-dialog-queue.png"));
    form.paper->setFocus();
    QTest::keyClicks(form.paper, "A5");  // a closed list finds the item typed
    EXPECT_EQ(form.paper->currentText(), "A5");
    form.tray->setFocus();
    QTest::keyClick(form.tray, Qt::Key_Down);
    QTest::mouseClick(form.ok, Qt::LeftButton);
    form.TakeChoice(r);
  }));
  PrintNumberedPages(1);
  int job = service_->CompletedJob("Office");
  ASSERT_GT(job, 0);
  const std::string options = service_->JobOptions(job);
  EXPECT_NE(options.find("InputSlot=Manual"), std::string::npos) << options;
  EXPECT_NE(options.find("PageSize=A5"), std::string::npos) << options;
  EXPECT_EQ(PdfPageSize(service_->Output("Office.pdf")), "420 x 595");
}

// Page 2 of three, twice: the queue receives that page and the copies to make of it.
TEST_F(PrintDialogsServiceTest, APageRangeWithCopiesReachesTheQueue) {
  AddQueue("Range");
  Start();
  ASSERT_TRUE(Dialog([](PrintDialogRequest& r) {
    MessageLog::ChoosePrinter(r, "Range");
    r.settings.FromPage = r.settings.ToPage = 2;
    r.settings.Copies = 2;
  }));
  PrintNumberedPages(3);
  int job = service_->CompletedJob("Range");
  ASSERT_GT(job, 0);
  EXPECT_EQ(service_->JobCopies(job), "2");
  const std::string pdf = service_->Output("Range.pdf");
  EXPECT_EQ(PdfPageCount(pdf), 1);
  const std::string text = PdfText(pdf);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_NE(text.find("Seite 2"), std::string::npos) << text;
}

}  // namespace
