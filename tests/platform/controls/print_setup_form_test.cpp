// The print and printer-setup dialog on screen, driven by keys and clicks: the chosen printer's
// own papers and trays, the file printer's file and paper, copies and a page range. A picture
// of it is kept in $KALVENTO_PICTURE_DIR when that is set.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>

#include "message_log.h"
#include "temp_folder.h"
#include "platform/controls/qt/qt_print_setup_form.h"
#include "platform/winapi/devmode.h"

namespace {

// "Office", a queue: Letter (its own), A4, A5 and Legal; trays top, bottom (its own), manual
// and envelope; up to 99 copies, both sides. "PDF", a file printer on A4 with one copy.
class PrintSetupFormTest : public testing::Test {
 protected:
  void SetUp() override {
    office_.Papers = {{1, "US Letter", {2159, 2794}},
                      {9, "A4", {2100, 2970}},
                      {11, "A5", {1480, 2100}},
                      {5, "US Legal", {2159, 3556}}};
    office_.DefaultPaper = 1;
    office_.Trays = {{1, "top"}, {2, "bottom"}, {4, "manual"}, {5, "envelope"}};
    office_.DefaultTray = 2;
    office_.MaxCopies = 99;
    office_.Duplex = true;
    file_.Papers = {{1, "Letter", {2159, 2794}}, {9, "A4", {2100, 2970}}, {11, "A5", {1480, 2100}}};
    file_.DefaultPaper = 9;
    file_.Trays = {{DMBIN_FORMSOURCE, "Automatisch"}};
    request_.setupOnly = true;
    request_.printers = {"Office", "PDF"};
    request_.files = {"", "/home/anna/Dokumente/Liste.pdf"};
    request_.printerIndex = 0;
    request_.infoOf = [this](int index) { return index == 0 ? &office_ : &file_; };
  }

  // Shows the dialog as the program shows it, with the focus where it starts.
  PrintSetupForm& Show() {
    form_ = std::make_unique<PrintSetupForm>(request_);
    form_->show();
    form_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    return *form_;
  }
  // Presses OK as a user does and takes the choice.
  void Confirm() {
    QTest::mouseClick(form_->ok, Qt::LeftButton);
    EXPECT_EQ(form_->result(), QDialog::Accepted);
    form_->TakeChoice(request_);
  }
  static QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }

  TPrintDeviceInfo office_;
  TPrintDeviceInfo file_;
  PrintDialogRequest request_;
  std::unique_ptr<PrintSetupForm> form_;
};

TEST_F(PrintSetupFormTest, TheQueuesOwnPapersTraysAndOrientationAreOffered) {
  PrintSetupForm& form = Show();
  EXPECT_EQ(form.windowTitle(), "Druckereinrichtung");
  EXPECT_EQ(Items(form.paper), (QStringList{"US Letter", "A4", "A5", "US Legal"}));
  EXPECT_EQ(form.paper->currentText(), "US Letter");  // its own
  EXPECT_EQ(Items(form.tray), (QStringList{"Oberes Fach", "Unteres Fach", "Manuelle Zufuhr",
                                           "Umschlagzufuhr"}));
  EXPECT_EQ(form.tray->currentText(), "Unteres Fach");  // its own, not the first
  EXPECT_TRUE(form.portrait->isChecked());
  EXPECT_FALSE(form.file->isEnabled());
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    form.grab().save(QDir(keep).filePath("print-setup-dialog.png"));

  // A5 by the keyboard, the manual feed and landscape by the mouse's choice.
  form.paper->setFocus();
  QTest::keyClick(form.paper, Qt::Key_Down);
  QTest::keyClick(form.paper, Qt::Key_Down);
  form.tray->setFocus();
  QTest::keyClick(form.tray, Qt::Key_Down);
  QTest::mouseClick(form.landscape, Qt::LeftButton);
  Confirm();
  EXPECT_EQ(request_.printerIndex, 0);
  EXPECT_EQ(request_.settings.PaperName, "A5");
  EXPECT_EQ(request_.settings.Paper, (TSize{1480, 2100}));
  EXPECT_EQ(request_.settings.Tray, DMBIN_MANUAL);
  EXPECT_EQ(request_.settings.Orientation, poLandscape);
}

// Return on the dialog as it opens confirms it, and what the user left stays the queue's own.
TEST_F(PrintSetupFormTest, ReturnConfirmsAndTheUntouchedStaysThePrintersOwn) {
  PrintSetupForm& form = Show();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  form.TakeChoice(request_);
  EXPECT_EQ(request_.settings.PaperNumber, 0);
  EXPECT_EQ(request_.settings.Paper, TSize());
  EXPECT_EQ(request_.settings.Tray, 0);
  EXPECT_EQ(request_.settings.FromPage, 0);
}

// The file printer shows its file and its own paper, whatever the queue before had.
TEST_F(PrintSetupFormTest, TheFilePrinterShowsItsFileAndKeepsItsOwnPaper) {
  request_.settings.PaperNumber = 11;  // A5 on the queue
  request_.settings.PaperName = "A5";
  PrintSetupForm& form = Show();
  EXPECT_EQ(form.paper->currentText(), "A5");
  form.printers->setFocus();
  QTest::keyClick(form.printers, Qt::Key_Down);
  EXPECT_EQ(form.paper->currentText(), "A4");
  EXPECT_EQ(Items(form.tray), QStringList{"Automatisch"});
  ASSERT_TRUE(form.file->isEnabled());
  EXPECT_EQ(form.file->text(), "/home/anna/Dokumente/Liste.pdf");
  EXPECT_FALSE(form.copies->isEnabled());  // one copy a file

  // "Durchsuchen..." asks for the file.
  MessageLog log;
  log.Answer(AnsiString("/home/anna/Liste \xFC" "berall.pdf"));
  QTest::mouseClick(form.browse, Qt::LeftButton);
  EXPECT_EQ(form.file->text(), QString::fromUtf8("/home/anna/Liste \xC3\xBC" "berall.pdf"));
  Confirm();
  EXPECT_EQ(request_.printerIndex, 1);
  EXPECT_EQ(request_.settings.PaperNumber, 0);  // its own A4
  // As the file system has it.
  EXPECT_EQ(request_.files[1], "/home/anna/Liste \xC3\xBC" "berall.pdf");
}

TEST_F(PrintSetupFormTest, CopiesAndAPageRangeAreTaken) {
  PrintSetupForm& form = Show();
  EXPECT_FALSE(form.fromPage->isEnabled());
  QTest::mouseClick(form.somePages, Qt::LeftButton);
  ASSERT_TRUE(form.fromPage->isEnabled());
  form.fromPage->selectAll();
  QTest::keyClicks(form.fromPage, "2");
  form.toPage->selectAll();
  QTest::keyClicks(form.toPage, "2");
  form.copies->selectAll();
  QTest::keyClicks(form.copies, "2");
  EXPECT_TRUE(form.collate->isEnabled());
  Confirm();
  EXPECT_EQ(request_.settings.FromPage, 2);
  EXPECT_EQ(request_.settings.ToPage, 2);
  EXPECT_EQ(request_.settings.Copies, 2);
}

}  // namespace

namespace {

// The file printer's file exists: OK asks the save dialogs' question first; No keeps the
// dialog open, Yes confirms it. A file "Durchsuchen..." chose is not asked about again.
TEST_F(PrintSetupFormTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
  TempFolder folder;
  const std::string existing = folder / "Liste.pdf";
  WriteBytes(existing, "%PDF-1.4 old");
  request_.printerIndex = 1;
  request_.files = {"", AnsiString(existing)};
  PrintSetupForm& form = Show();
  MessageLog log;
  log.Answer(mrNo);
  QTest::mouseClick(form.ok, Qt::LeftButton);
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], existing + " existiert bereits.\nSoll sie ersetzt werden?");
  log.Answer(mrYes);
  Confirm();
  EXPECT_EQ(request_.files[1], existing);

  PrintSetupForm& again = Show();
  log.texts.clear();
  log.Answer(AnsiString(existing));
  QTest::mouseClick(again.browse, Qt::LeftButton);
  Confirm();
  EXPECT_EQ(log.texts.size(), 1u);  // the file dialog's title only
}

// Without the print service the dialog says in one line why only the file printer is offered.
TEST_F(PrintSetupFormTest, AnUnreachablePrintServiceIsSaidInOneLine) {
  request_.printers = {"PDF"};
  request_.files = {"/home/anna/Dokumente/Liste.pdf"};
  request_.infoOf = [this](int) { return &file_; };
  request_.note = "Druckdienst nicht erreichbar - nur Ausgabe in eine Datei";
  PrintSetupForm& form = Show();
  ASSERT_NE(form.note, nullptr);
  EXPECT_EQ(form.note->text(), "Druckdienst nicht erreichbar - nur Ausgabe in eine Datei");
  EXPECT_TRUE(form.note->isVisible());
  if (const char* keep = std::getenv("KALVENTO_PICTURE_DIR"))
    form.grab().save(QDir(keep).filePath("print-dialog-without-service.png"));
}

}  // namespace
