#include "tests/engine/EngineTest.h"

namespace {

using RecordsTest = EngineTest;

DbfFile Numbered(int count) {
  DbfFile file = PartsFile();
  for (int i = 0; i < count; ++i) file.Add({"R" + std::to_string(i)});
  return file;
}

TEST_F(RecordsTest, ReadingAtTheCountGivesBlanks) {
  Open(Numbered(3));
  ASSERT_EQ(dbase_lesen(2), 1);
  EXPECT_EQ(dbase_lesen(3), -1);
  EXPECT_EQ(dbase_record, std::vector<char>(28, ' '));
  EXPECT_EQ(dbase_lesenmulti(3), -1);
}

TEST_F(RecordsTest, WritingAtOrFarPastTheCountAppendsWithoutAGap) {
  DbfFile file = Numbered(2);
  std::string path = Open(file);
  dbase_lesen(0);
  dbase_feldschreibenAnsi("NEU", 0);
  EXPECT_EQ(dbase_schreiben(2), 1);
  dbase_feldschreibenAnsi("WEIT", 0);
  EXPECT_EQ(dbase_schreiben(5000), 1);
  EXPECT_EQ(dbase_anzahldatensaetze, 4u);
  file.Add({"NEU"}).Add({"WEIT"});
  EXPECT_EQ(ReadBytes(path), file.Bytes());  // header count 4, records back to back
}

TEST_F(RecordsTest, OverwritesARecordInPlace) {
  DbfFile file = Numbered(3);
  std::string path = Open(file);
  ASSERT_EQ(dbase_lesen(1), 1);
  dbase_feldschreibenAnsi("ANDERS", 0);
  dbase_record[0] = '*';  // the write marks the record valid again
  EXPECT_EQ(dbase_schreiben(1), 1);
  file.records[1] = file.Record({"ANDERS"});
  EXPECT_EQ(ReadBytes(path), file.Bytes());
}

TEST_F(RecordsTest, DeletedRecordsAreFoundAsFreeSlots) {
  DbfFile file = Numbered(5);
  std::string path = Open(file);
  EXPECT_EQ(dbase_freiersatz(), 5);
  EXPECT_EQ(dbase_loeschen(3), 1);
  EXPECT_EQ(ReadBytes(path).substr(file.HeaderLength() + 3 * 28, 28), "*" + std::string(27, '\0'));
  EXPECT_EQ(dbase_lesen(3), -3);
  EXPECT_EQ(dbase_record[0], '*');
  EXPECT_EQ(dbase_tr(0), -1);
  EXPECT_EQ(dbase_freistart, 5u);
  EXPECT_EQ(dbase_freiersatz(), 5);  // the search never goes back
  dbase_freistart = 0;
  EXPECT_EQ(dbase_freiersatz(), 3);
  EXPECT_EQ(dbase_freistart, 3u);
  EXPECT_EQ(dbase_loeschen(5), 0);  // nothing is deleted past the end
  EXPECT_EQ(ReadBytes(path).size(), file.Bytes().size());
}

TEST_F(RecordsTest, FreeSlotSearchSeesRecordsAppendedByAnotherCopy) {
  DbfFile file = Numbered(2);
  std::string path = Open(file);
  file.Add({"FREMD"});
  file.Write(path);
  EXPECT_EQ(dbase_freiersatz(), 3);
  EXPECT_EQ(dbase_anzahldatensaetze, 3u);
}

TEST_F(RecordsTest, TheReadWindowServesEveryRecordAndNeverAStaleOne) {
  Open(Numbered(45));
  for (int n = 0; n < 45; ++n) {
    ASSERT_EQ(dbase_lesenmulti(n), 1);
    ASSERT_EQ(dbase_trAnsi(0), "R" + std::to_string(n));
  }
  dbase_lesenmulti(3);
  EXPECT_EQ(dbase_cachestart, 3u);
  dbase_feldschreibenAnsi("NEU", 0);
  dbase_schreiben(4);
  EXPECT_EQ(dbase_cachestart, kDbaseWindowEmpty);
  dbase_lesenmulti(3);
  dbase_lesenmulti(4);
  EXPECT_EQ(dbase_trAnsi(0), "NEU");
  dbase_loeschen(5);
  EXPECT_EQ(dbase_lesenmulti(5), -3);
}

TEST_F(RecordsTest, AReopenedTableIsReadFromTheFile) {
  DbfFile file = Numbered(30);
  std::string path = Open(file);
  ASSERT_EQ(dbase_lesenmulti(2), 1);
  dbase_close();
  file.records[2] = file.Record({"GEAENDERT"});
  file.Write(path);
  ASSERT_EQ(dbase_open(path), 1);
  ASSERT_EQ(dbase_lesenmulti(2), 1);
  EXPECT_EQ(dbase_trAnsi(0), "GEAENDERT");
}

TEST_F(RecordsTest, AppendingToATruncatedFileFillsNoGap) {
  DbfFile file = Numbered(4);
  file.count = 9;
  std::string bytes = file.Bytes();
  std::string path = dir / "teile.dbf";
  WriteBytes(path, bytes.substr(0, bytes.size() - 5));  // record 3 cut short
  ASSERT_EQ(dbase_open(path), 1);
  dbase_lesen(0);
  dbase_feldschreibenAnsi("NEU", 0);
  EXPECT_EQ(dbase_schreiben(9), 1);
  EXPECT_EQ(dbase_anzahldatensaetze, 4u);
  file.count = -1;
  file.records[3] = file.Record({"NEU"});
  EXPECT_EQ(ReadBytes(path), file.Bytes());
}

TEST_F(RecordsTest, WritingPastTheEndOfATruncatedFileAppendsWithoutAGap) {
  DbfFile file = Numbered(4);
  file.count = 9;
  std::string path = dir / "teile.dbf";
  WriteBytes(path, file.Bytes());
  ASSERT_EQ(dbase_open(path), 1);
  dbase_lesen(0);
  dbase_feldschreibenAnsi("NEU", 0);
  EXPECT_EQ(dbase_schreiben(6), 1);  // below the header's count, past the file's records
  EXPECT_EQ(dbase_anzahldatensaetze, 5u);
  file.count = -1;
  file.records.push_back(file.Record({"NEU"}));
  EXPECT_EQ(ReadBytes(path), file.Bytes());
}

TEST_F(RecordsTest, TheFreeSlotSearchStopsWhereTheFileEnds) {
  DbfFile file = Numbered(4);
  file.count = 0xFFFFFFFF;
  std::string path = dir / "riesig.dbf";
  WriteBytes(path, file.Bytes());
  ASSERT_EQ(dbase_open(path), 1);
  EXPECT_GE(dbase_freiersatz(), 4);  // no deleted record; returns without reading on
  dbase_lesen(0);
  dbase_feldschreibenAnsi("NEU", 0);
  EXPECT_EQ(dbase_schreiben(dbase_freiersatz()), 1);  // lands after the records there are
  EXPECT_EQ(dbase_anzahldatensaetze, 5u);
}

TEST_F(RecordsTest, NothingIsWrittenWithoutAnOpenTable) {
  EXPECT_EQ(dbase_schreiben(0), 0);
  EXPECT_EQ(dbase_loeschen(0), 0);
  EXPECT_EQ(dbase_lesen(-1), -2);
  EXPECT_EQ(dbase_freiersatz(), 0);
}

}  // namespace
