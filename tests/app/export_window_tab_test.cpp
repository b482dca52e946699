// The export window by the keyboard: it opens in the most lines per file, Tab goes on to the
// two export buttons and passes the instructions, which a user only reads; every stop shows
// that it has the focus, and Esc closes the window, which has no cancel button, after an
// export too.
#include "ExportWindowTest.h"
#include "focus_marks.h"
#include "tab_walk.h"
#include "window_clicks.h"

namespace {

class ExportWindowKeys : public ExportWindow {
 protected:
  void SetUp() override {
    ExportWindow::SetUp();
    WriteDatabase(4, 1);
    ShowList();
  }
  // Runs `steps` in the window's next showing once it is the active one; a window they leave
  // open closes with mrAbort.
  void ShowActive(std::function<void()> steps) {
    WhenShown(form, [this, steps] {
      form.Widget()->activateWindow();
      if (QTest::qWaitForWindowActive(form.Widget())) steps();
      QApplication::processEvents();  // keys the controls posted
      if (form.ModalResult == mrNone) form.ModalResult = mrAbort;
    });
  }
  // Presses the button by the keyboard, into the file "<name>.csv", and then Esc where the
  // focus is; the window's modal result.
  int ExportByKeys(TButton* button, const std::string& name) {
    std::string focused = "not shown";
    ShowActive([&] {
      button->SetFocus();
      log.Answer(AnsiString(Path(name + ".csv")));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      QApplication::processEvents();  // the window system's answers
      focused = FocusedName(Controls());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    const int result = form.ShowModal();
    EXPECT_EQ(focused, name);
    EXPECT_TRUE(Exists(Path(name + ".csv")));
    return result;
  }
  NamedControls Controls() {
    return {NAMED(form, Memo1), NAMED(form, edtAnzahlProDatei), NAMED(form, Button1),
            NAMED(form, btnCSVDatei)};
  }
};

// A showing that ended on a button starts in the field again.
TEST_F(ExportWindowKeys, TabGoesFromTheMaximumToTheButtons) {
  std::vector<std::string> reached;
  ShowActive([&] {
    reached = TabWalk(Controls());
    form.btnCSVDatei->SetFocus();
  });
  form.ShowModal();
  const std::vector<std::string> order = {"edtAnzahlProDatei", "Button1", "btnCSVDatei"};
  EXPECT_EQ(reached, order);

  TWinControl* first = nullptr;
  WhenShown(form, [&] {
    first = form.GetActiveControl();
    form.ModalResult = mrCancel;
  });
  form.ShowModal();
  EXPECT_EQ(first, form.edtAnzahlProDatei);
}

TEST_F(ExportWindowKeys, EveryTabStopShowsThatItHasTheFocus) {
  std::vector<std::string> unmarked = {"not walked"};
  ShowActive([&] { unmarked = UnmarkedStops(form, Controls(), "export-window-focus.png"); });
  form.ShowModal();
  EXPECT_EQ(unmarked, std::vector<std::string>{});
}

// From the field, where the typed digit is taken back first, and from a button.
TEST_F(ExportWindowKeys, EscClosesTheWindowAsItsFrameDoes) {
  ShowActive([&] {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), "0");
    EXPECT_EQ(form.edtAnzahlProDatei->GetText(), "10000");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(form.edtAnzahlProDatei->GetText(), "1000");

  ShowActive([&] {
    form.Button1->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{});  // no export ran
}

// Each export started from its button by the keyboard gives the focus back to that button,
// so that Esc closes the window at once: the cart export turns its buttons off meanwhile and
// runs the query window.
TEST_F(ExportWindowKeys, AfterTheCartExportTheFocusIsBackOnItsButtonAndEscCloses) {
  EXPECT_EQ(ExportByKeys(form.Button1, "Button1"), mrCancel);
}

TEST_F(ExportWindowKeys, AfterTheGeneralExportTheFocusIsBackOnItsButtonAndEscCloses) {
  EXPECT_EQ(ExportByKeys(form.btnCSVDatei, "btnCSVDatei"), mrCancel);
}

}  // namespace
