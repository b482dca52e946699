#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "pdf_pages.h"
#include "platform/winapi/gdi.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "platform/winapi/winspool.h"
#include "print_service.h"
#include "printer_jobs.h"

namespace {

// The printers of a private print service: each test adds a queue of its own, so that the
// jobs it finds are its own. The queues' papers are US Letter (their own) and A4.
class PrintServiceTest : public PrintServiceTestBase {
 protected:
  // Adds the queue, reads the printers again and chooses the queue.
  void UseQueue(const std::string& name) {
    ASSERT_TRUE(service_->AddQueue(name)) << service_->Said();
    ReadInstalledPrinters();
    int index = Printer()->GetPrinters()->IndexOf(name);
    ASSERT_GE(index, 0) << name << " is not listed";
    Printer()->SetPrinterIndex(index);
  }
  static std::vector<std::string> Names(const char* device, uint16_t capability, size_t width) {
    int count = DeviceCapabilitiesA(device, nullptr, capability, nullptr, nullptr);
    std::vector<char> buffer(std::max(count, 0) * width);
    DeviceCapabilitiesA(device, nullptr, capability, buffer.data(), nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
      names.emplace_back(&buffer[i * width], strnlen(&buffer[i * width], width));
    return names;
  }

};

TEST_F(PrintServiceTest, TheQueuesPapersAndOwnSettingsReachThePrinter) {
  UseQueue("Office");
  EXPECT_EQ(Names("Office", DC_PAPERNAMES, 64).size(), 2u);
  EXPECT_EQ(DeviceCapabilitiesA("Office", nullptr, DC_MINEXTENT, nullptr, nullptr),
            2100 | (2794 << 16));
  EXPECT_EQ(DeviceCapabilitiesA("Office", nullptr, DC_MAXEXTENT, nullptr, nullptr),
            2159 | (2970 << 16));
  std::vector<std::string> trays = Names("Office", DC_BINNAMES, 24);
  EXPECT_EQ(trays.size(), 3u);
  // Nothing set: the queue's own paper, tray and resolution.
  DEVMODEA own{};
  ASSERT_EQ(DocumentPropertiesA(nullptr, nullptr, "Office", &own, nullptr, DM_OUT_BUFFER), 1);
  EXPECT_EQ(own.dmPaperSize, DMPAPER_LETTER);
  EXPECT_EQ(own.dmPrintQuality, 600);
  EXPECT_EQ(own.dmDefaultSource, DMBIN_UPPER);
  TDeviceCaps caps = Printer()->GetHandle()->GetDeviceCaps();
  EXPECT_EQ(caps.dpiX, 600);
  EXPECT_EQ(caps.physicalWidth, 5100);
  EXPECT_EQ(caps.physicalHeight, 6600);
}

TEST_F(PrintServiceTest, ATwoPageJobArrivesWholeOnTheQueuesPaperWithItsTitle) {
  UseQueue("Jobs");
  Printer()->Title = "St\xFC" "ckliste";
  PrintNumberedPages(2);
  int job = service_->CompletedJob("Jobs");
  ASSERT_GT(job, 0) << "the job did not complete";
  std::string file = service_->Output("Jobs.pdf");
  EXPECT_EQ(PdfPageCount(file), 2);
  EXPECT_EQ(PdfPageSize(file), "612 x 792");
  EXPECT_EQ(service_->JobTitle(job), "St\xC3\xBC" "ckliste");  // CUPS keeps titles in UTF-8
}

TEST_F(PrintServiceTest, AJobWithoutTitleIsKnownByTheProgramsName) {
  UseQueue("Untitled");
  Printer()->Title = "";
  PrintNumberedPages(1);
  int job = service_->CompletedJob("Untitled");
  ASSERT_GT(job, 0);
  EXPECT_FALSE(service_->JobTitle(job).empty());
}

TEST_F(PrintServiceTest, AChosenTrayAndPaperReachTheJobsOptions) {
  UseQueue("Trays");
  const TPrintDeviceInfo& info = Printer()->GetDevice()->Info();
  int lower = 0;
  for (const TTrayInfo& tray : info.Trays)
    if (tray.Name == "bottom") lower = tray.Number;
  ASSERT_EQ(lower, DMBIN_LOWER);
  TPrintSetup setup = Printer()->GetSetup();
  setup.Tray = lower;
  setup.Paper = {2100, 2970};
  Printer()->SetSetup(setup);
  PrintNumberedPages(1);
  int job = service_->CompletedJob("Trays");
  ASSERT_GT(job, 0);
  std::string options = service_->JobOptions(job);
  EXPECT_NE(options.find("InputSlot=Lower"), std::string::npos) << options;
  EXPECT_NE(options.find("media=A4"), std::string::npos) << options;
  EXPECT_EQ(PdfPageSize(service_->Output("Trays.pdf")), "595 x 842");
}

TEST_F(PrintServiceTest, AQueueThatRefusesJobsGivesThePrinterError) {
  UseQueue("Closed");
  ASSERT_TRUE(service_->Run("cupsreject -r Wartung Closed"));
  EXPECT_EQ(Refusal([] { PrintNumberedPages(1); }),
            "Die Seiten wurden nicht auf \"Closed\" gedruckt: der Drucker nimmt keine "
            "Auftr\xE4ge an (Wartung).");
  EXPECT_TRUE(Printer()->GetAborted());
  EXPECT_FALSE(Printer()->GetPrinting());
  EXPECT_EQ(service_->CompletedJob("Closed", std::chrono::seconds(1)), 0);
}

TEST_F(PrintServiceTest, AQueueNamedPdfLeavesTheFilePrinterReachable) {
  UseQueue("PDF");
  TStrings* names = Printer()->GetPrinters();
  int queue = names->IndexOf("PDF");
  int file = names->IndexOf("PDF (Datei)");
  ASSERT_GE(queue, 0);
  ASSERT_GE(file, 0);
  // Each name finds its own printer: the queue lists its two papers, the file printer its nine.
  EXPECT_EQ(DeviceCapabilitiesA("PDF", nullptr, DC_PAPERS, nullptr, nullptr), 2);
  EXPECT_EQ(DeviceCapabilitiesA("PDF (Datei)", nullptr, DC_PAPERS, nullptr, nullptr), 9);
  Printer()->SetPrinterIndex(file);
  Printer()->SetOrientation(poLandscape);
  EXPECT_EQ(Printer()->GetPrinterIndex(), file);
  AnsiString device, driver, port;
  HGLOBAL mode = nullptr;
  Printer()->GetPrinter(device, driver, port, mode);
  EXPECT_EQ(device, "PDF (Datei)");
  Printer()->SetPrinter(device, driver, port, mode);
  EXPECT_EQ(Printer()->GetPrinterIndex(), file);
  EXPECT_NE(dynamic_cast<TVirtualPrinter*>(Printer()->GetDevice()), nullptr);
  Printer()->SetPrinterIndex(queue);
  EXPECT_EQ(dynamic_cast<TVirtualPrinter*>(Printer()->GetDevice()), nullptr);
}

}  // namespace
