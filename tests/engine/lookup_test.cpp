// The second table instance and the list columns that look values up through it.
#include "tests/engine/EngineTest.h"

namespace {

class LookupTest : public EngineTest {
 protected:
  // Suppliers: number, name. Manufacturers: name, country.
  void SetUp() override {
    EngineTest::SetUp();
    DbfFile lieferanten{{{"NR", 'N', 4}, {"NAME", 'C', 30}}};
    lieferanten.Add({"   7", "Reichelt"}).Add({"  12", "Conrad"});
    lieferanten.records.push_back(lieferanten.Record({"  99", "Geloescht"}, '*'));
    lieferanten.Write(dir / "lieferanten.dbf");
    DbfFile laender{{{"FIRMA", 'C', 20}, {"LAND", 'C', 20}}};
    laender.Add({"Conrad", "Deutschland"}).Add({"Reichelt", "Friesland"});
    laender.Write(dir / "laender.dbf");
    DbfFile teile{{{"BEZEICHNUN", 'C', 10}, {"LIEFERANT", 'N', 4}}};
    teile.Add({"Widerstand", "  12"}).Add({"Leer", "    "});
    Open(teile);
  }

  // A link file as a link editor writes it.
  void WriteLink(int tag, int modus, const std::string& a, int resultA, int searchA, int key,
                 const std::string& b = "", int resultB = 0, int searchB = 0) {
    FILE* out = std::fopen((dir / (std::to_string(tag) + ".vkn")).c_str(), "wb");
    dbase_ansischreiben("Lieferant", out);
    dbase_intschreiben(modus, out);
    dbase_ansischreiben(dir / a, out);
    dbase_intschreiben(resultA, out);
    dbase_intschreiben(searchA, out);
    dbase_intschreiben(key, out);
    dbase_ansischreiben(b.empty() ? b : dir / b, out);
    dbase_intschreiben(resultB, out);
    dbase_intschreiben(searchB, out);
    std::fclose(out);
  }
};

TEST_F(LookupTest, TheSecondInstanceHasStateOfItsOwn) {
  ASSERT_EQ(dbase2_open(dir / "lieferanten.dbf"), 1);
  EXPECT_EQ(dbase2_dateiname, "lieferanten.dbf");
  EXPECT_EQ(dbase_dateiname, "teile.dbf");
  EXPECT_EQ(dbase2_anzahldatensaetze, 3u);
  EXPECT_EQ(dbase2_anzahldatenfelder, 2);
  EXPECT_EQ(&dbase2_record, &dbase_tabelle2.record);
  EXPECT_TRUE(dbase_tabelle2.recordMulti.empty());  // no read window

  EXPECT_EQ(dbase2_suchen(1, "=", "Conrad", 1), 1);
  EXPECT_EQ(dbase2_trAnsi(0), "12");
  EXPECT_EQ(dbase2_suchen(1, "=", "Reichelt", 1), -2);
  EXPECT_EQ(dbase2_suchen(1, "<", "Reichelt", 1), 1);
  EXPECT_EQ(dbase2_suchen(1, "=", "Conrad", 3), -1);
  EXPECT_EQ(dbase2_suchen(1, "=", "Geloescht", 2), 1);  // deleted records are read as stored
  EXPECT_EQ(dbase2_feldvergleich(0, "100"), -1);

  dbase2_tr(5);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"dbase2_tr: Feldnummer>=dbase2_anzahldatenfelder: 5"});
  dbase2_close();
  EXPECT_EQ(dbase2_anzahldatensaetze, 0u);
  EXPECT_EQ(dbase_anzahldatensaetze, 2u);
}

TEST_F(LookupTest, ALookupComparesCaseSensitivelyWithWildcardsOnNineteenCharacters) {
  dbase_grossklein = 0;  // the main table's case flag does not apply
  std::string table = dir / "lieferanten.dbf";
  EXPECT_EQ(dbase_verknuepfung(table, 0, 1, "Conrad"), "12");
  EXPECT_EQ(dbase_verknuepfung(table, 0, 1, "conrad"), "");
  EXPECT_EQ(dbase_verknuepfung(table, 0, 1, "Rei*"), "7");
  EXPECT_EQ(dbase_verknuepfung(table, 0, 1, "Geloescht"), "99");
  EXPECT_EQ(dbase_verknuepfung(table, 0, 1, "Nirgends"), "");
  EXPECT_EQ(dbase_verknuepfung(table, 1, 0, "7,0"), "Reichelt");  // numbers compare as numbers
  EXPECT_EQ(dbase2_anzahldatensaetze, 0u);                        // closed after each lookup

  DbfFile lang{{{"NAME", 'C', 30}, {"WERT", 'C', 5}}};
  lang.Add({"abcdefghijklmnopqrsXYZ", "ja"});
  lang.Write(dir / "lang.dbf");
  EXPECT_EQ(dbase_verknuepfung(dir / "lang.dbf", 1, 0, "abcdefghijklmnopqrsANDERS"), "ja");
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(LookupTest, AScrambledLinkedTableIsComparedAsStored) {
  DbfFile verwuerfelt{{{"NAME", 'C', 10}, {"WERT", 'C', 4}}};
  verwuerfelt.mode = 1;
  verwuerfelt.Add({"Bcd", "xyz"});  // the plain text "Abc" shifted by one
  verwuerfelt.Write(dir / "verwuerfelt.dbf");
  EXPECT_EQ(dbase_verknuepfung(dir / "verwuerfelt.dbf", 1, 0, "Bcd"), "xyz");
  EXPECT_EQ(dbase_verknuepfung(dir / "verwuerfelt.dbf", 1, 0, "Abc"), "");
}

TEST_F(LookupTest, ColumnsShowFieldsOrLinkedValues) {
  InFolder here(dir.Path());
  WriteLink(1000, 1, "lieferanten.dbf", 1, 0, 1);
  WriteLink(1001, 2, "lieferanten.dbf", 1, 0, 1, "laender.dbf", 1, 0);
  WriteLink(1002, 1, "fehlt.dbf", 1, 0, 1);
  ASSERT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(DbaseColumnValue(0), "Widerstand");
  EXPECT_EQ(DbaseColumnValue(1000), "Conrad");
  EXPECT_EQ(DbaseColumnValue(1001), "Deutschland");
  EXPECT_EQ(DbaseColumnValue(1003), "");  // no link file
  EXPECT_TRUE(log.texts.empty());

  ASSERT_EQ(dbase_lesen(1), 1);  // an empty key opens no table, not even a missing one
  EXPECT_EQ(DbaseColumnValue(1002), "");
  EXPECT_EQ(DbaseColumnValue(1001), "");
  EXPECT_TRUE(log.texts.empty());

  ASSERT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(DbaseColumnValue(1002), "");
  ASSERT_FALSE(log.texts.empty());
  EXPECT_EQ(log.texts[0].rfind("Fehler: \xF6" "ffnen handle: " + dir / "fehlt.dbf", 0), 0u);
}

TEST_F(LookupTest, ADamagedLinkFileGivesAnEmptyValue) {
  InFolder here(dir.Path());
  WriteLink(1000, 1, "lieferanten.dbf", 1, 0, 1);
  std::string full = ReadBytes(dir / "1000.vkn");
  ASSERT_EQ(dbase_lesen(0), 1);
  for (std::size_t cut : {full.size() - 3, std::size_t{30}, std::size_t{4}}) {
    WriteBytes(dir / "1000.vkn", full.substr(0, cut));
    log.texts.clear();
    AnsiString value = DbaseColumnValue(1000);
    if (cut == full.size() - 3) {
      EXPECT_EQ(value, "Conrad");  // only table B's entries are cut off
    } else {
      EXPECT_EQ(value, "");
    }
  }
}

}  // namespace
