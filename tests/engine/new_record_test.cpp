// Writing a new record into the free slot found when it was started: the slot may have been
// taken since, by this copy or by another running one.
#include <set>

#include "tests/engine/Copies.h"
#include "tests/engine/EngineTest.h"

namespace {

using NewRecordTest = EngineTest;

DbfFile TwoFields() { return DbfFile{{{"WER", 'C', 1}, {"NR", 'N', 5}}}; }

// `count` records, those of `deleted` marked deleted.
DbfFile WithDeleted(int count, std::set<int> deleted) {
  DbfFile file = TwoFields();
  for (int n = 0; n < count; ++n)
    file.records.push_back(file.Record({"X", std::to_string(n)}, deleted.count(n) ? '*' : ' '));
  return file;
}

void Fill(const std::string& who, int number) {
  dbase_feldschreibenAnsi(who, 0);
  dbase_feldschreibenAnsi(std::to_string(number), 1);
}

TEST_F(NewRecordTest, GoesIntoTheSlotWhileItIsStillDeleted) {
  Open(WithDeleted(5, {2}));
  long n = dbase_freiersatz();
  ASSERT_EQ(n, 2);
  Fill("A", 7);
  EXPECT_EQ(dbase_neuschreiben(n), 1);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(dbase_anzahldatensaetze, 5u);
  ASSERT_EQ(dbase_lesen(2), 1);
  EXPECT_EQ(dbase_trAnsi(0), "A");
  EXPECT_EQ(dbase_trAnsi(1), "7");
}

TEST_F(NewRecordTest, TakesTheNextFreeSlotWhenItsOwnWasReused) {
  Open(WithDeleted(6, {1, 4}));
  long n = dbase_freiersatz();
  ASSERT_EQ(n, 1);
  Fill("B", 1);
  ASSERT_EQ(dbase_schreiben(1), 1);  // someone took slot 1 meanwhile
  Fill("A", 2);
  EXPECT_EQ(dbase_neuschreiben(n), 1);
  EXPECT_EQ(n, 4);
  ASSERT_EQ(dbase_lesen(1), 1);
  EXPECT_EQ(dbase_trAnsi(0), "B");
  ASSERT_EQ(dbase_lesen(4), 1);
  EXPECT_EQ(dbase_trAnsi(0), "A");
  EXPECT_EQ(dbase_anzahldatensaetze, 6u);
}

// No deleted slot after n: the end of the file as it is now, also when n lies beyond it or
// another copy appended since the count was read.
TEST_F(NewRecordTest, AppendsWhenNoDeletedSlotIsLeft) {
  std::string path = Open(WithDeleted(3, {}));
  long n = dbase_freiersatz();
  ASSERT_EQ(n, 3);
  Fill("A", 1);
  EXPECT_EQ(dbase_neuschreiben(n), 1);
  EXPECT_EQ(n, 3);
  long far = 40;
  Fill("B", 2);
  EXPECT_EQ(dbase_neuschreiben(far), 1);
  EXPECT_EQ(far, 4);
  EXPECT_EQ(dbase_anzahldatensaetze, 5u);
  DbfFile file = TwoFields();
  EXPECT_EQ(ReadBytes(path).size(), file.HeaderLength() + 5u * file.RecordLength());
}

TEST_F(NewRecordTest, RefusesWithoutATable) {
  long n = 0;
  EXPECT_EQ(dbase_neuschreiben(n), 0);
  Open(WithDeleted(1, {}));
  n = -1;
  EXPECT_EQ(dbase_neuschreiben(n), 0);
}

constexpr int kEach = 150;
constexpr int kDeleted = 100;

// Creates kEach records marked `who`, each starting from the free slot it finds, as the
// entry form does; 0 when all were written.
int Create(const std::string& path, char who) {
  if (dbase_open(path) != 1) return 2;
  for (int i = 0; i < kEach; ++i) {
    long n = dbase_freiersatz();
    Fill(std::string(1, who), i);
    if (dbase_neuschreiben(n) != 1) return 1;
  }
  return 0;
}

TEST_F(NewRecordTest, TwoCopiesCreatingAtOnceKeepEveryRecord) {
  std::set<int> deleted;
  for (int n = 0; n < 2 * kDeleted; n += 2) deleted.insert(n);
  std::string path = dir / "teile.dbf";
  WithDeleted(2 * kDeleted, deleted).Write(path);
  for (int code : RunCopiesAtOnce(2, [&](int k) { return Create(path, "AB"[k]); }))
    EXPECT_EQ(code, 0);

  ASSERT_EQ(dbase_open(path), 1);
  // The deleted slots were filled first, then the rest appended.
  EXPECT_EQ(dbase_anzahldatensaetze, 2u * kDeleted + 2u * kEach - kDeleted);
  std::set<std::string> created;
  for (long n = 0; n < static_cast<long>(dbase_anzahldatensaetze); ++n) {
    ASSERT_EQ(dbase_lesen(n), 1) << n;
    if (dbase_trAnsi(0) != "X") created.insert(dbase_trAnsi(0) + dbase_trAnsi(1));
  }
  EXPECT_EQ(created.size(), 2u * kEach);
}

}  // namespace
