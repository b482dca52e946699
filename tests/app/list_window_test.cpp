// The list window: its activation, paging through 30 hits, layouts, the quick search, delete
// with its confirmation and the record locks, the total price and the help document.
#include "ListWindowTest.h"

#include "engine/DbaseHitValues.h"
#include "engine/DbaseLocks.h"
#include "platform/controls/shell.h"

namespace {

TEST_F(ListWindow, ActivationAppliesTheDefinitionAndRunsItsFirstQuery) {
  Show();
  EXPECT_EQ(list.GetCaption(), "Teileliste");
  EXPECT_EQ(list.labDatenbank->GetCaption(), "teile.dbf");
  EXPECT_TRUE(list.btnDrucken->GetVisible());
  EXPECT_TRUE(list.btnSpezial->GetVisible());  // any switch but 0 shows it
  EXPECT_EQ(list.btnSpezial->GetCaption(), "Warenkorb");
  EXPECT_TRUE(list.btnSpezial->GetEnabled());  // the export window
  EXPECT_TRUE(list.btnDrucken->GetEnabled());
  EXPECT_TRUE(list.btnBearbeiten->GetEnabled());
  EXPECT_TRUE(list.btnNeuerDatensatz->GetEnabled());
  EXPECT_TRUE(list.btnLoeschen->GetEnabled());
  EXPECT_FALSE(list.grpEinstellungen->GetVisible());

  EXPECT_EQ(list.TabSheets[0]->GetCaption(), "Alles");
  EXPECT_EQ(list.TabSheets[1]->GetCaption(), "Nur Index");
  EXPECT_EQ(list.TabSheets[3]->GetCaption(), "Vierte");
  EXPECT_FALSE(list.TabSheets[2]->GetTabVisible());
  EXPECT_TRUE(list.TabSheets[3]->GetTabVisible());
  EXPECT_FALSE(list.TabSheets[9]->GetTabVisible());
  EXPECT_EQ(list.PageControl1->GetActivePageIndex(), 0);

  // Only this table's queries are offered; the one of the definition is shown and was run.
  ASSERT_EQ(list.cboAusgabe->GetItems()->Count(), 1);
  EXPECT_EQ(list.cboAusgabe->GetItems()->Strings(0), "alle.dba");
  EXPECT_EQ(list.cboAusgabe->GetText(), "alle.dba");
  EXPECT_EQ(abfrage_dateiauftrag, "");
  EXPECT_EQ(Hits(), "30");
  EXPECT_EQ(list.labNumberofrecords->GetCaption(), "30");
  EXPECT_EQ(list.scrAusgabe->GetMax(), 29);
  EXPECT_EQ(list.scrAusgabe->GetLargeChange(), 22);

  // The layout: the index column, then the definition's columns.
  TExtColumnGrid* g = list.grdAusgabe;
  EXPECT_EQ(g->GetRowCount(), 24);
  EXPECT_EQ(g->GetVisibleRowCount(), 23);  // the page shows whole, without a scroll bar of its own
  EXPECT_EQ(g->GetColCount(), 5);
  EXPECT_EQ(g->GetFixedCols(), 1);
  EXPECT_EQ(Cell(0, 0), "Index");
  EXPECT_EQ(g->GetColumns()->GetItem(0)->GetWidth(), 42);
  EXPECT_EQ(Cell(1, 0), "Bezeichnung");
  EXPECT_EQ(g->GetColumns()->GetItem(1)->Tag, kDesignation);
  EXPECT_EQ(g->GetColumns()->GetItem(1)->GetWidth(), 150);
  EXPECT_EQ(g->GetColumns()->GetItem(1)->GetColor(), static_cast<TColor>(0xCCFFFF));
  EXPECT_EQ(g->GetColumns()->GetItem(kLinkedColumn)->Tag, 1000);
  EXPECT_EQ(list.grdEinstellungen->GetColCount(), 5);  // the settings mirror the layout
  EXPECT_EQ(list.grdEinstellungen->GetColumns()->GetItem(2)->Tag, kTotalPrice);

  EXPECT_EQ(g->GetRow(), 1);
  EXPECT_EQ(Cell(0, 1), "0");
  EXPECT_EQ(Cell(1, 1), "Teil 00");
  EXPECT_EQ(Cell(2, 1), "1,50");
  EXPECT_EQ(Cell(4, 1), "");  // no link file: an empty value
  EXPECT_EQ(Cell(1, 23), "Teil 22");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "3,75");
  EXPECT_TRUE(log.texts.empty()) << log.texts[0];

  EXPECT_EQ(list.tmrIdle->GetInterval(), 500);
  ClickCell(1, 5);
  list.tmrIdleTimer(nullptr);
  EXPECT_EQ(list.labDsNr->GetCaption(), "4");
}

TEST_F(ListWindow, PagingByTheKeysMovesTheScrollBarAndFillsThePage) {
  Show();
  TExtColumnGrid* g = list.grdAusgabe;
  ClickCell(1, 23);
  ASSERT_EQ(g->GetRow(), 23);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 22);
  EXPECT_EQ(dbase_ersterindex, 22u);
  EXPECT_EQ(Cell(0, 1), "22");
  EXPECT_EQ(Cell(1, 1), "Teil 22");
  EXPECT_EQ(Cell(0, 8), "29");
  for (int row = 9; row <= 23; ++row) {
    EXPECT_EQ(Cell(0, row), "-1") << row;
    EXPECT_EQ(Cell(1, row), "") << row;
  }
  list.tmrIdleTimer(nullptr);
  EXPECT_EQ(list.labDsNr->GetCaption(), "-1");

  Key(Qt::Key_Down);  // on the last row: the page moves by one
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 23);
  EXPECT_EQ(Cell(0, 1), "23");
  EXPECT_EQ(g->GetRow(), 23);

  ClickCell(1, 1);
  Key(Qt::Key_PageUp);  // on the first row: back by a page
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 1);
  Key(Qt::Key_Up);
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 0);
  Key(Qt::Key_Up);  // at position 0 it stays
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 0);
  EXPECT_EQ(Cell(0, 1), "0");
  EXPECT_EQ(g->GetRow(), 1);

  Key(Qt::Key_Down);  // inside the page only the row moves
  EXPECT_EQ(g->GetRow(), 2);
  EXPECT_EQ(list.scrAusgabe->GetPosition(), 0);

  list.scrAusgabe->SetPosition(29);  // the scroll bar pages by itself
  EXPECT_EQ(Cell(0, 1), "29");
  EXPECT_EQ(Cell(0, 2), "-1");
}

TEST_F(ListWindow, ALayoutOfOneColumnShowsOnlyTheIndexColumn) {
  Show();
  ClickTab(1);
  EXPECT_EQ(list.PageControl1->GetActivePageIndex(), 1);
  EXPECT_EQ(list.grdAusgabe->GetColCount(), 1);
  EXPECT_EQ(Cell(0, 0), "Index");
  EXPECT_EQ(Cell(0, 1), "0");
  // A double click on it leaves the current column where one exists.
  DoubleClickCell(0, 2);
  EXPECT_EQ(list.grdAusgabe->GetCol(), 0);

  ClickTab(3);
  EXPECT_EQ(list.grdAusgabe->GetColCount(), 2);
  EXPECT_EQ(Cell(1, 0), "Bezugsquelle");
  EXPECT_EQ(Cell(1, 1), "Reichelt");
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(ListWindow, AHeaderDoubleClickSearchesATextColumnByItsBeginning) {
  Show();
  log.Answer("Teil 1");
  DoubleClickCell(1, 0);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.captions[0], "Schnellsuche");
  EXPECT_EQ(log.texts[0], "BEZEICHNUN = ");
  EXPECT_EQ(DbaseSlot(1), "BEZEICHNUN");
  EXPECT_EQ(DbaseSlot(2), "=");
  EXPECT_EQ(DbaseSlot(3), "Teil 1*");
  EXPECT_EQ(DbaseSlot(25), "BEZEICHNUN");  // sorted by field 0
  EXPECT_EQ(Hits(), "10");
  EXPECT_EQ(Cell(1, 1), "Teil 10");
  EXPECT_EQ(Cell(1, 10), "Teil 19");
  EXPECT_EQ(Cell(0, 11), "-1");
  EXPECT_EQ(list.cboAusgabe->GetText(), "LetzteAbfrage.dba");
  EXPECT_EQ(list.grdAusgabe->GetCol(), 1);

  // A number column matches the number; an answer too long for the slot is cut to fit.
  log.Answer("3");
  DoubleClickCell(3, 0);
  EXPECT_EQ(log.texts.back(), "ANZAHLGESA = ");
  EXPECT_EQ(DbaseSlot(3), "3");
  EXPECT_EQ(Hits(), "3");
  log.Answer("Teil 0123456789abcdefgh");
  DoubleClickCell(1, 0);
  EXPECT_EQ(DbaseSlot(3), "Teil 0123456789abc*");
  EXPECT_EQ(Hits(), "0");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "0");  // the total of no hits

  log.Answer(mrCancel);  // no answer: no search
  DoubleClickCell(1, 0);
  EXPECT_EQ(DbaseSlot(3), "Teil 0123456789abc*");
}

// Choosing a saved query runs it; a double click on a data row refills the page, or runs the
// chooser's query again when the entry form asked for it.
TEST_F(ListWindow, ChoosingAQueryRunsItAndARunAgainFollowsTheChooser) {
  ASSERT_EQ(dbase_open("teile.dbf"), 1);
  DbaseSetFixedText(dbase_abfragetext[1], kDbaseSlotSize, "GESAMTPREI");
  DbaseSetFixedText(dbase_abfragetext[2], kDbaseSlotSize, ">");
  DbaseSetFixedText(dbase_abfragetext[3], kDbaseSlotSize, "1");
  ASSERT_EQ(dbase_abfragespeichern("teuer.dba"), 0);
  dbase_close();
  Show();
  EXPECT_EQ(list.cboAusgabe->GetItems()->Count(), 2);
  list.cboAusgabe->SetText("teuer.dba");
  list.cboAusgabeChange(list.cboAusgabe);
  EXPECT_EQ(Hits(), "2");
  EXPECT_EQ(Cell(1, 2), "Teil 01");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "3,75");

  list.cboAusgabe->SetText("alle.dba");
  DoubleClickCell(1, 2);  // the page is refilled from the index as it stands
  EXPECT_EQ(Hits(), "2");
  EXPECT_EQ(dbase_indexposition, 1);
  EXPECT_EQ(dbase_satznummer, 1);
  dbase_neusortieren = 1;
  DoubleClickCell(1, 2);
  EXPECT_EQ(dbase_neusortieren, 0);
  EXPECT_EQ(Hits(), "30");
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(ListWindow, ALinkedColumnIsNotSearched) {
  Show();
  DoubleClickCell(kLinkedColumn, 0);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "suchen in Feldern verkn\xFCpfter Datenbanken ist nicht m\xF6glich");
  EXPECT_EQ(Hits(), "30");
}

// A layout chosen on a tab shows from its first column, however far the last one was
// scrolled sideways.
TEST_F(ListWindow, ALayoutChosenShowsFromItsFirstColumn) {
  Show();
  for (int c = 1; c < list.grdAusgabe->GetColCount(); ++c)
    list.grdAusgabe->GetColumns()->GetItem(c)->SetWidth(400);
  list.grdAusgabe->SetLeftCol(3);
  ASSERT_EQ(list.grdAusgabe->GetLeftCol(), 3);
  ClickTab(3);
  EXPECT_EQ(list.PageControl1->GetActivePageIndex(), 3);
  EXPECT_EQ(list.grdAusgabe->GetLeftCol(), 1);
  EXPECT_EQ(Cell(1, 0), "Bezugsquelle");
}

// Right after a run the total comes from the run's own reading of the prices: it must show
// what a pass over the hits shows, to the byte, also when the index is not in record order
// and the prices are large enough for the order of the sum to show in its last digits.
TEST_F(ListWindow, TheTotalAfterARunIsWhatAPassOverTheHitsGives) {
  auto passTotal = [this] {
    DbaseForgetHitValues();
    list.GesamtpreisRechnen->Execute();
    return list.labGesamtpreis->GetCaption();
  };
  ASSERT_EQ(dbase_open("teile.dbf"), 1);
  for (long n = 0; n < kParts; ++n) {
    ASSERT_EQ(dbase_lesen(n), 1);
    dbase_feldschreibenAnsi(FloatToStrF(9999999.99 - n * 333333.37, ffFixed, 10, 2), kTotalPrice);
    ASSERT_EQ(dbase_schreiben(n), 1);
  }
  DbaseSetFixedText(dbase_abfragetext[25], kDbaseSlotSize, "BEZUGSQUEL");
  DbaseSetFixedText(dbase_abfragetext[26], kDbaseSlotSize, "GESAMTPREI");
  ASSERT_EQ(dbase_abfragespeichern("sortiert.dba"), 0);
  dbase_close();

  Show();
  const AnsiString total = list.labGesamtpreis->GetCaption();
  EXPECT_EQ(total.substr(0, 9), "154999983");
  EXPECT_EQ(total, passTotal());
  list.cboAusgabe->SetText("sortiert.dba");
  list.cboAusgabeChange(list.cboAusgabe);
  EXPECT_EQ(Cell(1, 1), "Teil 29");  // Conrad's cheapest first
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), total);
  EXPECT_EQ(total, passTotal());

  log.Answer(mrYes);
  ClickCell(1, 1);
  Click(list.btnLoeschen);
  const AnsiString afterDelete = list.labGesamtpreis->GetCaption();
  EXPECT_NE(afterDelete, total);
  EXPECT_EQ(afterDelete, passTotal());
}

TEST_F(ListWindow, DeleteOnYesBlanksTheRowAndKeepsTheHitCount) {
  Show();
  ClickCell(1, 3);
  log.Answer(mrAbort);
  Click(list.btnLoeschen);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "Datensatz wirklich l\xF6schen?");
  log.Answer(mrCancel);  // the box closed is no "Yes" either
  Click(list.btnLoeschen);
  EXPECT_EQ(Cell(1, 3), "Teil 02");
  EXPECT_EQ(dbase_lesen(2), 1);

  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "3,75");
  log.Answer(mrYes);
  ClickCell(1, 1);
  Click(list.btnLoeschen);
  EXPECT_EQ(Cell(0, 1), "-1");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "2,25");  // part 0's price has gone
  ClickCell(1, 3);
  log.Answer(mrYes);
  Click(list.btnLoeschen);
  EXPECT_EQ(Cell(0, 3), "-1");
  EXPECT_EQ(Cell(1, 3), "");
  EXPECT_EQ(Hits(), "30");
  EXPECT_EQ(dbase_lesen(2), -3);
  EXPECT_EQ(dbase_satznummer, 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "Sperren/teile_2.dsp"));  // the lock given back
  EXPECT_EQ(log.texts.size(), 4u);

  // Paged away and back, the deleted hit stays blank; it cannot be opened or deleted again.
  Key(Qt::Key_Down);
  ClickCell(1, 3);
  EXPECT_EQ(Cell(0, 3), "-1");
  log.Answer(mrYes);
  Click(list.btnLoeschen);
  EXPECT_EQ(log.texts.size(), 5u);
  EXPECT_EQ(dbase_satznummer, 2);
}

TEST_F(ListWindow, DeleteIsRefusedWhileAnotherOperatorHoldsTheLock) {
  Show();
  ASSERT_EQ(dbase_sperren(DbmLockBase(), 4, "anderer"), 0);
  ClickCell(1, 5);
  log.Answer(mrYes);
  Click(list.btnLoeschen);
  ASSERT_EQ(log.texts.size(), 2u);
  EXPECT_EQ(log.texts[1],
            "Der aufgerufene Datensatz ist gesperrt durch Bediener 'anderer' - \xC4nderung "
            "derzeit nicht m\xF6glich");
  EXPECT_EQ(dbase_lesen(4), 1);
  EXPECT_EQ(Cell(1, 5), "Teil 04");
  EXPECT_TRUE(std::filesystem::exists(dir / "Sperren/teile_4.dsp"));
}

// Another program put a table in place of the open one: the deletion is refused with the
// engine's message, the hit stays, and the lock is given back.
TEST_F(ListWindow, DeleteIsRefusedWhenTheTableWasReplacedMeanwhile) {
  Show();
  const std::string table = dir / "teile.dbf";
  WriteBytes(table + ".neu", ReadBytes(table));
  ASSERT_EQ(std::rename((table + ".neu").c_str(), table.c_str()), 0);
  ClickCell(1, 5);
  log.Answer(mrYes);
  Click(list.btnLoeschen);
  ASSERT_EQ(log.texts.size(), 2u);
  EXPECT_EQ(log.texts[1], "Fehler: dbase_loeschen: " + table +
                              ": Datei wurde seit dem \xD6" "ffnen ersetzt oder entfernt - nichts geschrieben");
  EXPECT_EQ(Cell(0, 5), "4");
  EXPECT_EQ(Cell(1, 5), "Teil 04");
  EXPECT_FALSE(std::filesystem::exists(dir / "Sperren/teile_4.dsp"));
}

TEST_F(ListWindow, HelpOpensTheDocumentOfTheWorkingFolder) {
  std::ofstream(dir / "Kalvento - Hilfe.pdf") << "%PDF";
  AnsiString opened;
  ShellOpenHook previous = SetShellOpenHook([&](const AnsiString& target) {
    opened = target;
    return true;
  });
  Show();
  Click(list.Button1);
  SetShellOpenHook(previous);
  EXPECT_EQ(opened, dir / "Kalvento - Hilfe.pdf");
}

// Where no program opens the document, or it is missing, the user is told which file it is.
TEST_F(ListWindow, HelpThatCannotOpenTellsTheFile) {
  ShellOpenHook previous = SetShellOpenHook([](const AnsiString&) { return false; });
  Show();
  Click(list.Button1);
  std::ofstream(dir / "Kalvento - Hilfe.pdf") << "%PDF";
  Click(list.Button1);
  SetShellOpenHook(previous);
  const AnsiString path = dir / "Kalvento - Hilfe.pdf";
  ASSERT_EQ(log.texts.size(), 2u);
  EXPECT_EQ(log.texts[0], "Das Hilfedokument \"" + path + "\" wurde nicht gefunden.");
  EXPECT_EQ(log.texts[1], "Das Hilfedokument \"" + path +
                              "\" kann nicht ge\xF6" "ffnet werden: kein Programm zeigt PDF-Dateien an.");
}

// A table that cannot be opened leaves the list empty after the engine's message; a first
// query that names no file runs the criteria the query window holds.
TEST_F(ListWindow, WithoutItsTableTheListStaysEmpty) {
  dbm_tabelle = "fehlt.dbf";
  dbm_abfrage = "nirgends.dba";
  Show();
  ASSERT_EQ(log.texts.size(), 2u);  // the open's messages, none per row
  EXPECT_EQ(log.texts[0].rfind("Fehler: \xF6"
                               "ffnen handle: fehlt.dbf",
                               0),
            0u)
      << log.texts[0];
  EXPECT_EQ(Hits(), "0");
  EXPECT_EQ(list.labNumberofrecords->GetCaption(), "0");
  EXPECT_EQ(Cell(0, 1), "-1");
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(list.labGesamtpreis->GetCaption(), "0");
  EXPECT_EQ(list.cboAusgabe->GetItems()->Count(), 0);
}

TEST_F(ListWindow, OkClosesTheWindowAndTheTable) {
  Show();
  Click(list.btnOK);
  EXPECT_FALSE(list.GetVisible());
  EXPECT_EQ(dbase_datei, nullptr);
}

}  // namespace
