// The query run's pass over a table larger than one read block: every record read once
// across the blocks' edges, deleted and missing records as the read window gives them, and
// the read window emptied of what the table held before the run.
#include <filesystem>
#include <fstream>

#include "engine/DbaseRecordPass.h"
#include "tests/engine/QueryTest.h"

namespace {

constexpr int kRecords = 2200;  // two blocks of 1 MB and a part of a third
constexpr int kFirstOfBlock2 = (1 << 20) / 1001;

class RecordPassTest : public QueryTest {
 protected:
  // Four text fields of 250: 1001 bytes a record. Records around the first block's edge are
  // deleted.
  static DbfFile WideFile() {
    DbfFile file{{{"NAME", 'C', 250}, {"A", 'C', 250}, {"B", 'C', 250}, {"C", 'C', 250}}};
    for (int n = 0; n < kRecords; ++n) {
      const bool deleted = n == kFirstOfBlock2 - 1 || n == kFirstOfBlock2;
      const std::string number = std::to_string(n);
      file.records.push_back(
          file.Record({"Teil " + number, "a" + number, "b" + number}, deleted ? '*' : ' '));
    }
    return file;
  }
  static Hits Expected(int records) {
    Hits hits;
    for (int n = 0; n < records; ++n)
      if (n != kFirstOfBlock2 - 1 && n != kFirstOfBlock2) hits.push_back(std::to_string(n));
    return hits;
  }
};

TEST_F(RecordPassTest, ReadsEveryRecordAcrossTheBlocks) {
  Open(WideFile());
  EXPECT_EQ(Run(), Expected(kRecords));
  EXPECT_EQ(Column(1)[kFirstOfBlock2 - 1], "Teil " + std::to_string(kFirstOfBlock2 + 1));
  EXPECT_EQ(Column(1).back(), "Teil " + std::to_string(kRecords - 1));
  EXPECT_EQ(dbase_trAnsi(2), "b2199");  // the last record whole, the fields no criterion names too
}

// Only the fields the query reads are unscrambled during the run, each once, however often
// the query names it; the last record read is whole afterwards.
TEST_F(RecordPassTest, AScrambledTableReadsTheFieldsTheQueryNames) {
  DbfFile file = WideFile();
  file.mode = 1;
  for (std::string& record : file.records) {
    std::string stored = record;
    DbaseScramble(1, record.data(), stored.data(), record.size());
    record = stored;
  }
  Open(file);
  Criterion(1, "A", "=", "a10*");
  Criterion(2, "A", "!", "a10??");
  Slot(25, "NAME");
  Slot(26, "A");
  EXPECT_EQ(Run(),
            (Hits{"10", "100", "101", "102", "103", "104", "105", "106", "107", "108", "109"}));
  EXPECT_EQ(Column(1).front(), "Teil 10");
  EXPECT_EQ(Column(2).back(), "a109");
  EXPECT_EQ(dbase_trAnsi(2), "b2199");
}

// The file ends in the middle of a record: the records before it are read, the rest are no hits.
TEST_F(RecordPassTest, StopsAtTheFirstRecordTheFileDoesNotHoldWhole) {
  DbfFile file = WideFile();
  file.count = kRecords + 50;
  const std::string path = Open(file);
  dbase_close();
  std::filesystem::resize_file(path, file.HeaderLength() + 1500 * 1001 + 400);
  ASSERT_EQ(dbase_open(path), 1);
  EXPECT_EQ(Run(), Expected(1500));
  EXPECT_EQ(dbase_trAnsi(1), "a1499");
}

TEST_F(RecordPassTest, TheReadWindowDoesNotKeepTextsFromBeforeTheRun) {
  const DbfFile file = WideFile();
  const std::string path = Open(file);
  ASSERT_EQ(dbase_lesenmulti(1), 1);  // the window holds records 1 to 20
  {
    std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(file.HeaderLength() + 1001 + 1);
    out << "Neu    ";
  }
  Run();
  ASSERT_EQ(dbase_lesenmulti(1), 1);
  EXPECT_EQ(dbase_trAnsi(0), "Neu");
}

// Some records only, scattered and close together, across the blocks' edges and past the end.
TEST_F(RecordPassTest, APassOverSomeRecordsReadsThemAndNoOthers) {
  Open(WideFile());
  const std::vector<long> records{3,    4,   kFirstOfBlock2 - 2, kFirstOfBlock2, kFirstOfBlock2 + 1,
                                  2199, 2300};
  DbaseRecordPass pass(dbase_tabelle, {1}, &records);
  std::vector<std::string> read;
  for (long record : records) {
    const int result = pass.Read(record);
    read.push_back(result == 1 ? dbase_trAnsi(1) : std::to_string(result));
  }
  pass.Finish();
  const std::string last = "a" + std::to_string(kFirstOfBlock2 + 1);
  EXPECT_EQ(read, (std::vector<std::string>{"a3", "a4", "a" + std::to_string(kFirstOfBlock2 - 2),
                                            "-3", last, "a2199", "-1"}));
}

}  // namespace

namespace {

// A pass over all records, each read's text of field 1 or its result.
std::vector<std::string> ReadAll(DbaseRecordPass& pass, int from, int to) {
  std::vector<std::string> read;
  for (int n = from; n < to; ++n) {
    const int result = pass.Read(n);
    read.push_back(result == 1 ? dbase_trAnsi(1) : std::to_string(result));
  }
  return read;
}

std::vector<std::string> ExpectedReads(int from, int to, int held) {
  std::vector<std::string> read;
  for (int n = from; n < to; ++n) {
    const bool deleted = n == kFirstOfBlock2 - 1 || n == kFirstOfBlock2;
    read.push_back(n >= held ? "-2" : deleted ? "-3" : "a" + std::to_string(n));
  }
  return read;
}

// Another program shortens the table while a pass reads it: the records of the block read
// before still read as they were read, the next block ends where the file now ends, and the
// pass tells that the file changed and where it ended.
TEST_F(RecordPassTest, ATableShortenedUnderAPassEndsItWhereTheFileNowEnds) {
  DbfFile file = WideFile();
  const std::string path = Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  EXPECT_EQ(pass.Count(), kRecords);
  EXPECT_EQ(ReadAll(pass, 0, 100), ExpectedReads(0, 100, kRecords));
  std::filesystem::resize_file(path, file.HeaderLength() + 1500 * 1001);
  EXPECT_EQ(ReadAll(pass, 100, 1500), ExpectedReads(100, 1500, 1500));
  EXPECT_EQ(ReadAll(pass, 2100, kRecords), ExpectedReads(2100, kRecords, 1500));
  pass.Finish();
  EXPECT_EQ(dbase_trAnsi(2), "b1499");  // the last record read, whole
  EXPECT_TRUE(pass.FileChanged());
  EXPECT_EQ(pass.ValidEnd(), 1500);

  DbaseRecordPass again(dbase_tabelle, {1});  // over what the file holds now
  EXPECT_EQ(again.Count(), 1500);
  EXPECT_EQ(ReadAll(again, 1400, 1600), ExpectedReads(1400, 1600, 1500));
  again.Finish();
  EXPECT_FALSE(again.FileChanged());
}

// A file cut within the block already read: the pass cannot unread it, but the last look
// tells that the records from the cut on were not all in the file, the one cut in its middle
// too.
TEST_F(RecordPassTest, ACutWithinTheBlockReadIsToldAtTheEnd) {
  const DbfFile file = WideFile();
  const std::string path = Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  ASSERT_EQ(pass.Read(0), 1);
  std::filesystem::resize_file(path, file.HeaderLength() + 1000 * 1001L + 10);
  EXPECT_EQ(ReadAll(pass, 999, 1001), (std::vector<std::string>{"a999", "a1000"}));
  EXPECT_FALSE(pass.FileChanged());
  pass.Finish();
  EXPECT_TRUE(pass.FileChanged());
  EXPECT_EQ(pass.ValidEnd(), 1000);
}

// A file that grew while the pass read it: the pass walks the records it started with, and
// tells the change.
TEST_F(RecordPassTest, AFileThatGrewIsWalkedAsItStartedAndToldChanged) {
  DbfFile file = WideFile();
  const std::string path = Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  ReadAll(pass, 0, 10);
  std::ofstream(path, std::ios::app | std::ios::binary) << file.records[5] << file.records[6];
  pass.Finish();
  EXPECT_TRUE(pass.FileChanged());
  EXPECT_EQ(pass.Count(), kRecords);
  EXPECT_EQ(pass.ValidEnd(), kRecords);
}

// A header counting more records than the file holds: the pass walks those the file holds,
// and the others read as failed, not as the record before, nor from past the end.
TEST_F(RecordPassTest, AHeaderCountingMoreThanTheFileHoldsIsWalkedAsTheFileHolds) {
  DbfFile file = WideFile();
  file.count = 0xFFFFFFFF;
  Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  EXPECT_EQ(pass.Count(), kRecords);
  EXPECT_EQ(ReadAll(pass, kRecords - 1, kRecords + 2),
            (std::vector<std::string>{"a2199", "-2", "-2"}));
  pass.Finish();
  EXPECT_FALSE(pass.FileChanged());
  EXPECT_EQ(DbaseReadableRecords(dbase_tabelle), kRecords);
}

// Wherever the blocks' edges fall in a record (on its end when its length divides the block,
// anywhere inside it otherwise), a run finds the records the read window reads one by one.
TEST_F(RecordPassTest, RecordsOfAnyLengthReadAsTheReadWindowReadsThem) {
  for (int length : {1024, 1000, 1049, 4097}) {
    SCOPED_TRACE(std::to_string(length) + " bytes a record");
    DbfFile file{{{"NAME", 'C', 250}}};
    for (int rest = length - 251, k = 1; rest > 0; rest -= 250, ++k)
      file.fields.push_back({"F" + std::to_string(k), 'C', static_cast<uint8_t>(std::min(rest, 250))});
    const int records = 3 * (1 << 20) / length + 7;
    for (int n = 0; n < records; ++n)
      file.records.push_back(file.Record({"Teil " + std::to_string(n)}, n % 7 == 3 ? '*' : ' '));
    Open(file);
    DbaseReadRecordsAhead(dbase_tabelle);
    Criterion(1, "NAME", "=", "Teil *");
    const Hits hits = Run();
    Hits windowed;
    for (int n = 0; n < records; ++n)
      if (dbase_lesen(n) == 1 && dbase_trAnsi(0) == "Teil " + std::to_string(n))
        windowed.push_back(std::to_string(n));
    EXPECT_EQ(hits.size(), static_cast<std::size_t>(records - (records + 3) / 7));
    EXPECT_EQ(hits, windowed);
    dbase_close();
  }
}

// A pass sees what other copies wrote since the last.
TEST_F(RecordPassTest, APassSeesWhatOthersWroteSinceTheLast) {
  DbfFile file = WideFile();
  const std::string path = Open(file);
  Run();
  {
    std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(file.HeaderLength() + 2000 * 1001 + 251);
    out << "neu   ";
  }
  DbaseRecordPass pass(dbase_tabelle, {1});
  EXPECT_EQ(ReadAll(pass, 1999, 2001), (std::vector<std::string>{"a1999", "neu"}));
}

// Records whose last field is padded with zeros, as some programs write them, read as they
// are all through the file.
TEST_F(RecordPassTest, RecordsEndingInZerosReadAsTheyAre) {
  DbfFile file = WideFile();
  for (std::string& record : file.records) std::fill(record.end() - 250, record.end(), '\0');
  Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  EXPECT_EQ(ReadAll(pass, 0, kRecords), ExpectedReads(0, kRecords, kRecords));
  pass.Finish();
  EXPECT_FALSE(pass.FileChanged());
}

}  // namespace
