#include <gtest/gtest.h>

#include "components/print/XPrinter.h"
#include "components/print/XPrnSet2.h"
#include "platform/winapi/printer.h"
#include "print_service.h"

namespace {

// The components on the queues of a private print service (US Letter and A4, Letter its
// own; trays top, bottom and manual, top its own unless a test changes it; 300 and 600 dpi,
// 600 its own).
class PrintServiceComponentTest : public PrintServiceTestBase {
 protected:
  // Adds the queues and reads the printers again.
  void AddQueues(std::initializer_list<const char*> names) {
    for (const char* name : names) ASSERT_TRUE(service_->AddQueue(name)) << service_->Said();
    ReadInstalledPrinters();
  }
  static int IndexOf(const AnsiString& name) { return Printer()->GetPrinters()->IndexOf(name); }

};

TEST_F(PrintServiceComponentTest, TheQueuesPapersAndOwnSettingsReachTheSettings) {
  AddQueues({"Desk"});
  TXPrintSet set(nullptr);
  set.SetCurrentPrinter(IndexOf("Desk"));
  TCapabilities* caps = set.GetCapabilities();
  EXPECT_EQ(caps->GetPapers()->GetCount(), 2);
  EXPECT_EQ(caps->GetTrays()->GetCount(), 3);
  EXPECT_EQ(caps->GetMinExtent(), TPoint(2100, 2794));
  EXPECT_EQ(caps->GetMaxExtent(), TPoint(2159, 2970));
  TCurrentSettings* current = set.GetCurrentSettings();
  EXPECT_EQ(current->GetPaper(), 1);
  EXPECT_EQ(current->GetPaperWidth(), 2159);
  EXPECT_EQ(current->GetTrayName(), "top");
  EXPECT_EQ(current->GetResolutionName(), "600x600dpi\xB2");
}

TEST_F(PrintServiceComponentTest, ATrayChosenInTheSettingsReachesTheJob) {
  AddQueues({"Feeder"});
  TXPrintSet set(nullptr);
  TXPrint xprint(nullptr);
  set.SetXPrint(&xprint);
  set.SetCurrentPrinter(IndexOf("Feeder"));
  TCurrentSettings* current = set.GetCurrentSettings();
  current->SetTray(DMBIN_MANUAL);
  ASSERT_EQ(current->GetTray(), DMBIN_MANUAL);
  xprint.SetTitle("Fach");
  xprint.BeginDoc();
  xprint.Canvas->TextOut(10, 10, "manuell");
  xprint.EndDoc();
  int job = service_->CompletedJob("Feeder");
  ASSERT_GT(job, 0);
  // CUPS put it on the queue's own tray of that name.
  EXPECT_NE(service_->JobOptions(job).find("InputSlot=Manual"), std::string::npos)
      << service_->JobOptions(job);
  EXPECT_EQ(service_->JobTitle(job), "Fach");
}

// A queue whose own tray is the lower one tells it; a job that changes only the copies asks
// for nothing else, so the queue's own tray and paper apply.
TEST_F(PrintServiceComponentTest, TheQueuesOwnTrayIsToldAndNotOverriddenByOtherChanges) {
  ASSERT_TRUE(service_->AddQueue("Lower")) << service_->Said();
  ASSERT_TRUE(service_->Run("lpadmin -p Lower -o InputSlot=Lower"));
  ReadInstalledPrinters();
  TXPrintSet set(nullptr);
  TXPrint xprint(nullptr);
  set.SetXPrint(&xprint);
  set.SetCurrentPrinter(IndexOf("Lower"));
  TCurrentSettings* current = set.GetCurrentSettings();
  EXPECT_EQ(current->GetTrayName(), "bottom");
  EXPECT_EQ(current->GetTray(), DMBIN_LOWER);
  current->SetCopies(2);
  xprint.BeginDoc();
  xprint.Canvas->TextOut(10, 10, "zweimal");
  xprint.EndDoc();
  int job = service_->CompletedJob("Lower");
  ASSERT_GT(job, 0);
  EXPECT_EQ(service_->JobCopies(job), "2");
  const std::string options = service_->JobOptions(job);
  for (const char* asked : {"InputSlot=", "media-source", "media=", "PageSize=", "Resolution="})
    EXPECT_EQ(options.find(asked), std::string::npos) << asked << " in " << options;
}

// A queue named "PDF" beside the program's own PDF printer: each is chosen by its index,
// shows its own papers and stays current when its settings change.
TEST_F(PrintServiceComponentTest, AQueueNamedPdfAndTheFilePrinterEachStayTheirOwn) {
  AddQueues({"PDF"});
  TXPrintSet set(nullptr);
  int file = IndexOf("PDF (Datei)");
  ASSERT_GE(file, 0);
  set.SetCurrentPrinter(file);
  EXPECT_EQ(set.GetCapabilities()->GetPapers()->GetCount(), 9);
  set.GetCurrentSettings()->SetOrientation(poLandscape);
  EXPECT_EQ(set.GetCurrentPrinter(), file);
  EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
  int queue = IndexOf("PDF");
  set.SetCurrentPrinter(queue);
  EXPECT_EQ(set.GetCapabilities()->GetPapers()->GetCount(), 2);
  set.GetCurrentSettings()->SetOrientation(poLandscape);
  EXPECT_EQ(set.GetCurrentPrinter(), queue);
}

}  // namespace
