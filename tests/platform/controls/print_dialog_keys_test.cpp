// Return in the print dialog, by real keys: a focused push button takes it (and Space),
// anywhere else the dialog's default button does. Once the focus has passed "Abbrechen" the
// default is "OK" again. The program's own forms: keyboard_test.cpp.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "message_log.h"
#include "platform/controls/dialogs.h"
#include "platform/controls/qt/qt_print_dialog.h"
#include "platform/controls/qt/qt_print_setup_form.h"

namespace {

QWidget* Focus() { return QApplication::focusWidget(); }
void Press(Qt::Key key) { QTest::keyClick(Focus(), key); }

// A file printer, so the dialog has its file field, and a queue.
class PrintDialogButtons : public testing::Test {
 protected:
  PrintDialogButtons() {
    request.printers = {"PDF", "Office"};
    request.files = {"/tmp/Liste.pdf", ""};
    request.infoOf = [this](int) { return &info; };
  }
  // Runs the print dialog as the program does, with `keys` pressed in it once it shows.
  bool ShowWith(std::function<void(PrintSetupForm&)> keys) {
    QTimer::singleShot(0, [keys] {
      auto* form = dynamic_cast<PrintSetupForm*>(QApplication::activeModalWidget());
      if (!form) return ADD_FAILURE() << "no print dialog";  // exec would wait for ever
      if (QTest::qWaitForWindowActive(form)) keys(*form);
      if (form->isVisible()) form->reject();
    });
    return ShowPrintDialog(request);
  }
  // Tab until the focus has passed "Abbrechen" and is back in the file field.
  static void TabRound(PrintSetupForm& form) {
    bool passedCancel = false;
    for (int i = 0; i < 40 && !(passedCancel && Focus() == form.file); ++i) {
      Press(Qt::Key_Tab);
      auto* button = qobject_cast<QPushButton*>(Focus());
      if (button && button->text() == "Abbrechen") {
        passedCancel = true;
        EXPECT_TRUE(button->isDefault());  // the focused button takes Return
        EXPECT_FALSE(form.ok->isDefault());
      }
    }
    EXPECT_TRUE(passedCancel);
    EXPECT_EQ(Focus(), form.file);
  }

  TPrintDeviceInfo info;
  PrintDialogRequest request;
};

TEST_F(PrintDialogButtons, ReturnInTheFileFieldPrintsAfterTabbingPastAbbrechen) {
  bool framed = false;
  EXPECT_TRUE(ShowWith([&](PrintSetupForm& form) {
    QTest::mouseClick(form.file, Qt::LeftButton);
    form.file->selectAll();
    QTest::keyClicks(form.file, "/tmp/Teil 1.pdf");
    TabRound(form);
    framed = form.ok->isDefault();
    Press(Qt::Key_Return);
  }));
  EXPECT_TRUE(framed);
  EXPECT_EQ(request.files[0], "/tmp/Teil 1.pdf");
}

TEST_F(PrintDialogButtons, AFocusedButtonTakesReturnAndSpace) {
  auto onCancel = [](Qt::Key key) {
    return [key](PrintSetupForm& form) {
      while (Focus() != form.ok) Press(Qt::Key_Tab);
      Press(Qt::Key_Tab);  // "Abbrechen"
      Press(key);
    };
  };
  EXPECT_FALSE(ShowWith(onCancel(Qt::Key_Return)));
  EXPECT_FALSE(ShowWith(onCancel(Qt::Key_Space)));

  // "Durchsuchen..." asks for the file.
  MessageLog log;
  log.Answer(AnsiString("/tmp/Gew\xE4hlt.pdf"));
  EXPECT_TRUE(ShowWith([](PrintSetupForm& form) {
    form.browse->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Return);
    EXPECT_EQ(form.file->text(), QString::fromUtf8("/tmp/Gew\xC3\xA4hlt.pdf"));
    form.file->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Return);
  }));
}

}  // namespace
