// The program's file printer while the print service goes and comes back beside a queue named
// "PDF": the dialog says when only a file can be written, a choice of the file printer stays
// the file printer under either name, and a choice nobody made follows the system's default.
#include <memory>

#include "../message_log.h"
#include "../temp_folder.h"
#include "platform/controls/print_dialogs.h"
#include "platform/core/files.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "print_service.h"

namespace {

class FilePrinterService : public PrintServiceTestBase {
 protected:
  void SetUp() override {
    PrintServiceTestBase::SetUp();
    if (!service_) return;
    ASSERT_TRUE(service_->AddQueue("Buero")) << service_->Said();
    ASSERT_TRUE(service_->AddQueue("PDF")) << service_->Said();
    ASSERT_TRUE(service_->Run("lpadmin -d Buero")) << service_->Said();
  }
  void TearDown() override {
    if (service_) service_->Restart();
    PrintServiceTestBase::TearDown();
  }
  // Runs the print dialog; what it offered, and the printer preselected, as the user saw them.
  PrintDialogRequest Dialog(const AnsiString& choice = "") {
    PrintDialogRequest shown;
    log.AnswerPrint([&](PrintDialogRequest& request) {
      shown = request;
      if (!choice.empty()) MessageLog::ChoosePrinter(request, choice);
    });
    TPrintDialog dialog(nullptr);
    EXPECT_TRUE(dialog.Execute());
    return shown;
  }
  static AnsiString Preselected(const PrintDialogRequest& request) {
    return request.printers.at(request.printerIndex);
  }

  MessageLog log;
  TempFolder folder;
};

TEST_F(FilePrinterService, TheFilePrinterChosenStaysItWhileTheServiceGoesAndComesBack) {
  ReadInstalledPrinters();
  EXPECT_TRUE(Dialog("PDF (Datei)").note.empty());
  auto* file = dynamic_cast<TVirtualPrinter*>(Printer()->GetDevice());
  ASSERT_NE(file, nullptr);
  file->FileName = folder / "liste.pdf";

  service_->Stop();
  const PrintDialogRequest down = Dialog();
  EXPECT_EQ(down.printers, std::vector<AnsiString>{"PDF"});
  EXPECT_EQ(down.note, "Druckdienst nicht erreichbar - nur Ausgabe in eine Datei");

  ASSERT_TRUE(service_->Restart());
  const PrintDialogRequest up = Dialog();
  EXPECT_TRUE(up.note.empty());
  EXPECT_EQ(Preselected(up), "PDF (Datei)");
  const int before = service_->CompletedJob("PDF", std::chrono::seconds(0));
  Printer()->BeginDoc();
  Printer()->Canvas->TextOut(100, 100, "in die Datei");
  Printer()->EndDoc();
  EXPECT_TRUE(FileExists(folder / "liste.pdf"));
  EXPECT_EQ(service_->CompletedJob("PDF", std::chrono::seconds(0)), before);
}

// A start without the service takes the file printer for want of another; the first dialog
// after the service came back offers the system's default.
TEST_F(FilePrinterService, AfterAStartWithoutTheServiceItsReturnBringsTheDefault) {
  service_->Stop();
  ReadInstalledPrinters();
  EXPECT_EQ(Preselected(Dialog()), "PDF");
  ASSERT_TRUE(service_->Restart());
  EXPECT_EQ(Preselected(Dialog()), "Buero");
}

}  // namespace
