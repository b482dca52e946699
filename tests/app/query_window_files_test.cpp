// Saved queries in the query window: loading, saving, the tab number that travels with them,
// and texts longer than the engine's fields.
#include <gtest/gtest.h>

#include "QueryWindowTest.h"

namespace {

// The tab number in a .dba file: the last typed integer, "i", its size 4 and the value.
int TabOf(const std::string& bytes) {
  std::string tail = bytes.substr(bytes.size() - 9);
  EXPECT_EQ(tail.substr(0, 5), std::string("i\x04\0\0\0", 5));
  return static_cast<unsigned char>(tail[5]);
}

TEST_F(QueryWindow, AQueryOfAnotherTableIsRefusedAndTheControlsStay) {
  WriteQuery(dir / "fremd.dba", "andere.dbf", "PREIS", "99", 5);
  Call([&] {
    Criterion(1, "BEZEICHNUN", "=", "Blau");
    form.edtBeschreibung1->SetText("meine");
    log.Answer(dir / "fremd.dba");
    Click(form.btnLaden);
    ASSERT_EQ(log.texts.size(), 2u);  // the open dialog, then the message
    EXPECT_EQ(log.texts[1], "Abfrage geh\xF6rt nicht zu Datenbank");
    EXPECT_EQ(form.cbo1->GetText(), "BEZEICHNUN");
    EXPECT_EQ(form.cbo3->GetText(), "Blau");
    EXPECT_EQ(form.edtBeschreibung1->GetText(), "meine");
    EXPECT_EQ(form.edtReiter->GetText(), "0");
    // The next run copies the controls back over what the file left in the engine.
    Click(form.btnOK);
  });
  EXPECT_EQ(IndexHits(), (std::vector<std::string>{"2"}));
  EXPECT_EQ(DbaseSlot(1), "BEZEICHNUN");
}

TEST_F(QueryWindow, ACancelledDialogLoadsAndSavesNothing) {
  Call([&] {
    form.cbo3->SetText("bleibt");
    log.Answer(mrCancel);
    Click(form.btnLaden);
    log.Answer(mrCancel);
    Click(form.btnSpeichern);
    EXPECT_EQ(form.cbo3->GetText(), "bleibt");
    Click(form.btnAbbrechen);
  });
  EXPECT_EQ(log.texts.size(), 2u);  // the two dialogs, no message
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // the table
}

TEST_F(QueryWindow, TheTabNumberSurvivesLoadingAndSaving) {
  WriteQuery(dir / "reiter.dba", dbase_dateiname, "BEZEICHNUN", "rot", 7);
  Call([&] {
    log.Answer(dir / "reiter.dba");
    Click(form.btnLaden);
    EXPECT_EQ(form.cbo1->GetText(), "BEZEICHNUN");
    EXPECT_EQ(form.cbo3->GetText(), "rot");
    EXPECT_EQ(form.edtBeschreibung1->GetText(), "gespeichert");
    EXPECT_EQ(form.edtReiter->GetText(), "7");
    log.Answer(dir / "kopie.dba");
    Click(form.btnSpeichern);
    ASSERT_EQ(log.texts.size(), 3u);
    EXPECT_EQ(log.texts[2], dir / "kopie.dba" + " - gespeichert");
    Click(form.btnOK);
  });
  EXPECT_EQ(TabOf(ReadBytes(dir / "kopie.dba")), 7);
  EXPECT_EQ(TabOf(ReadBytes(dir / "LetzteAbfrage.dba")), 7);
  EXPECT_EQ(ReadBytes(dir / "kopie.dba"), ReadBytes(dir / "LetzteAbfrage.dba"));

  Call([&] {
    EXPECT_EQ(form.edtReiter->GetText(), "7");  // the last query, tab and all
    Click(form.btnLoeschen);
    EXPECT_EQ(form.edtReiter->GetText(), "0");
    Click(form.btnOK);
  });
  EXPECT_EQ(TabOf(ReadBytes(dir / "LetzteAbfrage.dba")), 0);
}

// Saving where nothing can be written says so instead of claiming the file was saved: a
// folder that is not there, and a name that is a folder.
TEST_F(QueryWindow, ASaveThatCannotBeWrittenIsReported) {
  std::string folder = dir / "schon.dba";
  std::filesystem::create_directory(folder);
  Call([&] {
    log.Answer(dir / "fehlt/abfrage.dba");
    Click(form.btnSpeichern);
    log.Answer(folder);
    Click(form.btnSpeichern);
    Click(form.btnAbbrechen);
  });
  ASSERT_EQ(log.texts.size(), 4u);
  EXPECT_EQ(log.texts[1], dir / "fehlt/abfrage.dba - konnte nicht gespeichert werden");
  EXPECT_EQ(log.texts[3], folder + " - konnte nicht gespeichert werden");
  EXPECT_FALSE(std::filesystem::exists(dir / "fehlt"));
}

// The slots hold 19 characters, the descriptions 79: the controls take no more, and texts
// that do not pass through typing (mailboxes, the program) are cut on their way in.
TEST_F(QueryWindow, LongTextsAreCutToTheirFields) {
  const std::string text25 = "abcdefghijklmnopqrstuvwxy";
  const std::string text19 = text25.substr(0, 19);
  Call([&] {
    Type(form.cbo6, text25.c_str());
    EXPECT_EQ(form.cbo6->GetText(), text19);
    Type(form.cbo4, text25.c_str());
    EXPECT_EQ(form.cbo4->GetText(), text19);
    Type(form.edtBeschreibung1, std::string(85, 'x').c_str());
    EXPECT_EQ(form.edtBeschreibung1->GetText(), std::string(79, 'x'));
    form.edtBeschreibung2->SetText(std::string(300, 'y'));
    form.cbo9->SetText(std::string(300, 'z'));
    form.cbo4->SetText("");
    Click(form.btnOK);
  });
  EXPECT_EQ(DbaseSlot(6), text19);
  EXPECT_LE(DbaseSlot(9).size(), 19u);
  EXPECT_EQ(DbaseFixedText(dbase_beschreibung[0], kDbaseDescriptionSize), std::string(79, 'x'));
  EXPECT_LE(DbaseFixedText(dbase_beschreibung[1], kDbaseDescriptionSize).size(), 79u);
  EXPECT_EQ(dbase_abfragetext[6][19], '\0');

  // A quick search's value of 25 characters: the first 19 are searched and saved.
  schnellsuche_feld = "BEZEICHNUN";
  schnellsuche_wert = text25;
  EXPECT_EQ(Call(), -1);
  EXPECT_EQ(DbaseSlot(3), text19);
  std::string saved = ReadBytes(dir / "LetzteAbfrage.dba");
  EXPECT_EQ(saved.substr(60, 20), text19 + '\0');
}

// A slot filled to the brim by a loaded file shows whole and runs whole.
TEST_F(QueryWindow, ATextOfNineteenCharactersIsStoredWhole) {
  const std::string text19 = "Rainer*????????????";
  WriteQuery(dir / "voll.dba", dbase_dateiname, "BEZEICHNUN", text19, 0);
  Call([&] {
    log.Answer(dir / "voll.dba");
    Click(form.btnLaden);
    EXPECT_EQ(form.cbo3->GetText(), text19);
    Click(form.btnOK);
  });
  EXPECT_EQ(DbaseSlot(3), text19);
}

}  // namespace
