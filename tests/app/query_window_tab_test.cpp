// The query window by the keyboard: it opens on the case switch at the top, and Tab goes
// through the criteria line by line, the sort fields, the descriptions and the buttons, and
// round to the switch; every stop shows that it has the focus, and Esc cancels as
// "&abbrechen" does.
#include "QueryWindowTest.h"
#include "focus_marks.h"
#include "tab_walk.h"

namespace {

class QueryWindowKeys : public QueryWindow {
 protected:
  NamedControls Controls() {
    NamedControls controls = {
        NAMED(form, chkGrossKlein),    NAMED(form, edtReiter),    NAMED(form, edtBeschreibung1),
        NAMED(form, edtBeschreibung2), NAMED(form, btnLaden),     NAMED(form, btnSpeichern),
        NAMED(form, btnLoeschen),      NAMED(form, btnAbbrechen), NAMED(form, btnOK)};
    for (int k = 1; k <= 27; ++k)
      controls.push_back(
          {static_cast<TWinControl*>(form.SlotControl(k)), "cbo" + std::to_string(k)});
    return controls;
  }
  // Runs `steps` in the window once it is the active one; the window must close.
  int8_t CallActive(std::function<void()> steps) {
    return Call([this, steps] {
      form.Widget()->activateWindow();
      if (QTest::qWaitForWindowActive(form.Widget())) steps();
      if (form.GetVisible()) form.ModalResult = mrCancel;
    });
  }
};

// The switch stands above the criteria: it was the last stop, after "&OK".
TEST_F(QueryWindowKeys, TabFollowsTheReadingOrderFromTheCaseSwitch) {
  std::vector<std::string> expected = {"chkGrossKlein"};
  for (int k = 1; k <= 26; ++k) expected.push_back("cbo" + std::to_string(k));  // 27 is hidden
  expected.insert(expected.end(), {"edtBeschreibung1", "edtBeschreibung2", "btnLaden",
                                   "btnSpeichern", "btnLoeschen", "btnAbbrechen", "btnOK"});
  std::vector<std::string> reached;
  QImage opened;
  CallActive([&] {
    opened = RenderWindow(&form, "query-window-opened.png");
    reached = TabWalk(Controls());
  });
  EXPECT_EQ(reached, expected);
  EXPECT_FALSE(opened.isNull());
}

TEST_F(QueryWindowKeys, EveryTabStopShowsThatItHasTheFocus) {
  std::vector<std::string> unmarked = {"not walked"};
  CallActive([&] { unmarked = UnmarkedStops(form, Controls(), "query-window-focus.png"); });
  EXPECT_EQ(unmarked, std::vector<std::string>{});
}

// From the switch and from a criterion being written: the window closes, runs nothing and
// reports the cancel; the criterion typed stays in the window.
TEST_F(QueryWindowKeys, EscCancelsAsTheCancelButtonDoes) {
  dbase_abfrageergebnis = 1;
  EXPECT_EQ(CallActive([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }), 0);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_FALSE(Saved("LetzteAbfrage.dba"));

  dbase_abfrageergebnis = 1;
  EXPECT_EQ(CallActive([this] {
              Type(form.cbo3, "Teil*");
              QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            }),
            0);
  EXPECT_FALSE(Saved("LetzteAbfrage.dba"));
  EXPECT_EQ(form.cbo3->GetText(), "Teil*");
}

}  // namespace
