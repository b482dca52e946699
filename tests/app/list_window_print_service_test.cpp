// The list window's print button on the queues of a private print service: the job is named
// by the layout and goes to the queue chosen, also one set up while the program runs; a queue
// that refuses it and a service that stops are told to the user.
#include <algorithm>
#include <memory>

#include "ListWindowTest.h"
#include "app/Dbaseindexprint.h"
#include "pdf_pages.h"
#include "platform/winapi/printer.h"
#include "print_service.h"

namespace {

class ListWindowPrintService : public ListWindow {
 protected:
  void SetUp() override {
    service = PrintService::Get();
    if (!service) GTEST_SKIP() << PrintService::Why();
    ASSERT_TRUE(service->AddQueue("Liste")) << service->Said();
    ReadInstalledPrinters();
    ASSERT_EQ(Printer()->GetPrinters()->Strings(Printer()->GetPrinterIndex()), "Liste");
    print = std::make_unique<TfrmDbaseIndexPrint>(nullptr);  // finds the printer
    frmDbaseIndexPrint = print.get();
    ListWindow::SetUp();
  }
  void TearDown() override {
    if (!service) return;
    service->Run("cupsaccept Liste");
    ListWindow::TearDown();
    frmDbaseIndexPrint = nullptr;
    druck_xprint = nullptr;
    print.reset();
    SetInstalledPrinters({});
  }

  PrintService* service = nullptr;
  std::unique_ptr<TfrmDbaseIndexPrint> print;
};

TEST_F(ListWindowPrintService, TheJobReachesTheQueueUnderTheTabsCaption) {
  Show();
  log.Answer(mrOk);
  Click(list.btnDrucken);
  EXPECT_TRUE(log.texts.empty()) << log.texts.front();
  int job = service->CompletedJob("Liste");
  ASSERT_GT(job, 0);
  EXPECT_EQ(service->JobTitle(job), list.PageControl1->GetActivePage()->GetCaption());
  EXPECT_EQ(PdfPageCount(service->Output("Liste.pdf")), 1);
}

TEST_F(ListWindowPrintService, AQueueThatRefusesTheJobIsToldToTheUser) {
  ASSERT_TRUE(service->Run("cupsreject -r Wartung Liste"));
  Show();
  log.Answer(mrOk);
  Click(list.btnDrucken);
  // The printer's error and nothing else: no word of pages printed.
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0],
            "Die Seiten wurden nicht auf \"Liste\" gedruckt: der Drucker nimmt "
            "keine Auftr\xE4ge an (Wartung).");
  EXPECT_FALSE(print->XPrint1->GetPrinting());
}

// A queue set up while the program runs is offered at the next print, and the job goes there.
TEST_F(ListWindowPrintService, AQueueAddedWhileTheProgramRunsGetsTheJob) {
  ASSERT_TRUE(service->AddQueue("Neu")) << service->Said();
  Show();
  log.Answer(AnsiString("Neu"));
  Click(list.btnDrucken);
  EXPECT_TRUE(log.texts.empty()) << log.texts.front();
  EXPECT_GT(service->CompletedJob("Neu"), 0);
}

// The service stops while the pages are made: the user is told, in the program's words.
TEST_F(ListWindowPrintService, APrintServiceThatStopsDuringTheJobIsTold) {
  Show();
  log.AnswerPrint([this](PrintDialogRequest&) { service->Stop(); });
  Click(list.btnDrucken);
  EXPECT_TRUE(service->Restart());
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0],
            "Die Seiten wurden nicht auf \"Liste\" gedruckt: der Druckdienst ist "
            "nicht erreichbar.");
  EXPECT_FALSE(print->XPrint1->GetPrinting());
}

}  // namespace
