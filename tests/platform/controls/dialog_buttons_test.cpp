// Return in a dialog, by real keys: a focused push button takes it (and Space), anywhere else
// the dialog's default button does, and the default frame shows which. Once the focus has
// passed a button the default is the dialog's own again, in the program's forms and in the
// dialogs shown through Qt (the print dialog).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "message_log.h"
#include "platform/controls/dialogs.h"
#include "platform/controls/forms.h"
#include "platform/controls/qt/qt_print_dialog.h"
#include "platform/controls/qt/qt_print_setup_form.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/edit.h"

namespace {

QWidget* Focus() { return QApplication::focusWidget(); }
void Press(Qt::Key key) { QTest::keyClick(Focus(), key); }
bool Framed(TButton* button) { return static_cast<QPushButton*>(button->Widget())->isDefault(); }

// An edit, "OK" (the default) and "Abbrechen" (the cancel button).
class FormButtons : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 120);
    edit = Add<TEdit>(8, 8);
    ok = Add<TButton>(8, 60);
    ok->SetCaption("OK");
    ok->ModalResult = mrOk;
    ok->SetDefault(true);
    cancel = Add<TButton>(100, 60);
    cancel->SetCaption("Abbrechen");
    cancel->ModalResult = mrCancel;
    cancel->Cancel = true;
  }
  template <class T>
  T* Add(int left, int top) {
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetLeft(left);
    control->SetTop(top);
    return control;
  }
  // Shows the form modally and runs `keys` in it, the focus in the edit.
  int ShowWith(std::function<void()> keys) {
    QTimer::singleShot(0, [this, keys] {
      if (QTest::qWaitForWindowActive(form.Widget())) {
        edit->SetFocus();
        keys();
      }
      if (form.ModalResult == mrNone) form.ModalResult = mrAbort;
    });
    return form.ShowModal();
  }

  TForm form{nullptr};
  TEdit* edit = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
};

TEST_F(FormButtons, TheFrameFollowsTheFocusedButtonAndComesBackToTheDefault) {
  std::vector<bool> frames;
  auto note = [&] { frames.insert(frames.end(), {Framed(ok), Framed(cancel)}); };
  EXPECT_EQ(ShowWith([&] {
              note();
              Press(Qt::Key_Tab);  // OK
              note();
              Press(Qt::Key_Tab);  // Abbrechen
              note();
              Press(Qt::Key_Tab);  // the edit again
              note();
              QTest::keyClicks(Focus(), "Liste.pdf");
              Press(Qt::Key_Return);
            }),
            mrOk);
  EXPECT_EQ(frames, (std::vector<bool>{true, false, true, false, false, true, true, false}));
  EXPECT_EQ(edit->GetText(), "Liste.pdf");
}

TEST_F(FormButtons, AFocusedButtonTakesReturnAndSpace) {
  EXPECT_EQ(ShowWith([&] {
              Press(Qt::Key_Tab);
              Press(Qt::Key_Tab);
              Press(Qt::Key_Return);
            }),
            mrCancel);
  EXPECT_EQ(ShowWith([&] {
              Press(Qt::Key_Tab);
              Press(Qt::Key_Tab);
              Press(Qt::Key_Space);
            }),
            mrCancel);
}

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
