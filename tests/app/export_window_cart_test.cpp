// The cart export: the cart query run through the list window, the files split by the most
// lines per file and numbered by the table's size, the data checks, the status bar, and the
// refusals: a maximum below 10, a missing or foreign cart query, files that cannot be written.
#include <algorithm>

#include "ExportWindowTest.h"
#include "engine/DbaseQuerySlots.h"

namespace {

const AnsiString kSaved = " - gespeichert (saved)";
const AnsiString kDataOk = "Daten o.k.";

TEST_F(ExportWindow, ASmallTableGetsOneFileUnderTheChosenName) {
  WriteDatabase(500, 120);
  ShowList();
  ExportCart(Path("korb.csv"));
  EXPECT_EQ(Read(Path("korb.csv")), CartLines(0, 120));
  EXPECT_FALSE(Exists(Path("korb_1.csv")));
  EXPECT_EQ(Messages(), std::vector<AnsiString>{Path("korb.csv") + kSaved});
  EXPECT_EQ(Status(), kDataOk);
  // The list shows the cart query's hits, and keeps them.
  EXPECT_EQ(list.cboAusgabe->GetText(), kQueryReichelt);
  EXPECT_EQ(list.labnumberofindex->GetCaption(), "120");
}

// The numbering follows the table's size, not the hits: one numbered file.
TEST_F(ExportWindow, ALargeTableNumbersEvenASingleFile) {
  WriteDatabase(3000, 120);
  ShowList();
  ExportCart(Path("korb.csv"));
  EXPECT_EQ(Read(Path("korb_1.csv")), CartLines(0, 120));
  EXPECT_FALSE(Exists(Path("korb.csv")));
  EXPECT_FALSE(Exists(Path("korb_2.csv")));
  EXPECT_EQ(Messages(), std::vector<AnsiString>{Path("korb_1.csv") + kSaved});
}

// A header counting 2^30 records on a table of 500: the numbering follows the records the
// file holds, and the general export writes each of them once.
TEST_F(ExportWindow, AHeaderCountingMoreThanTheFileHoldsNumbersByWhatItHolds) {
  WriteDatabase(500, 120);
  {
    std::fstream table(Path("teile.dbf"), std::ios::in | std::ios::out | std::ios::binary);
    table.seekp(4);
    table.write("\0\0\0\x40", 4);
  }
  list.Show();
  EXPECT_EQ(dbase_anzahldatensaetze, 1u << 30);
  EXPECT_EQ(dbase_anzahlindex, 500u);
  ExportCart(Path("korb.csv"));
  EXPECT_EQ(Read(Path("korb.csv")), CartLines(0, 120));
  EXPECT_FALSE(Exists(Path("korb_1.csv")));

  list.cboAusgabe->SetText(kQueryAll);
  list.cboAusgabeChange(list.cboAusgabe);
  log.Answer(AnsiString(Path("alle.csv")));
  form.btnCSVDateiClick(nullptr);
  const std::string all = Read(Path("alle.csv"));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 501);
  EXPECT_EQ(all.substr(all.rfind("Teil ")), "Teil 0499;Reichelt;B-0499;1,500;5;Bem 499;\n");
}

TEST_F(ExportWindow, ManyHitsSplitIntoFilesOfTheMaximum) {
  WriteDatabase(3000, 2500);
  ShowList();
  ExportCart(Path("korb.csv"));
  EXPECT_EQ(Read(Path("korb_1.csv")), CartLines(0, 1000));
  EXPECT_EQ(Read(Path("korb_2.csv")), CartLines(1000, 2000));
  EXPECT_EQ(Read(Path("korb_3.csv")), CartLines(2000, 2500));
  EXPECT_FALSE(Exists(Path("korb_4.csv")));
  EXPECT_EQ(Messages(), std::vector<AnsiString>{Path("korb_3.csv") + kSaved});
  EXPECT_EQ(Status(), kDataOk);

  // A smaller maximum, typed without leaving the edit.
  log.texts.clear();
  form.edtAnzahlProDatei->SetText("2400");
  ExportCart(Path("zwei.csv"));
  EXPECT_EQ(Read(Path("zwei_1.csv")), CartLines(0, 2400));
  EXPECT_EQ(Read(Path("zwei_2.csv")), CartLines(2400, 2500));
  EXPECT_FALSE(Exists(Path("zwei_3.csv")));
}

// Only the final extension takes the number; a folder with a dot in its name keeps it.
TEST_F(ExportWindow, NumbersOnlyTheFinalExtension) {
  EXPECT_EQ(WarenkorbDateiname("teile.csv.d/korb.csv", 2), "teile.csv.d/korb_2.csv");
  EXPECT_EQ(WarenkorbDateiname("teile.csv.d/korb", 3), "teile.csv.d/korb_3");
  EXPECT_EQ(WarenkorbDateiname("korb.csv.csv", 1), "korb.csv_1.csv");

  WriteDatabase(3000, 120);
  ShowList();
  std::filesystem::create_directory(Path("teile.csv.d"));
  ExportCart(Path("teile.csv.d/korb.csv"));
  EXPECT_EQ(Read(Path("teile.csv.d/korb_1.csv")), CartLines(0, 120));
}

TEST_F(ExportWindow, FaultyDataIsShownCountedAndWrittenAllTheSame) {
  WriteDatabase(500, 120, [](int n, std::vector<std::string>& values) {
    if (n == 4) values[kOrderNumber] = "";
    if (n == 8) values[kOrderNumber] = "B;8";
    if (n == 12) values[kTotalCount] = "     0";
  });
  ShowList();
  ASSERT_EQ(hitRecords[0], 4);
  ExportCart(Path("korb.csv"));
  std::string expected = CartLines(0, 120);
  expected.replace(expected.find("B-0004;"), 6, "");
  expected.replace(expected.find("B-0008;"), 6, "B;8");
  expected.replace(expected.find("B-0012;4"), 8, "B-0012;0");
  EXPECT_EQ(Read(Path("korb.csv")), expected);
  EXPECT_EQ(expected.substr(0, 3), ";5\n");  // the part without order number
  const std::vector<AnsiString> shown = {
      "Teil 0004 - Bestellnummer fehlt - korrigieren und nochmals exportieren (error: no "
      "ordering number)",
      "FEHLER: Daten enthalten (error in data) ';' B;8",
      "Teil 0012 - Anzahl=0 - korrigieren und nochmals exportieren (error: no count)",
      Path("korb.csv") + kSaved};
  EXPECT_EQ(Messages(), shown);
  EXPECT_EQ(Status(),
            "3 Fehler in den Daten - bitte berichtigen und nochmals exportieren (errors in "
            "ordering data)");
}

// Cancelling the file choice writes nothing; the status bar reports as after an export.
TEST_F(ExportWindow, CancellingTheFileChoiceWritesNothing) {
  WriteDatabase(500, 120);
  ShowList();
  log.Answer(mrCancel);
  form.Button1Click(nullptr);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Status(), kDataOk);
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_NE(entry.path().extension(), ".csv") << entry.path();
}

TEST_F(ExportWindow, LeavingTheMaximumBelowTenResetsIt) {
  form.Show();
  form.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  for (const char* typed : {"5", "10"}) {
    form.edtAnzahlProDatei->SetFocus();
    form.edtAnzahlProDatei->SetText(typed);
    form.Button1->SetFocus();
    QApplication::processEvents();
  }
  ASSERT_EQ(Messages(), std::vector<AnsiString>{"Anzahl muss >= 10 sein!"});
  EXPECT_EQ(form.edtAnzahlProDatei->GetText(), "10");
  form.edtAnzahlProDatei->SetFocus();
  form.edtAnzahlProDatei->SetText("9");
  form.btnCSVDatei->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_EQ(form.edtAnzahlProDatei->GetText(), "1000");
  form.Close();
}

// A maximum of 0 typed without leaving the edit would make files without end.
TEST_F(ExportWindow, TheExportChecksTheMaximumFirst) {
  WriteDatabase(3000, 120);
  ShowList();
  form.edtAnzahlProDatei->SetText("0");
  form.Button1Click(nullptr);
  EXPECT_EQ(Messages(), std::vector<AnsiString>{"Anzahl muss >= 10 sein!"});
  EXPECT_EQ(form.edtAnzahlProDatei->GetText(), "1000");
  EXPECT_FALSE(Exists(Path("korb_1.csv")));
  EXPECT_EQ(list.cboAusgabe->GetText(), kQueryAll);  // nothing ran
}

// Without its query the cart would be the list's previous hits: nothing is written.
TEST_F(ExportWindow, AMissingOrForeignCartQueryWritesNoFile) {
  WriteDatabase(500, 120);
  ShowList();
  const AnsiString refusal = AnsiString(kQueryReichelt) +
                             " - Abfrage fehlt oder geh\xF6rt nicht zu Datenbank - nichts "
                             "exportiert (cart query missing)";
  const AnsiString description = dbase_beschreibung[0];

  std::filesystem::rename(Path(kQueryReichelt), Path("weg.dba"));
  form.Button1Click(nullptr);
  EXPECT_EQ(Messages(), std::vector<AnsiString>{refusal});
  EXPECT_EQ(Status(), refusal);
  EXPECT_FALSE(Exists(Path("korb.csv")));
  EXPECT_EQ(list.labnumberofindex->GetCaption(), "500");

  // The same query saved for another table; the engine keeps the list's query.
  log.texts.clear();
  ASSERT_EQ(dbase_abfrageladen("weg.dba"), 0);
  AnsiString open = dbase_dateiname;
  dbase_dateiname = "andere.dbf";
  ASSERT_EQ(dbase_abfragespeichern(kQueryReichelt), 0);
  dbase_dateiname = open;
  ASSERT_EQ(dbase_abfrageladen(kQueryAll), 0);
  form.Button1Click(nullptr);
  EXPECT_EQ(Messages(), std::vector<AnsiString>{refusal});
  EXPECT_FALSE(Exists(Path("korb.csv")));
  EXPECT_EQ(AnsiString(dbase_beschreibung[0]), description);
  EXPECT_EQ(list.labnumberofindex->GetCaption(), "500");

  // Saved for this table, but on a field it lacks: the check's message, then the refusal.
  log.texts.clear();
  DbaseSetFixedText(dbase_abfragetext[1], kDbaseSlotSize, "GIBTSNICHT");
  ASSERT_EQ(dbase_abfragespeichern(kQueryReichelt), 0);
  ASSERT_EQ(dbase_abfrageladen(kQueryAll), 0);
  form.Button1Click(nullptr);
  const std::vector<AnsiString> shown = {
      "GIBTSNICHT - Feld existiert nicht - bitte berichtigen - Kriterium: 1", refusal};
  EXPECT_EQ(Messages(), shown);
  EXPECT_FALSE(Exists(Path("korb.csv")));
  EXPECT_EQ(AnsiString(dbase_beschreibung[0]), description);
  EXPECT_EQ(list.labnumberofindex->GetCaption(), "500");
}

TEST_F(ExportWindow, AFileThatCannotBeWrittenIsNeverReportedSaved) {
  WriteDatabase(500, 120);
  ShowList();
  ExportCart(Path("fehlt/korb.csv"));  // no such folder
  EXPECT_EQ(Messages(), std::vector<AnsiString>{"Fehler beim speichern (saving error)"});
  EXPECT_EQ(Status(), "selektiere: Bezugsquelle=Reichelt + bestellen=ja");

  // A full disk: the lines wait in the buffer and fail at the close.
  log.texts.clear();
  std::filesystem::create_symlink("/dev/full", Path("voll.csv"));
  ExportCart(Path("voll.csv"));
  EXPECT_EQ(Messages(), std::vector<AnsiString>{"Fehler beim speichern (saving error)"});
}

// A hit deleted after the query ran is left out rather than written as the record before it.
TEST_F(ExportWindow, AHitThatNoLongerReadsIsLeftOut) {
  WriteDatabase(500, 120);
  ShowList();
  form.edtAnzahlProDatei->SetText("100");
  ExportCart(Path("korb.csv"));
  ASSERT_EQ(Read(Path("korb_1.csv")), CartLines(0, 100));
  // The cart's query runs again at every export: the deleted record is simply no hit then;
  // the general export below walks the index the list still holds.
  ASSERT_EQ(dbase_loeschen(hitRecords[0]), 1);
  log.Answer(AnsiString(Path("alle.csv")));
  form.btnCSVDateiClick(nullptr);
  const std::string lines = Read(Path("alle.csv"));
  EXPECT_EQ(lines.find("Teil 0004"), std::string::npos);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 120);  // header and 119 hits
}

TEST_F(ExportWindow, TheListWindowShowsTheExportModally) {
  WriteDatabase(30, 10);
  ShowList();
  ASSERT_TRUE(list.btnSpezial->GetEnabled());
  bool shown = false;
  QTimer::singleShot(0, [&] {
    shown = form.GetVisible() && form.IsModal();
    form.Close();
  });
  QTest::mouseClick(list.btnSpezial->Widget(), Qt::LeftButton);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form.GetVisible());
}

}  // namespace
