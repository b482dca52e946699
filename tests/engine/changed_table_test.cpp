// A query run over a table that another program cuts or lengthens while the run reads it, and
// over tables whose header counts more records than the file holds: the hits are records the
// file really holds, the user is told of a change, and nothing is reserved for records that
// are not there.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>

#include "components/grid/columns/ExtCGrid.h"
#include "engine/DbaseHitValues.h"
#include "tests/engine/ChangeDuringRun.h"
#include "tests/engine/QueryTest.h"

namespace {

constexpr int kRecords = 3000;
constexpr int kLength = 1 + 250 + 8 + 250;   // two blocks of 1 MB
constexpr int kBlock = (1 << 20) / kLength;  // records of the first block

class ChangedTableTest : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    path = Open(Parts());
  }
  void TearDown() override {
    DbaseKeepHitValues(-1);
    dbase_indexgrid = nullptr;
    QueryTest::TearDown();
  }

  // Names in no order, so a sort by them is no record order; the price is the record's
  // number modulo 10.
  static DbfFile Parts() {
    DbfFile file{{{"NAME", 'C', 250}, {"PREIS", 'N', 8, 2}, {"REST", 'C', 250}}};
    for (int n = 0; n < kRecords; ++n)
      file.Add({"Teil " + std::to_string(n * 7 % kRecords), "    " + std::to_string(n % 10) + ".00",
                "r"});
    return file;
  }
  static long Bytes(long records) { return Parts().HeaderLength() + records * kLength; }
  static Hits Records(int from, int to) {
    Hits hits;
    for (int n = from; n < to; ++n) hits.push_back(std::to_string(n));
    return hits;
  }
  // The hits of a run during which the change comes, in record order.
  Hits RunChanged(const std::vector<std::string>& change) {
    const ChangeDuringRun during(change);
    Hits hits = Run();
    EXPECT_TRUE(during.Changed());
    std::sort(hits.begin(), hits.end(), [](const std::string& a, const std::string& b) {
      return std::stol(a) < std::stol(b);
    });
    return hits;
  }
  bool Told() const {
    return std::count(log.texts.begin(), log.texts.end(), ChangedDuringRunMessage(path)) == 1;
  }

  std::string path;
};

// Cut within the block read before: the hits of that block past the cut go, the record cut
// in its middle too. Cut within a block not read yet: the pass ends where the file ends. In
// record order, sorted by the run and sorted by the index alike, and with a criterion.
TEST_F(ChangedTableTest, ACutTableGivesOnlyTheRecordsItStillHolds) {
  EXPECT_EQ(RunChanged(ChangeDuringRun::Cut(path, Bytes(1500))), Records(0, 1500));
  EXPECT_TRUE(Told());
  EXPECT_EQ(dbase_anzahlindex, 1500u);
  log.texts.clear();

  Parts().Write(path);
  Slot(25, "NAME");
  EXPECT_EQ(RunChanged(ChangeDuringRun::Cut(path, Bytes(1500) + 100)), Records(0, 1500));
  EXPECT_TRUE(Told());
  log.texts.clear();

  Parts().Write(path);
  Slot(25, "PREIS");
  EXPECT_EQ(RunChanged(ChangeDuringRun::Cut(path, Bytes(kBlock + 200))), Records(0, kBlock + 200));
  EXPECT_EQ(Column(1).front(), "0,00");
  EXPECT_TRUE(Told());
  log.texts.clear();

  Parts().Write(path);  // records checked where the pass holds them, before they land
  Slot(25, "");
  Criterion(1, "NAME", "=", "Teil*");
  EXPECT_EQ(RunChanged(ChangeDuringRun::Cut(path, Bytes(1500))), Records(0, 1500));
  EXPECT_TRUE(Told());
}

// Records another program appended during the run are not walked: the run walks what the file
// held when it started, and tells that the file changed. The next run is told nothing.
TEST_F(ChangedTableTest, ATableThatGrewGivesTheRecordsItStartedWith) {
  EXPECT_EQ(RunChanged(ChangeDuringRun::Append(path, 10 * kLength)), Records(0, kRecords));
  EXPECT_TRUE(Told());
  log.texts.clear();
  EXPECT_EQ(Run().size(), kRecords + 0u);  // the header does not count them
  EXPECT_TRUE(log.texts.empty());
}

// The total the run into the grid keeps does not count the hits that went: the total reads
// the hits the index holds.
TEST_F(ChangedTableTest, TheTotalOfACutRunIsNotKept) {
  DbaseKeepHitValues(1);
  auto grid = std::make_unique<TExtColumnGrid>(nullptr);
  dbase_indexgrid = grid.get();
  {
    const ChangeDuringRun during(ChangeDuringRun::Cut(path, Bytes(1500)));
    ASSERT_EQ(dbase_kriterienpruefen(), 1);
    dbase_abfrage(grid.get());
    EXPECT_TRUE(during.Changed());
  }
  EXPECT_EQ(dbase_anzahlindex, 1500u);
  EXPECT_EQ(grid->GetRowCount(), 1501);
  EXPECT_EQ(grid->Cells(0, 1499), "1499");
  EXPECT_EQ(grid->Cells(0, 1500), "");
  double sum = 0;
  EXPECT_FALSE(DbaseKeptHitSum(1, sum));
  const std::vector<long> records = DbaseIndexGridHitRecords();
  ASSERT_EQ(records.size(), 1500u);
  EXPECT_EQ(records.back(), 1499);
}

// A read that fails during the run (the file's descriptor can no longer read, as one on a
// server that went away) is told with the system's reason, not as a change by another
// program; the hits read before it stay.
TEST_F(ChangedTableTest, AReadThatFailsIsToldWithTheSystemsReason) {
  const ChangeDuringRun during([this] {
    const int writeOnly = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const bool swapped = writeOnly >= 0 && ::dup2(writeOnly, dbase_handle) == dbase_handle;
    if (writeOnly >= 0) ::close(writeOnly);
    return swapped;
  });
  Hits hits = Run();
  EXPECT_TRUE(during.Changed());
  EXPECT_EQ(hits, Records(0, kBlock));
  EXPECT_EQ(log.texts, (std::vector<AnsiString>{"Fehler: dbase_abfrage: " + path +
                                                ": Datei ist nicht lesbar: " + std::strerror(EBADF) +
                                                " - bitte Abfrage wiederholen"}));
}

class LyingCountTest : public QueryTest {};

// A header that counts far more records than the file holds: the run walks the records the
// file holds, reserves nothing for the others, and keeps their total; not a change.
TEST_F(LyingCountTest, ARunWalksTheRecordsTheFileHolds) {
  for (int64_t count : {int64_t{0xFFFFFFFF}, int64_t{1} << 30}) {
    DbfFile file = QueryPartsFile();
    file.count = count;
    Open(file);
    DbaseKeepHitValues(1);
    TExtColumnGrid grid(nullptr);
    dbase_indexgrid = &grid;
    ASSERT_EQ(dbase_kriterienpruefen(), 1);
    dbase_abfrage(&grid);
    EXPECT_EQ(dbase_anzahlindex, 5u);
    EXPECT_EQ(grid.Cells(0, 4), "5");
    double sum = 0;
    EXPECT_TRUE(DbaseKeptHitSum(1, sum));
    EXPECT_EQ(sum, 10.0 + 10.5 + 2 + 100);
    EXPECT_EQ(Run(), (Hits{"0", "1", "2", "3", "5"}));
    EXPECT_TRUE(log.texts.empty());
    DbaseKeepHitValues(-1);
    dbase_indexgrid = nullptr;
    dbase_close();
  }
}

}  // namespace
