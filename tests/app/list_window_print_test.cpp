// The list window's print button: the hits in the layout shown, on the printer's pages.
#include <memory>

#include "ListWindowTest.h"
#include "app/Dbaseindexprint.h"
#include "pdf_pages.h"
#include "pdf_text.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"

namespace {

class ListWindowPrint : public ListWindow {
 protected:
  void SetUp() override {
    auto printer = std::make_shared<TVirtualPrinter>("A4", 300);
    printer->FileName = dir / "liste.pdf";
    SetInstalledPrinters({printer}, 0);
    print = std::make_unique<TfrmDbaseIndexPrint>(nullptr);  // finds the printer
    frmDbaseIndexPrint = print.get();
    ListWindow::SetUp();
  }
  void TearDown() override {
    ListWindow::TearDown();
    frmDbaseIndexPrint = nullptr;
    druck_xprint = nullptr;
    print.reset();
    SetInstalledPrinters({});
  }

  std::unique_ptr<TfrmDbaseIndexPrint> print;
};

TEST_F(ListWindowPrint, ThePrintButtonPrintsTheHitsUnderTheTabsCaption) {
  Show();
  log.Answer(mrOk);
  Click(list.btnDrucken);
  EXPECT_EQ(log.printDialogs, 1);
  EXPECT_EQ(PdfPageCount(dir / "liste.pdf"), 1);
  ASSERT_FALSE(log.texts.empty());
  EXPECT_EQ(log.texts.back(), "Die Liste wurde in die Datei \"" + (dir / "liste.pdf") + "\" gedruckt.");
  const std::string text = PdfText(dir / "liste.pdf");
  if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
  for (const char* shown : {"Alles", "Seite: 1", "Bezeichnung", "Lieferzeit", "Teil 00", "Teil 29"})
    EXPECT_NE(text.find(shown), std::string::npos) << shown;
  EXPECT_EQ(text.find("Index"), std::string::npos);  // the index column is not printed
}

// A file in a folder that is not there: the user is told why, and nothing is written.
TEST_F(ListWindowPrint, AFileThatCannotBeWrittenIsToldWithTheReason) {
  Show();
  // As the file system names it (UTF-8); the message shows it in the program's text.
  const std::string missing = dir / "Liste: M\xC3\xBCller/Teil 1.pdf";
  log.AnswerPrint([&](PrintDialogRequest& request) { request.files.at(0) = missing; });
  Click(list.btnDrucken);
  ASSERT_FALSE(log.texts.empty());
  EXPECT_EQ(log.texts.back(), "Die Datei \"" + (dir / "Liste: M\xFCller/Teil 1.pdf") +
                                  "\" konnte nicht geschrieben werden: Verzeichnis nicht gefunden.");
  EXPECT_FALSE(std::filesystem::exists(dir / "Liste: M\xC3\xBCller"));
}

}  // namespace
