// A table that other programs change while this copy has it open: one replaces the file (a
// backup put back, a copy renamed over it) or removes it, another running copy appends.
#include <cstdio>

#include "tests/engine/Copies.h"
#include "tests/engine/QueryTest.h"

namespace {

class SharedTableTest : public QueryTest {
 protected:
  std::string Path() const { return dir / "teile.dbf"; }
  std::string Refused(const char* operation) const {
    return "Fehler: " + std::string(operation) + ": " + Path() +
           ": Datei wurde seit dem \xD6" "ffnen ersetzt oder entfernt - nichts geschrieben";
  }
  // Another program puts a file with these bytes in the table's place.
  void ReplaceFromOtherProgram(const std::string& bytes) {
    for (int code : RunCopiesAtOnce(1, [&](int) {
           WriteBytes(Path() + ".neu", bytes);
           return std::rename((Path() + ".neu").c_str(), Path().c_str());
         }))
      ASSERT_EQ(code, 0);
  }
  // Writes, appends, new records and deletions, each refused with its message.
  void EveryWriteIsRefused() {
    log.texts.clear();
    dbase_lesen(1);
    dbase_feldschreibenAnsi("Neu", 0);
    EXPECT_EQ(dbase_schreiben(1), 0);
    EXPECT_EQ(dbase_schreiben(dbase_anzahldatensaetze), 0);
    long slot = 4;
    EXPECT_EQ(dbase_neuschreiben(slot), 0);
    EXPECT_EQ(dbase_loeschen(0), 0);
    EXPECT_EQ(log.texts, (std::vector<AnsiString>{Refused("dbase_schreiben"), Refused("dbase_schreiben"),
                                                  Refused("dbase_neuschreiben"),
                                                  Refused("dbase_loeschen")}));
  }
};

// Another program puts a table of its own in place of the open one. Nothing this copy writes
// afterwards is reported saved: it would go to the file that was replaced, which nobody reads.
// The new table is left as it came; opened again, it is written as usual.
TEST_F(SharedTableTest, WritesToATableReplacedSinceItWasOpenedAreRefused) {
  dbase_lesen(0);
  ASSERT_EQ(dbase_schreiben(0), 1);
  DbfFile backup = PartsFile();
  backup.Add({"Sicherung", "    1.00", "20240101", "F"});
  const std::string replacement = backup.Bytes();
  ReplaceFromOtherProgram(replacement);

  EveryWriteIsRefused();
  EXPECT_EQ(ReadBytes(Path()), replacement);

  ASSERT_EQ(dbase_open(Path()), 1);
  dbase_lesen(0);
  dbase_feldschreibenAnsi("Nach", 0);
  EXPECT_EQ(dbase_schreiben(dbase_anzahldatensaetze), 1);
  EXPECT_EQ(Run(), (Hits{"0", "1"}));
  EXPECT_EQ(Column(1), (Hits{"Sicherung", "Nach"}));
}

TEST_F(SharedTableTest, WritesToATableRemovedSinceItWasOpenedAreRefused) {
  const std::string before = ReadBytes(Path());
  ASSERT_EQ(std::rename(Path().c_str(), (Path() + ".alt").c_str()), 0);
  EveryWriteIsRefused();
  EXPECT_FALSE(std::filesystem::exists(Path()));
  EXPECT_EQ(ReadBytes(Path() + ".alt"), before);
}

// Another program renames a table of the same fields over the open one (a backup put back):
// the next query reads the new file, its records counted afresh, with no word, and writes go
// to it from then on.
TEST_F(SharedTableTest, AQueryReadsATableOfTheSameFieldsRenamedOverTheOpenOne) {
  ASSERT_EQ(Run(), (Hits{"0", "1", "2", "3", "5"}));
  DbfFile backup = PartsFile();
  backup.Add({"Sicherung", "    1.00", "20240101", "F"}).Add({"Zweite", "    2.00", "20240101", "T"});
  ReplaceFromOtherProgram(backup.Bytes());

  EXPECT_EQ(Run(), (Hits{"0", "1"}));
  EXPECT_EQ(Column(1), (Hits{"Sicherung", "Zweite"}));
  EXPECT_EQ(dbase_anzahldatensaetze, 2u);
  EXPECT_TRUE(log.texts.empty());
  dbase_lesen(0);
  dbase_feldschreibenAnsi("Nach", 0);
  EXPECT_EQ(dbase_schreiben(dbase_anzahldatensaetze), 1);
  EXPECT_EQ(Run(), (Hits{"0", "1", "2"}));
  EXPECT_EQ(ReadBytes(Path()).size(), backup.HeaderLength() + 3u * backup.RecordLength());
}

// What now has the table's name is no table of its fields, or nothing has it: the query finds
// nothing in the file nobody reads any more and asks for the list to be opened again; writes
// stay refused.
TEST_F(SharedTableTest, AQueryOnATableReplacedByAnotherAsksToOpenTheListAgain) {
  DbfFile otherFields{{{"BEZEICHNUN", 'C', 10}, {"PREIS", 'N', 9, 2}, {"DATUM", 'D', 8}, {"BESTELLEN", 'L', 1}}};
  otherFields.Add({"Fremd", "     1.00", "20240101", "F"});
  DbfFile scrambled = PartsFile();
  scrambled.mode = 1;
  const std::string replacements[] = {otherFields.Bytes(), scrambled.Bytes(), "kein dBase", ""};
  for (const std::string& replacement : replacements) {
    SCOPED_TRACE(replacement.size());
    ASSERT_EQ(dbase_open(Path()), 1);
    if (replacement.empty()) {
      ASSERT_EQ(std::rename(Path().c_str(), (Path() + ".alt").c_str()), 0);
    } else {
      ReplaceFromOtherProgram(replacement);
    }
    log.texts.clear();
    EXPECT_EQ(Run(), Hits{});
    EXPECT_EQ(dbase_abfrageergebnis, 255);
    EXPECT_EQ(log.texts, (std::vector<AnsiString>{
                             "Fehler: dbase_abfrage: " + Path() +
                             ": Datei wurde seit dem \xD6" "ffnen ersetzt oder entfernt - bitte die "
                             "Liste neu \xF6" "ffnen"}));
    EveryWriteIsRefused();
    if (replacement.empty()) {
      ASSERT_EQ(std::rename((Path() + ".alt").c_str(), Path().c_str()), 0);
    }
    QueryPartsFile().Write(Path());
  }
}

// Records another running copy appends while the list stays open are hits of the next query.
TEST_F(SharedTableTest, RecordsAnotherCopyAppendedAreInTheNextQuery) {
  ASSERT_EQ(Run(), (Hits{"0", "1", "2", "3", "5"}));
  for (int code : RunCopiesAtOnce(1, [&](int) {
         if (dbase_open(Path()) != 1) return 1;
         for (const char* name : {"Neu 1", "Neu 2"}) {
           dbase_lesen(0);
           dbase_feldschreibenAnsi(name, 0);
           if (dbase_schreiben(dbase_anzahldatensaetze) != 1) return 2;
         }
         return 0;
       }))
    ASSERT_EQ(code, 0);
  EXPECT_EQ(Run(), (Hits{"0", "1", "2", "3", "5", "6", "7"}));
  EXPECT_EQ(Column(1), (Hits{"Rainer", "rot", "Blau", "Rad", "Zange", "Neu 1", "Neu 2"}));
  EXPECT_EQ(dbase_anzahldatensaetze, 8u);
}

}  // namespace
