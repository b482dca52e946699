// The database definition read back after the tools' writer wrote it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/DatenbankDbm.h"
#include "message_log.h"
#include "temp_folder.h"
#include "tools/sample/DbmSchreiben.h"

namespace {

// A definition whose every value differs, so that a value read into the wrong place shows.
DbmDefinition Distinct() {
  DbmDefinition d;
  d.name = "Kalvento.dbm";
  d.sperrordner = "Sperren/";
  d.tabelle = "Teile.dbf";
  d.abfrage = "erste.dba";
  d.titel = "Liste f\xFCr alle";
  d.druckknopf = 2;
  d.dublettenpruefung = 7;
  d.grossklein = 0;
  for (int l = 0; l < kDbmListen; ++l) {
    DbmListe& liste = d.listen[l];
    liste.name = l == 2 ? "" : "Liste" + IntToStr(l + 1);
    liste.spaltenanzahl = l + 3;
    for (int c = 0; c < kDbmSpalten; ++c) {
      int k = 100 * (l + 1) + c + 1;
      liste.spalten[c] = {k, "T" + IntToStr(k), "R" + IntToStr(k), 1000 + k, 0x10000 + k};
    }
  }
  d.sperren = 1;
  d.zeichensatz = 2;
  d.spezialtext = "Warenkorb";
  d.spezialknopf = 1;
  return d;
}

class Definition : public testing::Test {
 protected:
  void SetUp() override { dbase_initialisieren(); }
  void TearDown() override { dbase_finalisieren(); }

  std::string Write(const DbmDefinition& d, const std::string& name = "Kalvento.dbm") {
    std::string path = dir / name;
    EXPECT_TRUE(DbmSchreiben(d, path));
    return path;
  }

  TempFolder dir;
  MessageLog log;
};

TEST_F(Definition, ReadsBackEveryValueInItsPlace) {
  std::string path = Write(Distinct());
  DatenbankDbmLaden(path);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(dbm_datei, path);
  EXPECT_EQ(dbm_name, "Kalvento.dbm");
  EXPECT_EQ(dbm_sperrordner, "Sperren/");
  EXPECT_EQ(dbm_tabelle, "Teile.dbf");
  EXPECT_EQ(dbm_abfrage, "erste.dba");
  EXPECT_EQ(dbm_titel, "Liste f\xFCr alle");
  EXPECT_EQ(dbm_druckknopf, 2);  // not a switch: the list shows its button for 1 only
  EXPECT_EQ(dbm_dublettenpruefung, 7);
  EXPECT_EQ(dbase_grossklein, 0);
  for (int l = 1; l <= kDbmListen; ++l) {
    SCOPED_TRACE(l);
    EXPECT_EQ(dbm_listenname[l], l == 3 ? "" : "Liste" + IntToStr(l));
    EXPECT_EQ(dbm_spaltenanzahl[l], l + 2);
    // All twenty entries, also those past the layout's column count.
    for (int c = 1; c <= kDbmSpalten; ++c) {
      int k = 100 * l + c;
      EXPECT_EQ(dbm_spaltenfeld[c][l], k);
      EXPECT_EQ(dbm_spaltentitel[c][l], "T" + IntToStr(k));
      EXPECT_EQ(dbm_spaltenreserve[c][l], "R" + IntToStr(k));
      EXPECT_EQ(dbm_spaltenbreite[c][l], 1000 + k);
      EXPECT_EQ(dbm_spaltenfarbe[c][l], 0x10000 + k);
    }
  }
  EXPECT_EQ(dbm_sperren, 1);
  EXPECT_EQ(dbm_zeichensatz, 2);
  EXPECT_EQ(dbm_spezialtext, "Warenkorb");
  EXPECT_EQ(dbm_spezialknopf, 1);
}

TEST_F(Definition, SwitchesAreOneWhenNotZeroAndTheCodePageKeepsItsLowByte) {
  DbmDefinition d = Distinct();
  d.grossklein = 5;
  d.sperren = -3;
  d.spezialknopf = 2;
  d.zeichensatz = 0x101;
  DatenbankDbmLaden(Write(d));
  EXPECT_EQ(dbase_grossklein, 1);
  EXPECT_EQ(dbm_sperren, 1);
  EXPECT_EQ(dbm_spezialknopf, 1);
  EXPECT_EQ(dbm_zeichensatz, 1);

  d.grossklein = d.sperren = d.spezialknopf = 0;
  d.zeichensatz = 0x7F00;
  DatenbankDbmLaden(Write(d));
  EXPECT_EQ(dbase_grossklein, 0);
  EXPECT_EQ(dbm_sperren, 0);
  EXPECT_EQ(dbm_spezialknopf, 0);
  EXPECT_EQ(dbm_zeichensatz, 0);
}

// Cut inside layout 4: what stands before is read, every later text is empty and every
// later integer 0, whatever the globals held before.
TEST_F(Definition, AFileThatEndsEarlyLeavesTheRestEmpty) {
  std::string path = Write(Distinct());
  DatenbankDbmLaden(path);
  std::string bytes = ReadBytes(path);
  std::size_t cut = bytes.find("T407");
  ASSERT_NE(cut, std::string::npos);
  WriteBytes(path, bytes.substr(0, cut + 2));  // in the middle of a text

  DatenbankDbmLaden(path);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(dbm_listenname[10], "Liste10");
  EXPECT_EQ(dbm_spaltenfeld[20][3], 320);
  EXPECT_EQ(dbm_spaltenfeld[7][4], 407);
  EXPECT_EQ(dbm_spaltentitel[7][4], "T4");  // the part the file still holds
  EXPECT_EQ(dbm_spaltenreserve[7][4], "");
  EXPECT_EQ(dbm_spaltenbreite[7][4], 0);
  for (int l = 5; l <= kDbmListen; ++l) {
    EXPECT_EQ(dbm_spaltenanzahl[l], 0);
    for (int c = 1; c <= kDbmSpalten; ++c) {
      EXPECT_EQ(dbm_spaltenfeld[c][l], 0);
      EXPECT_EQ(dbm_spaltentitel[c][l], "");
      EXPECT_EQ(dbm_spaltenfarbe[c][l], 0);
    }
  }
  EXPECT_EQ(dbm_sperren, 0);
  EXPECT_EQ(dbm_zeichensatz, 0);
  EXPECT_EQ(dbm_spezialtext, "");
  EXPECT_EQ(dbm_spezialknopf, 0);

  WriteBytes(path, "");
  DatenbankDbmLaden(path);
  EXPECT_EQ(dbm_name, "");
  EXPECT_EQ(dbm_spaltenanzahl[1], 0);
  EXPECT_EQ(dbase_grossklein, 0);
}

TEST_F(Definition, AMissingFileIsReportedAndChangesNothingElse) {
  DatenbankDbmLaden(Write(Distinct()));
  DatenbankDbmLaden("fehlt.dbm");
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0], "Fehler: DatenbankDbmLaden finde fehlt.dbm nicht!");
  EXPECT_EQ(dbm_datei, "fehlt.dbm");
  EXPECT_EQ(dbm_tabelle, "Teile.dbf");
  EXPECT_EQ(dbm_spaltenfeld[20][10], 1020);
  EXPECT_EQ(dbm_zeichensatz, 2);
  EXPECT_EQ(dbm_spezialtext, "Warenkorb");
}

TEST_F(Definition, ReadingAgainPicksUpTheEditedFile) {
  DbmDefinition d = Distinct();
  std::string path = Write(d);
  DatenbankDbmLaden(path);
  d.tabelle = "Neu.dbf";
  d.listen[0].spalten[19].titel = "zuletzt";
  Write(d);
  DatenbankDbmLaden(path);
  EXPECT_EQ(dbm_tabelle, "Neu.dbf");
  EXPECT_EQ(dbm_spaltentitel[20][1], "zuletzt");
}

// A damaged count or width must not let a window index outside its arrays of 21 columns.
TEST_F(Definition, WindowsReadCountsAndWidthsWithinTheArrays) {
  DbmDefinition d = Distinct();
  d.listen[0].spaltenanzahl = 0;
  d.listen[1].spaltenanzahl = -7;
  d.listen[2].spaltenanzahl = 22;
  d.listen[3].spaltenanzahl = 21;
  d.listen[4].spalten[0].breite = -40;
  DatenbankDbmLaden(Write(d));
  EXPECT_EQ(DbmSpaltenanzahl(1), 1);
  EXPECT_EQ(DbmSpaltenanzahl(2), 1);
  EXPECT_EQ(DbmSpaltenanzahl(3), 21);
  EXPECT_EQ(DbmSpaltenanzahl(4), 21);
  EXPECT_EQ(DbmSpaltenanzahl(5), 7);
  EXPECT_EQ(DbmSpaltenanzahl(0), 1);    // no such layout: the first one's
  EXPECT_EQ(DbmSpaltenanzahl(11), 1);
  EXPECT_EQ(DbmSpaltenbreite(1, 5), 0);
  EXPECT_EQ(DbmSpaltenbreite(2, 5), 1502);
  EXPECT_EQ(DbmSpaltenbreite(21, 5), 0);
  EXPECT_EQ(DbmSpaltenbreite(0, 5), 0);
}

TEST(DefinitionWriter, RefusesAFileItCannotCreate) {
  TempFolder dir;
  EXPECT_FALSE(DbmSchreiben(Distinct(), dir / "nicht/da.dbm"));
}

}  // namespace
