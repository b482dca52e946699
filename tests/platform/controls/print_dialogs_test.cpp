#include <gtest/gtest.h>

#include "message_log.h"
#include "platform/controls/print_dialogs.h"
#include "platform/winapi/printer.h"
#include "platform/winapi/virtual_printer.h"
#include "temp_folder.h"

namespace {

class PrintDialogsTest : public testing::Test {
 protected:
  void SetUp() override {
    first_ = std::make_shared<TVirtualPrinter>("First", 300);
    second_ = std::make_shared<TVirtualPrinter>("Second", 600);
    first_->FileName = folder_ / "first.pdf";
    SetInstalledPrinters({first_, second_}, 0);
  }
  void TearDown() override { SetInstalledPrinters({}); }

  TempFolder folder_;
  std::shared_ptr<TVirtualPrinter> first_;
  std::shared_ptr<TVirtualPrinter> second_;
};

TEST_F(PrintDialogsTest, TheChoiceBecomesThePrintersOwn) {
  TPrintDialog dialog(nullptr);
  MessageLog log;
  log.AnswerPrint([this](PrintDialogRequest& r) {
    EXPECT_FALSE(r.setupOnly);
    EXPECT_EQ(r.printers, (std::vector<AnsiString>{"First", "Second"}));
    EXPECT_EQ(r.printerIndex, 0);
    ASSERT_EQ(r.files.size(), 2u);
    EXPECT_EQ(r.files[0], AnsiString(folder_ / "first.pdf"));
    r.printerIndex = 1;
    r.settings.Copies = 3;
    r.settings.Orientation = poLandscape;
    r.files[1] = folder_ / "chosen.pdf";
  });
  Printer()->Title = "Liste";
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(Printer()->GetPrinterIndex(), 1);
  EXPECT_EQ(Printer()->GetCopies(), 3);
  EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
  EXPECT_EQ(second_->FileName, folder_ / "chosen.pdf");
  EXPECT_EQ(Printer()->Title, "Liste");
}

TEST_F(PrintDialogsTest, CancelARunningJobOrNoPrinterChangesNothing) {
  TPrinterSetupDialog dialog(nullptr);
  MessageLog log;
  log.Answer(mrCancel);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(log.printDialogs, 1);
  EXPECT_EQ(Printer()->GetPrinterIndex(), 0);
  Printer()->BeginDoc();
  log.Answer("Second");
  EXPECT_FALSE(dialog.Execute());
  Printer()->Abort();
  EXPECT_EQ(log.printDialogs, 1);
  SetInstalledPrinters({});
  log.Answer(mrOk);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(log.printDialogs, 1);
}

}  // namespace

namespace {

// A file named without its folder is written into the working folder, and known by its whole
// path, so that the job's message names where it is.
TEST_F(PrintDialogsTest, AFileNamedWithoutItsFolderIsKeptWithTheWorkingFolder) {
  InFolder in(folder_.Path());
  TPrintDialog dialog(nullptr);
  MessageLog log;
  log.AnswerPrint([](PrintDialogRequest& r) { r.files[0] = "liste.pdf"; });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(first_->FileName, AnsiString(folder_ / "liste.pdf"));
}

}  // namespace
