// The entry form by the keyboard: the focus starts in the designation, Tab follows the
// reading order past the totals a user cannot change and every stop shows that it has the
// focus, and Esc leaves without saving as "&abbrechen" does.
#include <QTest>

#include "EntryFormTest.h"
#include "focus_marks.h"
#include "tab_walk.h"

namespace {

NamedControls EntryFormControls(TfrmKalvento_Maske& f) {
  return {NAMED(f, edtKalvento_Bezeichnun),
          NAMED(f, edtKalvento_English),
          NAMED(f, edtKalvento_Bemerkunge),
          NAMED(f, edtKalvento_Haupt1),
          NAMED(f, edtKalvento_Haupt2),
          NAMED(f, edtKalvento_G1spannung),
          NAMED(f, edtKalvento_G3spannung),
          NAMED(f, edtKalvento_G2spannung),
          NAMED(f, edtKalvento_Anodenspan),
          NAMED(f, edtKalvento_Heizspannu),
          NAMED(f, edtKalvento_Karte600v),
          NAMED(f, edtKalvento_Relaisplat),
          NAMED(f, edtKalvento_Mikroproze),
          NAMED(f, edtKalvento_Anschlussp),
          NAMED(f, edtKalvento_Trafoplati),
          NAMED(f, edtKalvento_Sonstiges),
          NAMED(f, edtKalvento_Zusaetzlic),
          NAMED(f, edtKalvento_Anzahlgesa),
          NAMED(f, edtKalvento_Bezugsquel),
          NAMED(f, edtKalvento_Reicheltbe),
          NAMED(f, edtKalvento_Einzelprei),
          NAMED(f, edtKalvento_Gesamtprei),
          NAMED(f, chkKalvento_Bestellen),
          NAMED(f, btnZurueck),
          NAMED(f, btnVor),
          NAMED(f, btnNeuer),
          NAMED(f, btnDublizieren),
          NAMED(f, btnAbbrechen),
          NAMED(f, btnOK)};
}

const std::vector<std::string> kReadingOrder = {"edtKalvento_Bezeichnun",
                                                "edtKalvento_English",
                                                "edtKalvento_Bemerkunge",
                                                "edtKalvento_Haupt1",
                                                "edtKalvento_Haupt2",
                                                "edtKalvento_G1spannung",
                                                "edtKalvento_G3spannung",
                                                "edtKalvento_G2spannung",
                                                "edtKalvento_Anodenspan",
                                                "edtKalvento_Heizspannu",
                                                "edtKalvento_Karte600v",
                                                "edtKalvento_Relaisplat",
                                                "edtKalvento_Mikroproze",
                                                "edtKalvento_Anschlussp",
                                                "edtKalvento_Trafoplati",
                                                "edtKalvento_Sonstiges",
                                                "edtKalvento_Zusaetzlic",
                                                "edtKalvento_Bezugsquel",
                                                "edtKalvento_Reicheltbe",
                                                "edtKalvento_Einzelprei",
                                                "chkKalvento_Bestellen",
                                                "btnZurueck",
                                                "btnVor",
                                                "btnNeuer",
                                                "btnDublizieren",
                                                "btnAbbrechen",
                                                "btnOK"};

void ShowActive(TForm& form) {
  form.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
}

// A showing that ended with the focus elsewhere starts in the designation again.
TEST_F(EntryForm, TabFollowsTheReadingOrderFromTheDesignationOfARecord) {
  Open(2);
  ShowActive(form);
  EXPECT_EQ(TabWalk(EntryFormControls(form)), kReadingOrder);
  form.btnOK->SetFocus();
  Click(form.btnAbbrechen);
  Open(3);
  EXPECT_EQ(form.GetActiveControl(), form.edtKalvento_Bezeichnun);
}

TEST_F(EntryForm, TabFollowsTheReadingOrderFromTheDesignationOfANewRecord) {
  OpenNew();
  ShowActive(form);
  EXPECT_EQ(TabWalk(EntryFormControls(form)), kReadingOrder);
}

TEST_F(EntryForm, EveryTabStopShowsThatItHasTheFocus) {
  Open(2);
  ShowActive(form);
  EXPECT_EQ(UnmarkedStops(form, EntryFormControls(form), "entry-form-focus.png"),
            std::vector<std::string>{});
}

// A changed designation and a changed count: Esc closes the form, writes neither and lets go
// of the record's lock.
TEST_F(EntryForm, EscLeavesWithoutSavingAsTheCancelButtonDoes) {
  const long record = dbase_indexdsnr(2);
  const AnsiString designation = Stored(record, kDesignation);
  const AnsiString count = Stored(record, kMainBoard1);
  Open(2);
  ShowActive(form);
  QTest::keyClicks(QApplication::focusWidget(), "xy");
  ASSERT_NE(form.edtKalvento_Bezeichnun->GetText(), designation);
  form.edtKalvento_Haupt1->SetFocus();
  QTest::keyClicks(QApplication::focusWidget(), "7");
  ASSERT_EQ(form.edtKalvento_Haupt1->GetText(), count + "7");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QApplication::processEvents();  // a key an edit posted on
  EXPECT_FALSE(form.GetVisible());
  EXPECT_FALSE(Locked(record));
  EXPECT_EQ(Stored(record, kDesignation), designation);
  EXPECT_EQ(Stored(record, kMainBoard1), count);
}

// Ctrl+A in a designation at its limit and in a price, each followed by typing, replaces the
// whole value, and OK saves what was typed.
TEST_F(EntryForm, CtrlAThenTypingReplacesAFullDesignationAndAPrice) {
  const long record = dbase_indexdsnr(2);
  Store(record, {{kDesignation, AnsiString(40, 'W')}, {kUnitPrice, "     0.000"}});
  Open(2);
  ShowActive(form);
  ASSERT_EQ(form.edtKalvento_Bezeichnun->GetText(), AnsiString(40, 'W'));
  form.edtKalvento_Bezeichnun->SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  QTest::keyClicks(QApplication::focusWidget(), "Neu");
  form.edtKalvento_Einzelprei->SetFocus();
  ASSERT_EQ(form.edtKalvento_Einzelprei->GetText(), "0,000");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), "1,5");
  Click(form.btnOK);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(Stored(record, kDesignation), "Neu");
  EXPECT_EQ(Stored(record, kUnitPrice), "1,500");
}

}  // namespace
