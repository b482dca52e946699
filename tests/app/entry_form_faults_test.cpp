// The entry form where a careless order of its steps would lose records or edits: a new
// record after a locked one, new and copy after a refused save, a slot another copy took,
// a record deleted meanwhile, and outcomes and states left over from an earlier showing.
#include "EntryFormTest.h"

#include "full_disk.h"
#include "tools/sample/PartsLayout.h"

namespace {

TEST_F(EntryForm, ANewRecordAfterALockedOneIsSaved) {
  LockAsOther(3);
  dbase_gesperrt = 0;
  Open(3);
  Click(form.btnAbbrechen);
  ASSERT_EQ(dbase_gesperrt, 1);
  EXPECT_TRUE(Locked(3));  // the other operator's lock stays

  OpenNew();
  Type(form.edtKalvento_Bezeichnun, "Neu");
  Click(form.btnOK);
  EXPECT_NE(Last(), kNotSaved);
  EXPECT_EQ(Stored(30, kDesignation), "Neu");
}

// The lock folder lies on a full disk: the record opens with the reason it cannot be locked,
// and its save is refused as for a record another operator holds. No lock is left behind.
TEST_F(EntryForm, ARecordWhoseLockCannotBeWrittenIsNotSaved) {
  FullDisk disk;
  SKIP_WITHOUT_FULL_DISK(disk);
  const AnsiString lockFolder = dbm_sperrordner;
  dbm_sperrordner = disk.Path() + "/";
  disk.Fill();
  const long record = dbase_indexdsnr(3);
  Open(3);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{
                           "Der aufgerufene Datensatz kann nicht gesperrt werden: " +
                           NativePath(DbaseLockFileName(DbmLockBase(), record)) +
                           ": Datentr\xE4ger ist voll - \xC4nderung derzeit nicht m\xF6glich"});
  Type(form.edtKalvento_Bezeichnun, "Anders");
  Click(form.btnOK);
  EXPECT_EQ(Last(), kNotSaved);
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(Stored(record, kDesignation), "Teil 03");
  disk.Free();
  EXPECT_FALSE(Locked(record));
  dbm_sperrordner = lockFolder;
}

// The typed record stays on the form, and so does this operator's lock.
TEST_F(EntryForm, NewAndCopyStopWhenTheSaveWasRefused) {
  for (TButton* TfrmKalvento_Maske::*button :
       {&TfrmKalvento_Maske::btnNeuer, &TfrmKalvento_Maske::btnDublizieren}) {
    Open(2);
    const long record = dbase_satznummer;
    Type(form.edtKalvento_Bezeichnun, "Teil 09");
    Type(form.edtKalvento_Relaisplat, "4");
    log.texts.clear();
    Click(form.*button);
    EXPECT_EQ(Last(), "Fehler: Teil 09 bereits in Datenbank vorhanden");
    EXPECT_EQ(form.edtKalvento_Bezeichnun->GetText(), "Teil 09");
    EXPECT_EQ(form.edtKalvento_Relaisplat->GetText(), "4");
    EXPECT_EQ(dbase_satznummer, record);
    EXPECT_EQ(maske_neu, 0);
    EXPECT_TRUE(Locked(record));
    Click(form.btnAbbrechen);
    EXPECT_FALSE(Locked(record));
  }
}

// Another running copy reused the slot the form chose: the record goes to the next free
// one and the form follows it there.
TEST_F(EntryForm, ANewRecordWhoseSlotWasTakenGoesToTheNextFreeOne) {
  dbase_loeschen(7);
  dbase_loeschen(12);
  dbase_freistart = 0;
  OpenNew();
  ASSERT_EQ(dbase_satznummer, 7);
  ASSERT_EQ(dbase_lesen(0), 1);
  dbase_feldschreibenAnsi("Fremd", kDesignation);
  ASSERT_EQ(dbase_schreiben(7), 1);

  Type(form.edtKalvento_Bezeichnun, "Meins");
  Type(form.edtKalvento_Relaisplat, "1");
  Click(form.btnOK);
  EXPECT_EQ(dbase_satznummer, 12);
  EXPECT_EQ(Stored(7, kDesignation), "Fremd");
  EXPECT_EQ(Stored(12, kDesignation), "Meins");
  EXPECT_EQ(dbase_anzahldatensaetze, 30u);
}

TEST_F(EntryForm, ASaveOverARecordDeletedMeanwhileIsRefused) {
  Open(4);
  const long record = dbase_satznummer;
  dbase_loeschen(record);
  Type(form.edtKalvento_Bezeichnun, "Wieder da");
  Click(form.btnOK);
  EXPECT_EQ(Last(), "Fehler: Datensatz " + IntToStr(record) +
                        " wurde inzwischen gel\xF6scht - nicht gespeichert");
  EXPECT_TRUE(form.GetVisible());
  EXPECT_EQ(dbase_lesen(record), -3);
}

// A duplicate refused in one showing does not keep OK from closing in the next.
TEST_F(EntryForm, EachShowingStartsWithoutAFailedSave) {
  Open(2);
  Type(form.edtKalvento_Bezeichnun, "Teil 09");
  Click(form.btnOK);
  ASSERT_EQ(maske_speicherfehler, 1);
  Click(form.btnAbbrechen);

  LockAsOther(5);
  dbase_gesperrt = 0;
  Open(5);
  EXPECT_EQ(maske_speicherfehler, 0);
  Click(form.btnOK);
  EXPECT_EQ(Last(), kNotSaved);
  EXPECT_FALSE(form.GetVisible());
}

// A new record cancelled leaves nothing behind that makes the next record a new one.
TEST_F(EntryForm, AnExistingRecordAfterACancelledNewOneIsWrittenInPlace) {
  OpenNew();
  Click(form.btnAbbrechen);
  Open(6);
  const long record = dbase_satznummer;
  Type(form.edtKalvento_Bezeichnun, "Sechs");
  Click(form.btnOK);
  EXPECT_EQ(Stored(record, kDesignation), "Sechs");
  EXPECT_EQ(dbase_anzahldatensaetze, 30u);
}

TEST_F(EntryForm, CountsBeyondTheirRangeDoNotOverflowTheTotal) {
  Open(8);
  for (TExtEdit* edit : {form.edtKalvento_Haupt1, form.edtKalvento_Haupt2})
    edit->SetText("99999999999");
  EXPECT_EQ(form.edtKalvento_Anzahlgesa->GetText(), "2147483647");
}

}  // namespace
