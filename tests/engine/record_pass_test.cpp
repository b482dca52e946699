// The query run's pass over a table larger than one read block: every record read once
// across the blocks' edges, deleted and missing records as the read window gives them, and
// the read window emptied of what the table held before the run.
#include <fcntl.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

// Another program shortens the table while a pass reads it where it lies in memory: the
// pass reads on to where the file now ends, and no fault ends the process.
TEST_F(RecordPassTest, ATableShortenedUnderAPassEndsItWhereTheFileNowEnds) {
  DbfFile file = WideFile();
  const std::string path = Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  EXPECT_EQ(ReadAll(pass, 0, 100), ExpectedReads(0, 100, kRecords));
  std::filesystem::resize_file(path, file.HeaderLength() + 1500 * 1001);
  EXPECT_EQ(ReadAll(pass, 100, 1500), ExpectedReads(100, 1500, 1500));
  EXPECT_EQ(ReadAll(pass, 2100, kRecords), ExpectedReads(2100, kRecords, 1500));  // a fault
  pass.Finish();
  EXPECT_EQ(dbase_trAnsi(2), "b1499");        // the last record read, whole
  DbaseRecordPass again(dbase_tabelle, {1});  // a view of what the file holds now
  EXPECT_EQ(ReadAll(again, 1400, 1600), ExpectedReads(1400, 1600, 1500));  // zeros past the end
}

// Records brought in ahead read as they would have been read anyway; a file shortened under
// the view ends the reading ahead where the file ends, not the process with a bus error on
// the reading thread, and closing the table waits for that thread.
TEST_F(RecordPassTest, RecordsReadAheadReadAsWithout) {
  DbfFile file = WideFile();
  const std::string path = Open(file);
  DbaseReadRecordsAhead(dbase_tabelle);
  EXPECT_EQ(Run(), Expected(kRecords));

  DbaseRecordPass pass(dbase_tabelle, {1});
  std::filesystem::resize_file(path, file.HeaderLength() + 1500 * 1001);
  dbase_tabelle.view.ReadAhead();
  EXPECT_EQ(ReadAll(pass, 1400, kRecords), ExpectedReads(1400, kRecords, 1500));
  pass.Finish();
  dbase_tabelle.view.ReadAhead();
  dbase_close();
}

// Where the file cannot be viewed (or once it shrank under a view) the pass reads in blocks,
// all records and some, with the same results.
TEST_F(RecordPassTest, WithoutAViewThePassReadsTheSameInBlocks) {
  Open(WideFile());
  DbaseRecordPass pass(dbase_tabelle, {1});
  dbase_tabelle.view.Drop();
  EXPECT_EQ(ReadAll(pass, 0, kRecords), ExpectedReads(0, kRecords, kRecords));
  pass.Finish();
  EXPECT_EQ(dbase_trAnsi(2), "b2199");

  const std::vector<long> records{3, kFirstOfBlock2, kFirstOfBlock2 + 1, 2199};
  DbaseRecordPass some(dbase_tabelle, {1}, &records);
  dbase_tabelle.view.Drop();
  std::vector<std::string> read;
  for (long record : records) {
    const int result = some.Read(record);
    read.push_back(std::to_string(result) + dbase_trAnsi(1));
  }
  const std::string after = "1a" + std::to_string(kFirstOfBlock2 + 1);
  EXPECT_EQ(read, (std::vector<std::string>{"1a3", "-3", after, "1a2199"}));
}

// The view stays from pass to pass and shows what other copies write meanwhile.
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

sigjmp_buf testJump;
volatile sig_atomic_t testFaults = 0;
void TestBusHandler(int) {
  testFaults = testFaults + 1;
  siglongjmp(testJump, 1);
}

// A bus error that no pass raised, by a fault or sent, goes to the handler that was there
// before the first view.
TEST_F(RecordPassTest, ABusErrorOutsideAPassReachesTheHandlerBefore) {
  struct sigaction test {}, before {};
  test.sa_handler = TestBusHandler;
  sigemptyset(&test.sa_mask);
  test.sa_flags = SA_NODEFER;
  sigaction(SIGBUS, &test, &before);
  const std::string path = Open(WideFile());
  Run();  // a view, and its handler in front of the test's
  struct sigaction current {};
  sigaction(SIGBUS, nullptr, &current);
  EXPECT_TRUE(current.sa_flags & SA_SIGINFO);

  const std::string other = path + ".other";
  std::filesystem::copy_file(path, other);
  const int handle = ::open(other.c_str(), O_RDONLY);
  void* view = mmap(nullptr, 1 << 20, PROT_READ, MAP_SHARED, handle, 0);
  auto* bytes = static_cast<volatile char*>(view);
  std::filesystem::resize_file(other, 0);
  if (sigsetjmp(testJump, 0) == 0) (void)bytes[8192];
  EXPECT_EQ(testFaults, 1);
  munmap(view, 1 << 20);
  ::close(handle);
  Run();                                           // in front again
  if (sigsetjmp(testJump, 0) == 0) raise(SIGBUS);  // sent, not raised by a fault
  EXPECT_EQ(testFaults, 2);
  sigaction(SIGBUS, &before, nullptr);

  DbaseRecordPass pass(dbase_tabelle, {1});  // the views go on as before
  EXPECT_EQ(ReadAll(pass, 0, 2), (std::vector<std::string>{"a0", "a1"}));
}

}  // namespace

namespace {

// Shortened within a record whose rest lay in the same page: past the end the page reads as
// zeros, which the pass must not take for the record's fields.
TEST_F(RecordPassTest, ARecordCutUnderAPassIsNotReadAsZeros) {
  const DbfFile file = WideFile();
  const std::string path = Open(file);
  const long page = sysconf(_SC_PAGESIZE);
  auto position = [&file](long n) { return file.HeaderLength() + n * 1001L + 10; };
  long cut = 1000;  // its first ten bytes stay, the rest would have been in their page
  while (position(cut) % page > page - 1001) ++cut;
  DbaseRecordPass pass(dbase_tabelle, {1});
  ASSERT_EQ(pass.Read(0), 1);
  std::filesystem::resize_file(path, position(cut));
  EXPECT_EQ(ReadAll(pass, cut - 1, cut + 1),
            (std::vector<std::string>{"a" + std::to_string(cut - 1), "-2"}));
  pass.Finish();
  EXPECT_EQ(dbase_trAnsi(2), "b" + std::to_string(cut - 1));
}

// Records whose last field is padded with zeros, as some programs write them, read as they
// are all through the file.
TEST_F(RecordPassTest, RecordsEndingInZerosReadAsTheyAre) {
  DbfFile file = WideFile();
  for (std::string& record : file.records) std::fill(record.end() - 250, record.end(), '\0');
  Open(file);
  DbaseRecordPass pass(dbase_tabelle, {1});
  EXPECT_EQ(ReadAll(pass, 0, kRecords), ExpectedReads(0, kRecords, kRecords));
}

}  // namespace
