// The database definition read back after the tools' writer wrote it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/DatabaseDefinition.h"
#include "message_log.h"
#include "temp_folder.h"
#include "tools/sample/DefinitionWriter.h"

namespace {

// A definition whose every value differs, so that a value read into the wrong place shows.
DbmDefinition Distinct() {
  DbmDefinition d;
  d.name = "Kalvento.dbm";
  d.lockFolder = "Sperren/";
  d.table = "Teile.dbf";
  d.query = "erste.dba";
  d.title = "Liste f\xFCr alle";
  d.printButton = 2;
  d.duplicateCheck = 7;
  d.caseSensitive = 0;
  for (int l = 0; l < kDbmLayouts; ++l) {
    DbmLayout& layout = d.layouts[l];
    layout.name = l == 2 ? "" : "Liste" + IntToStr(l + 1);
    layout.columnCount = l + 3;
    for (int c = 0; c < kDbmColumns; ++c) {
      int k = 100 * (l + 1) + c + 1;
      layout.columns[c] = {k, "T" + IntToStr(k), "R" + IntToStr(k), 1000 + k, 0x10000 + k};
    }
  }
  d.locks = 1;
  d.codePage = 2;
  d.specialText = "Warenkorb";
  d.specialButton = 1;
  return d;
}

class Definition : public testing::Test {
 protected:
  void SetUp() override { dbase_initialisieren(); }
  void TearDown() override { dbase_finalisieren(); }

  std::string Write(const DbmDefinition& d, const std::string& name = "Kalvento.dbm") {
    std::string path = dir / name;
    EXPECT_TRUE(WriteDefinition(d, path));
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
  for (int l = 1; l <= kDbmLayouts; ++l) {
    SCOPED_TRACE(l);
    EXPECT_EQ(dbm_listenname[l], l == 3 ? "" : "Liste" + IntToStr(l));
    EXPECT_EQ(dbm_spaltenanzahl[l], l + 2);
    // All twenty entries, also those past the layout's column count.
    for (int c = 1; c <= kDbmColumns; ++c) {
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
  struct Case {
    int stored;    // the three switches
    int codePage;  // as stored
    int expected;  // the switches' and the code page's value as read
  };
  for (Case c : {Case{5, 0x101, 1}, Case{-3, 0x7F01, 1}, Case{0, 0x7F00, 0}}) {
    SCOPED_TRACE(c.stored);
    DbmDefinition d = Distinct();
    d.caseSensitive = d.locks = d.specialButton = c.stored;
    d.codePage = c.codePage;
    DatenbankDbmLaden(Write(d));
    EXPECT_EQ(dbase_grossklein, c.expected);
    EXPECT_EQ(dbm_sperren, c.expected);
    EXPECT_EQ(dbm_spezialknopf, c.expected);
    EXPECT_EQ(dbm_zeichensatz, c.expected);
  }
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
  for (int l = 5; l <= kDbmLayouts; ++l) {
    EXPECT_EQ(dbm_spaltenanzahl[l], 0);
    for (int c = 1; c <= kDbmColumns; ++c) {
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
  d.table = "Neu.dbf";
  d.layouts[0].columns[19].title = "zuletzt";
  Write(d);
  DatenbankDbmLaden(path);
  EXPECT_EQ(dbm_tabelle, "Neu.dbf");
  EXPECT_EQ(dbm_spaltentitel[20][1], "zuletzt");
}

// A damaged count or width must not let a window index outside its arrays of 21 columns.
TEST_F(Definition, WindowsReadCountsAndWidthsWithinTheArrays) {
  DbmDefinition d = Distinct();
  d.layouts[0].columnCount = 0;
  d.layouts[1].columnCount = -7;
  d.layouts[2].columnCount = 22;
  d.layouts[3].columnCount = 21;
  d.layouts[4].columns[0].width = -40;
  DatenbankDbmLaden(Write(d));
  EXPECT_EQ(DbmColumnCount(1), 1);
  EXPECT_EQ(DbmColumnCount(2), 1);
  EXPECT_EQ(DbmColumnCount(3), 21);
  EXPECT_EQ(DbmColumnCount(4), 21);
  EXPECT_EQ(DbmColumnCount(5), 7);
  EXPECT_EQ(DbmColumnCount(0), 1);  // no such layout: the first one's
  EXPECT_EQ(DbmColumnCount(11), 1);
  EXPECT_EQ(DbmColumnWidth(1, 5), 0);
  EXPECT_EQ(DbmColumnWidth(2, 5), 1502);
  EXPECT_EQ(DbmColumnWidth(21, 5), 0);
  EXPECT_EQ(DbmColumnWidth(0, 5), 0);
}

TEST(DefinitionWriter, RefusesAFileItCannotCreate) {
  TempFolder dir;
  EXPECT_FALSE(WriteDefinition(Distinct(), dir / "nicht/da.dbm"));
}

}  // namespace
