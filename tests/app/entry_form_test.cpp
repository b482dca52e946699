// The entry form: limits from the table's fields, the totals, saving with its lock and
// duplicate checks, stepping through the hits, new and copied records.
#include <fstream>

#include "EntryFormTest.h"

#include "tools/sample/PartsLayout.h"

namespace {

TEST_F(EntryForm, TakesItsLimitsAndPrecisionsFromTheFields) {
  Open(0);
  EXPECT_EQ(form.GetCaption(), "Kalvento Vandrix");
  EXPECT_EQ(form.edtKalvento_Bezeichnun->LengthLimit, 40);
  EXPECT_EQ(form.edtKalvento_Relaisplat->LengthLimit, 4);
  EXPECT_EQ(form.edtKalvento_Anzahlgesa->LengthLimit, 6);
  // N 10.3 and N 10.2: the digits before the separator, and the decimals.
  EXPECT_EQ(form.edtKalvento_Einzelprei->LengthLimit, 6);
  EXPECT_EQ(form.edtKalvento_Einzelprei->GetPrecision(), 3);
  EXPECT_EQ(form.edtKalvento_Gesamtprei->LengthLimit, 7);
  EXPECT_EQ(form.edtKalvento_Gesamtprei->GetPrecision(), 2);
  EXPECT_EQ(form.edtKalvento_Bemerkunge->GetMaxLength(), 100);
  EXPECT_EQ(form.edtKalvento_English->LengthLimit, 30);
  EXPECT_EQ(form.edtKalvento_Einzelprei->GetText(), "0,000");
  EXPECT_EQ(form.edtKalvento_Gesamtprei->GetText(), "1,50");
  EXPECT_TRUE(form.edtKalvento_Anzahlgesa->GetReadOnly());
  EXPECT_TRUE(form.edtKalvento_Gesamtprei->GetReadOnly());
  for (int n = 0; n < kPartsFields; ++n)
    EXPECT_EQ(form.FieldControl(n) == nullptr, n == kOrder) << n;
}

// Record 5 stores a total count of 5 and no counts: what is stored shows until a count or the
// price changes, and the save stores what is shown. The form keeps the texts it showed last,
// so loading recomputes only where a count or the price differs from them: opened on record 5
// a second time, nothing changes while loading.
TEST_F(EntryForm, RecomputesTheTotalsOnEveryChangeAndStoresThem) {
  Open(5);
  Click(form.btnAbbrechen);
  Open(5);
  EXPECT_EQ(form.edtKalvento_Anzahlgesa->GetText(), "5");
  Type(form.edtKalvento_Relaisplat, "2");
  EXPECT_EQ(form.edtKalvento_Anzahlgesa->GetText(), "2");
  Type(form.edtKalvento_Haupt2, "3");
  Type(form.edtKalvento_Zusaetzlic, "10");
  EXPECT_EQ(form.edtKalvento_Anzahlgesa->GetText(), "15");
  Type(form.edtKalvento_Zusaetzlic, "");  // an empty count counts 0
  EXPECT_EQ(form.edtKalvento_Anzahlgesa->GetText(), "5");
  Type(form.edtKalvento_Einzelprei, "1,25");
  EXPECT_EQ(form.edtKalvento_Gesamtprei->GetText(), "6,25");
  form.chkKalvento_Bestellen->SetChecked(true);
  Click(form.btnOK);
  EXPECT_FALSE(form.GetVisible());

  EXPECT_EQ(Stored(5, kTotalCount), "5");
  EXPECT_EQ(Stored(5, kUnitPrice), "1,250");
  EXPECT_EQ(Stored(5, kTotalPrice), "6,25");
  EXPECT_EQ(Stored(5, kExtra), "0");
  EXPECT_EQ(dbase_record[dbase_feldoffset[kOrder]], 'T');
  EXPECT_EQ(Stored(5, kDesignation), "Teil 05");

  Open(5);
  EXPECT_TRUE(form.chkKalvento_Bestellen->GetChecked());
  EXPECT_EQ(form.edtKalvento_Haupt2->GetText(), "3");
  form.chkKalvento_Bestellen->SetChecked(false);
  Click(form.btnOK);
  dbase_lesen(5);
  EXPECT_EQ(dbase_record[dbase_feldoffset[kOrder]], 'F');
}

TEST_F(EntryForm, HoldsTheRecordsLockWhileItShowsIt) {
  const long record = dbase_indexdsnr(3);
  Open(3);
  EXPECT_TRUE(Locked(record));
  Click(form.btnAbbrechen);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_FALSE(Locked(record));
}

// The form stays editable; the save is refused with its message, writes nothing and leaves
// the other operator's lock. OK still closes: nothing failed.
TEST_F(EntryForm, AnotherOperatorsLockRefusesTheSave) {
  LockAsOther(3);
  dbase_gesperrt = 0;
  Open(3);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(Last(),
            "Der aufgerufene Datensatz ist gesperrt durch Bediener 'fremd' - \xC4nderung derzeit "
            "nicht m\xF6glich");
  EXPECT_FALSE(form.edtKalvento_Bezeichnun->GetReadOnly());
  Type(form.edtKalvento_Bezeichnun, "Anders");
  Click(form.btnOK);
  EXPECT_EQ(Last(), kNotSaved);
  EXPECT_EQ(maske_speicherfehler, 0);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(Stored(3, kDesignation), "Teil 03");
  EXPECT_TRUE(Locked(3));
}

TEST_F(EntryForm, RefusesADesignationAnotherRecordHasWhateverItsCase) {
  Open(2);
  Type(form.edtKalvento_Bezeichnun, "teil 07");
  Click(form.btnOK);
  EXPECT_EQ(Last(), "Fehler: teil 07 bereits in Datenbank vorhanden");
  EXPECT_EQ(maske_speicherfehler, 1);
  EXPECT_TRUE(form.GetVisible());
  EXPECT_EQ(Stored(2, kDesignation), "Teil 02");
  // Its own designation, in another case, is no duplicate.
  log.texts.clear();
  Type(form.edtKalvento_Bezeichnun, "TEIL 02");
  Click(form.btnOK);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(Stored(2, kDesignation), "TEIL 02");
}

// The header counts 2^30 records of the 30 the file holds: the duplicate check walks the 30,
// at once, and a new record goes after them.
TEST_F(EntryForm, TheDuplicateCheckWalksTheRecordsTheFileHolds) {
  {
    std::fstream table(dir / "teile.dbf", std::ios::in | std::ios::out | std::ios::binary);
    table.seekp(4);
    table.write("\0\0\0\x40", 4);
  }
  dbase_anzahlholen();
  ASSERT_EQ(dbase_anzahldatensaetze, 1u << 30);
  Open(2);
  Type(form.edtKalvento_Bezeichnun, "teil 29");
  Click(form.btnOK);
  EXPECT_EQ(Last(), "Fehler: teil 29 bereits in Datenbank vorhanden");
  Type(form.edtKalvento_Bezeichnun, "Teil 30");
  Click(form.btnOK);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(Stored(2, kDesignation), "Teil 30");

  log.texts.clear();
  OpenNew();
  Type(form.edtKalvento_Bezeichnun, "Neu");
  Click(form.btnOK);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(dbase_anzahldatensaetze, 31u);
  EXPECT_EQ(Stored(30, kDesignation), "Neu");
}

TEST_F(EntryForm, WithoutTheCheckDuplicatesAreSaved) {
  dbm_dublettenpruefung = 0;
  Open(2);
  Type(form.edtKalvento_Bezeichnun, "Teil 07");
  Click(form.btnOK);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(Stored(2, kDesignation), "Teil 07");
}

// Each step saves, then reads and locks the next hit; at the ends the same record again.
TEST_F(EntryForm, StepsThroughTheHitsSavingEachRecord) {
  Open(3);
  Type(form.edtKalvento_English, "three");
  Click(form.btnVor);
  EXPECT_EQ(dbase_indexposition, 4);
  EXPECT_EQ(dbase_satznummer, dbase_indexdsnr(4));
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), Stored(dbase_satznummer, kDesignation));
  EXPECT_EQ(Stored(dbase_indexdsnr(3), kEnglishName), "three");
  EXPECT_FALSE(Locked(dbase_indexdsnr(3)));
  EXPECT_TRUE(Locked(dbase_satznummer));
  Click(form.btnZurueck);
  Click(form.btnZurueck);
  EXPECT_EQ(dbase_indexposition, 2);
  EXPECT_TRUE(Locked(dbase_satznummer));
}

TEST_F(EntryForm, NextOnTheLastHitAndPreviousOnTheFirstReloadTheSameRecord) {
  Open(29);
  const long last = dbase_satznummer;
  Type(form.edtKalvento_Bezeichnun, "Letztes");
  Click(form.btnVor);
  EXPECT_EQ(dbase_indexposition, 29);
  EXPECT_EQ(dbase_satznummer, last);
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "Letztes");
  EXPECT_EQ(Stored(last, kDesignation), "Letztes");
  EXPECT_TRUE(Locked(last));
  Click(form.btnAbbrechen);

  Open(0);
  Type(form.edtKalvento_Bezeichnun, "Erstes");
  Click(form.btnZurueck);
  EXPECT_EQ(dbase_indexposition, 0);
  EXPECT_EQ(Stored(dbase_satznummer, kDesignation), "Erstes");
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "Erstes");
}

TEST_F(EntryForm, AStepRefusedAsADuplicateStays) {
  Open(3);
  Type(form.edtKalvento_Bezeichnun, "Teil 04");
  Click(form.btnVor);
  EXPECT_EQ(dbase_indexposition, 3);
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "Teil 04");
}

// The copy is written by the next save, into a free slot; the suffix is cut at the limit.
TEST_F(EntryForm, DuplicatesTheRecordUnderANewDesignation) {
  Open(1);
  Type(form.edtKalvento_Bezugsquel, "Kopierquelle");
  Click(form.btnDublizieren);
  EXPECT_EQ(Stored(1, kSupplier), "Kopierquelle");
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "Teil 01_dup");
  EXPECT_EQ(maske_neu, 1);
  EXPECT_EQ(dbase_satznummer, 30);
  EXPECT_EQ(dbase_neusortieren, 1);
  EXPECT_FALSE(Locked(1));
  Click(form.btnOK);
  EXPECT_EQ(dbase_anzahldatensaetze, 31u);
  EXPECT_EQ(Stored(30, kDesignation), "Teil 01_dup");
  EXPECT_EQ(Stored(30, kSupplier), "Kopierquelle");
  EXPECT_EQ(Stored(30, kTotalPrice), "2,25");
}

TEST_F(EntryForm, ACopyAtTheLengthLimitLosesItsSuffix) {
  dbm_dublettenpruefung = 0;
  Open(1);
  Type(form.edtKalvento_Bezeichnun, AnsiString(38, 'x'));
  Click(form.btnDublizieren);
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), AnsiString(38, 'x') + "_d");
  Type(form.edtKalvento_Bezeichnun, AnsiString(40, 'y'));
  Click(form.btnDublizieren);
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), AnsiString(40, 'y'));
}

TEST_F(EntryForm, ANewRecordGoesIntoTheFirstDeletedSlotElseAtTheEnd) {
  dbase_loeschen(12);
  dbase_loeschen(7);
  dbase_freistart = 0;
  OpenNew();
  EXPECT_EQ(dbase_satznummer, 7);
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "");
  EXPECT_EQ(form.edtKalvento_Relaisplat->GetText(), "0");
  EXPECT_EQ(dbase_neusortieren, 1);
  EXPECT_FALSE(Locked(7));  // a new record takes no lock
  Type(form.edtKalvento_Bezeichnun, "Neu 1");
  Click(form.btnNeuer);  // saves, then the next new record
  EXPECT_EQ(Stored(7, kDesignation), "Neu 1");
  EXPECT_EQ(dbase_satznummer, 12);
  EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "");
  Type(form.edtKalvento_Bezeichnun, "Neu 2");
  Click(form.btnNeuer);
  EXPECT_EQ(Stored(12, kDesignation), "Neu 2");
  EXPECT_EQ(dbase_satznummer, 30);
  Type(form.edtKalvento_Bezeichnun, "Neu 3");
  Click(form.btnOK);
  EXPECT_EQ(dbase_anzahldatensaetze, 31u);
  EXPECT_EQ(Stored(30, kDesignation), "Neu 3");
  EXPECT_EQ(Stored(30, kOrder), "nein");
}

TEST_F(EntryForm, CancelAfterANewRecordWritesNothing) {
  OpenNew();
  Type(form.edtKalvento_Bezeichnun, "Nie");
  Click(form.btnAbbrechen);
  EXPECT_EQ(dbase_anzahldatensaetze, 30u);
  dbase_anzahlholen();
  EXPECT_EQ(dbase_anzahldatensaetze, 30u);
  EXPECT_EQ(dbase_neusortieren, 1);
}

// The list opens the form on the row's record; a step there moves the list's row with it.
TEST_F(EntryForm, TheListShowsItOnARowAndFollowsItsSteps) {
  bool shown = false;
  WhenShown([&] {
    shown = form.IsModal();
    EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), Cell(1, 3));
    Click(form.btnVor);
    Click(form.btnOK);
  });
  DoubleClickCell(1, 3);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(list.grdAusgabe->GetRow(), 4);
  EXPECT_EQ(dbase_indexposition, 3);
}

// A step past the page's last row makes the page start with the record shown.
TEST_F(EntryForm, TheListTurnsThePageToTheRecordItEndsOn) {
  WhenShown([&] {
    Click(form.btnVor);
    Click(form.btnAbbrechen);
  });
  DoubleClickCell(1, TfrmDatenbank_Liste::kListRows - 1);
  EXPECT_EQ(dbase_indexposition, TfrmDatenbank_Liste::kListRows - 1);
  EXPECT_EQ(dbase_ersterindex, static_cast<uint32_t>(dbase_indexposition));
  EXPECT_EQ(list.grdAusgabe->GetRow(), 1);
  EXPECT_EQ(Cell(1, 1), Stored(dbase_satznummer, kDesignation));
}

// The list's new-record button: a record written there is a hit of the query run again, and
// its price is in the total.
TEST_F(EntryForm, TheListRunsItsQueryAgainAfterANewRecord) {
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "3,75");
  WhenShown([&] {
    Type(form.edtKalvento_Bezeichnun, "Teil 30");
    Type(form.edtKalvento_Einzelprei, "10,00");
    Type(form.edtKalvento_Haupt1, "2");
    Click(form.btnOK);
  });
  Click(list.btnNeuerDatensatz);
  EXPECT_EQ(Hits(), "31");
  EXPECT_EQ(dbase_neusortieren, 0);
  EXPECT_EQ(Stored(30, kDesignation), "Teil 30");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "23,75");
}

// A price edited through the form is in the list's total at once: the values the run kept
// no longer hold after the save.
TEST_F(EntryForm, TheListsTotalFollowsAPriceEditedInTheForm) {
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "3,75");
  WhenShown([&] {
    Type(form.edtKalvento_Haupt1, "5");
    Type(form.edtKalvento_Einzelprei, "1,25");
    Click(form.btnOK);
  });
  DoubleClickCell(1, 6);
  EXPECT_EQ(Stored(5, kTotalPrice), "6,25");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "10");
}

}  // namespace
