// Running queries in the query window: by the user's clicks, unattended through the
// mailboxes, with the progress shown, and the window's three outcomes.
#include <gtest/gtest.h>

#include "QueryWindowTest.h"

namespace {

using Hits = std::vector<std::string>;

TEST_F(QueryWindow, ClearedFieldsSelectEveryLiveRecordInFileOrderAndSaveTheQuery) {
  Criterion(1, "PREIS", ">", "50");
  form.edtBeschreibung1->SetText("alt");
  int8_t outcome = Call([&] {
    Click(form.btnLoeschen);
    EXPECT_EQ(form.cbo1->GetText(), "");
    EXPECT_EQ(form.cbo2->GetText(), "=");
    EXPECT_EQ(form.cbo3->GetText(), "");
    EXPECT_EQ(form.edtBeschreibung1->GetText(), "");
    Click(form.btnOK);
  });
  EXPECT_EQ(outcome, 1);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(IndexHits(), (Hits{"0", "1", "2", "3", "5"}));
  EXPECT_EQ(dbase_ersterindex, 0u);
  EXPECT_TRUE(log.texts.empty());
  // "LetzteAbfrage.dba" in the working folder holds what the controls showed.
  ASSERT_TRUE(Saved("LetzteAbfrage.dba"));
  std::string bytes = ReadBytes(dir / "LetzteAbfrage.dba");
  ASSERT_GT(bytes.size(), 880u);
  EXPECT_EQ(bytes.substr(20, 20), std::string(20, '\0'));     // slot 1: no field
  EXPECT_EQ(bytes.substr(40, 2), std::string("=\0", 2));      // slot 2
  EXPECT_EQ(bytes.substr(560, 160), std::string(160, '\0'));  // description 1
  // The window's progress display is down again.
  EXPECT_FALSE(form.ProgressBar1->GetVisible());
  EXPECT_FALSE(form.labMeldung->GetVisible());
  EXPECT_FALSE(form.Timer1->GetEnabled());
  EXPECT_EQ(Screen->GetCursor(), crDefault);
}

TEST_F(QueryWindow, AnUnknownFieldIsNamedWithItsCriterionAndNothingIsSaved) {
  int8_t outcome = Call([&] {
    Type(form.cbo4, "Farbe");
    EXPECT_EQ(form.cbo4->GetText(), "Farbe");
    Click(form.btnOK);
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_EQ(log.texts[0], "FARBE - Feld existiert nicht - bitte berichtigen - Kriterium: 2");
    // The window stays open with the user's entries, ready for the next try.
    EXPECT_TRUE(form.GetVisible());
    EXPECT_EQ(form.cbo4->GetText(), "Farbe");
    EXPECT_FALSE(form.ProgressBar1->GetVisible());
    EXPECT_TRUE(form.btnOK->GetEnabled());
    EXPECT_FALSE(Saved("LetzteAbfrage.dba"));
    Click(form.btnAbbrechen);
  });
  EXPECT_EQ(outcome, 0);
  EXPECT_FALSE(Saved("LetzteAbfrage.dba"));
}

TEST_F(QueryWindow, TheOutcomesOfAShowing) {
  // Hits: 1, sorted by the first sort field.
  int8_t outcome = Call([&] {
    Criterion(1, "BEZEICHNUN", "=", "R*");
    form.cbo25->SetText("PREIS");
    Click(form.btnOK);
  });
  EXPECT_EQ(outcome, 1);
  EXPECT_EQ(IndexHits(), (Hits{"0", "3"}));  // "Rainer" 10, "Rad" 100; "rot" differs in case
  EXPECT_EQ(dbase_anzahlindex, 2u);

  // The last query comes back at the next opening; a run without hits gives -1.
  outcome = Call([&] {
    EXPECT_EQ(form.cbo1->GetText(), "BEZEICHNUN");
    EXPECT_EQ(form.cbo3->GetText(), "R*");
    EXPECT_EQ(form.cbo25->GetText(), "PREIS");
    form.cbo3->SetText("X*");
    Click(form.btnOK);
  });
  EXPECT_EQ(outcome, -1);
  EXPECT_EQ(dbase_anzahlindex, 0u);
  EXPECT_FALSE(form.GetVisible());

  outcome = Call([&] { Click(form.btnAbbrechen); });
  EXPECT_EQ(outcome, 0);

  // Closing from the frame leaves the last outcome as it was.
  outcome = Call([&] { form.Widget()->close(); });
  EXPECT_EQ(outcome, 0);
  dbase_abfrageergebnis = 1;
  outcome = Call([&] { form.Widget()->close(); });
  EXPECT_EQ(outcome, 1);
  EXPECT_EQ(dbase_anzahlindex, 0u);  // the showing counts no hits until a run
}

TEST_F(QueryWindow, TheCaseSwitchReachesTheRun) {
  dbase_grossklein = 1;
  Call([&] {
    EXPECT_TRUE(form.chkGrossKlein->GetChecked());
    Click(form.chkGrossKlein);
    Criterion(1, "BEZEICHNUN", "=", "r*");
    Click(form.btnOK);
  });
  EXPECT_EQ(dbase_grossklein, 0);
  EXPECT_EQ(IndexHits(), (Hits{"0", "1", "3"}));
}

TEST_F(QueryWindow, TheProgressShowsThePercentageThenTheSorting) {
  form.Show();
  dbase_prozent = 40;
  form.Timer1->OnTimer(form.Timer1);
  EXPECT_EQ(form.ProgressBar1->GetPosition(), 40);
  EXPECT_EQ(form.labMeldung->GetCaption(), "  durchsuche Datenbank: 40%  ");
  dbase_prozent = 100;
  form.Timer1->OnTimer(form.Timer1);
  EXPECT_EQ(form.ProgressBar1->GetPosition(), 100);
  EXPECT_EQ(form.labMeldung->GetCaption(), "  sortiere Datens\xE4tze  ");
}

// While the engine lets the message loop run between records, a click on "&OK", a second
// run started by other means and a close from the frame all come to nothing.
TEST_F(QueryWindow, NothingStartsOrClosesWhileAQueryRuns) {
  int during = 0;
  int8_t outcome = Call([&] {
    form.cbo4->SetText("Farbe");  // the check fails: the window would stay open
    QTimer::singleShot(0, [&] {
      ++during;
      EXPECT_TRUE(form.Running());
      for (TButton* button :
           {form.btnOK, form.btnLaden, form.btnSpeichern, form.btnLoeschen, form.btnAbbrechen})
        EXPECT_FALSE(button->GetEnabled());
      Click(form.btnOK);
      Click(form.btnAbbrechen);
      form.btnOKClick(form.btnOK);  // returns at once
      form.Widget()->close();
    });
    Click(form.btnOK);
    EXPECT_EQ(during, 1);
    EXPECT_EQ(log.texts.size(), 1u);  // one check, one message
    EXPECT_EQ(form.ModalResult, mrNone);
    EXPECT_TRUE(form.btnOK->GetEnabled());
    EXPECT_FALSE(form.Running());
    // Still open once the modal loop has looked: the user goes on to mend the query.
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(form.GetVisible());
      Click(form.btnAbbrechen);
    });
  });
  EXPECT_EQ(outcome, 0);
  EXPECT_EQ(during, 1);
  EXPECT_EQ(dbase_abfrageergebnis, 0);
}

TEST_F(QueryWindow, AQuickSearchRunsByItselfAndClosesTheWindow) {
  Criterion(2, "", "<", "bleibt");
  form.cbo26->SetText("DATUM");
  schnellsuche_feld = "BEZEICHNUN";
  schnellsuche_wert = "R*";
  schnellsuche_sortierfeld = "PREIS";
  EXPECT_EQ(Call(), 1);
  EXPECT_EQ(IndexHits(), (Hits{"0", "3"}));
  EXPECT_EQ(DbaseSlot(1), "BEZEICHNUN");
  EXPECT_EQ(DbaseSlot(2), "=");
  EXPECT_EQ(DbaseSlot(3), "R*");
  EXPECT_EQ(DbaseSlot(25), "PREIS");
  EXPECT_EQ(DbaseSlot(4), "");  // activation emptied every other field
  EXPECT_EQ(DbaseSlot(26), "");
  EXPECT_EQ(DbaseSlot(6), "bleibt");  // values keep their texts, unused
  EXPECT_EQ(schnellsuche_feld, "");
  EXPECT_EQ(schnellsuche_wert, "");
  EXPECT_EQ(schnellsuche_sortierfeld, "PREIS");
  EXPECT_EQ(form.Timer2->GetInterval(), 0);
  EXPECT_TRUE(Saved("LetzteAbfrage.dba"));
  EXPECT_TRUE(log.texts.empty());

  // The next interactive opening shows the quick search.
  Call([&] {
    EXPECT_EQ(form.cbo1->GetText(), "BEZEICHNUN");
    EXPECT_EQ(form.cbo3->GetText(), "R*");
    Click(form.btnAbbrechen);
  });
}

// An unattended query that fails its check still closes the window, with -1.
TEST_F(QueryWindow, AFailedUnattendedCheckClosesTheWindowWithMinusOne) {
  schnellsuche_feld = "PREIS";
  schnellsuche_wert = "teuer";
  EXPECT_EQ(Call(), -1);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "teuer = nicht numerisch und pa\xDFt nicht zum Feldtyp - Kriterium: 1");
  EXPECT_FALSE(Saved("LetzteAbfrage.dba"));
  EXPECT_EQ(schnellsuche_wert, "");
}

TEST_F(QueryWindow, ASavedQueryRunsByItself) {
  WriteQuery(dir / "rot.dba", dbase_dateiname, "BEZEICHNUN", "rot", 0);
  abfrage_dateiauftrag = "rot.dba";
  EXPECT_EQ(Call(), 1);
  EXPECT_EQ(IndexHits(), (Hits{"1"}));
  EXPECT_EQ(abfrage_dateiauftrag, "");
  EXPECT_EQ(abfrage_dateiname, "LetzteAbfrage.dba");
  EXPECT_EQ(form.edtBeschreibung1->GetText(), "gespeichert");
  EXPECT_TRUE(log.texts.empty());
}

// A saved query of another table is reported and then the controls run as they are: the
// field lists were emptied, so every record is a hit.
TEST_F(QueryWindow, AnUnattendedQueryOfAnotherTableRunsTheControlsAsTheyAre) {
  WriteQuery(dir / "fremd.dba", "andere.dbf", "BEZEICHNUN", "rot", 0);
  abfrage_dateiauftrag = "fremd.dba";
  EXPECT_EQ(Call(), 1);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "Abfrage geh\xF6rt nicht zu Datenbank");
  EXPECT_EQ(IndexHits(), (Hits{"0", "1", "2", "3", "5"}));
}

// A file that cannot be opened runs the criteria the engine holds from the last query.
TEST_F(QueryWindow, AnUnattendedQueryThatCannotBeOpenedRunsTheEnginesCriteria) {
  Call([&] {
    Criterion(1, "BEZEICHNUN", "=", "Blau");
    Click(form.btnOK);
  });
  abfrage_dateiauftrag = "fehlt.dba";
  EXPECT_EQ(Call(), 1);
  EXPECT_EQ(IndexHits(), (Hits{"2"}));
  EXPECT_TRUE(log.texts.empty());
}

// A window closed before its unattended tick runs nothing; the next showing runs the query.
TEST_F(QueryWindow, AnUnattendedTickAfterTheWindowClosedRunsNothing) {
  abfrage_dateiauftrag = "fehlt.dba";
  form.Show();
  EXPECT_EQ(form.Timer2->GetInterval(), 100);
  form.Close();
  form.Timer2->OnTimer(form.Timer2);
  EXPECT_EQ(form.Timer2->GetInterval(), 0);
  EXPECT_FALSE(Saved("LetzteAbfrage.dba"));
  EXPECT_EQ(abfrage_dateiauftrag, "fehlt.dba");
  EXPECT_EQ(Call(), 1);
  EXPECT_TRUE(Saved("LetzteAbfrage.dba"));
  EXPECT_EQ(abfrage_dateiauftrag, "");
}

}  // namespace
