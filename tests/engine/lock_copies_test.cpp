// Running copies of the program sharing one table and its lock folder: each adds one to a
// counter record under the record's lock, so a lock held by two copies at once shows as a
// lost or twice-written count. Races between copies are forced at the steps of the lock
// attempt; a full disk, a copy that passed midnight and a killed copy's temporary files follow.
#include <fstream>
#include <algorithm>
#include <set>

#include "full_disk.h"
#include "platform/core/datetime.h"
#include "tests/engine/Copies.h"
#include "tests/engine/LockFolder.h"
#include "tests/engine/OtherCopy.h"

namespace {

class LockCopiesTest : public LockFolderTest {
 protected:
  void SetUp() override {
    LockFolderTest::SetUp();
    NewCounter();
  }
  void NewCounter() const {
    DbfFile counter{{{"ZAEHLER", 'N', 8}}};
    counter.Add({"0"});
    counter.Write(Table());
  }
  std::string Table() const { return dir / "zaehler.dbf"; }
  std::string Values(int copy) const { return dir / ("werte-" + std::to_string(copy)); }

  // Copy k adds one to the counter `rounds` times and notes each value it wrote. A copy that
  // is refused waits for its turn; or, `once`, leaves that round out.
  int Count(const std::string& base, int k, int rounds, bool once) {
    if (dbase_open(Table()) != 1) return 10;
    std::ofstream written(Values(k));
    const char* bediener = k % 2 ? "Bert" : "Anna";
    for (int round = 0, refused = 0; round < rounds;) {
      log.texts.clear();
      const int locked = dbase_sperren(base, 0, bediener);
      if (locked == -1 && once) ++round;
      if (locked == -1 && ++refused < 100000) {
        usleep(100);
        continue;
      }
      if (locked != 0) return 11;
      if (dbase_lesen(0) != 1) return 12;
      const long value = std::stol(dbase_trAnsi(0)) + 1;
      dbase_feldschreibenAnsi(std::to_string(value), 0);
      if (dbase_schreiben(0) != 1) return 13;
      // The lock must still be this copy's own.
      if (dbase_entsperren(base, 0, bediener) != 0) return 14;
      written << value << '\n';
      ++round, refused = 0;
    }
    return 0;
  }

  // The values the copies wrote, which must be 1 to the counter, each once.
  std::multiset<long> WrittenValues(int copies) const {
    std::multiset<long> values;
    for (int k = 0; k < copies; ++k) {
      std::ifstream in(Values(k));
      for (long value; in >> value;) values.insert(value);
    }
    return values;
  }
  long Counter() {
    EXPECT_EQ(dbase_open(Table()), 1);
    dbase_lesen(0);
    const long value = std::stol(dbase_trAnsi(0));
    dbase_close();
    return value;
  }
  static std::multiset<long> OneTo(long last) {
    std::multiset<long> values;
    for (long v = 1; v <= last; ++v) values.insert(v);
    return values;
  }

  std::string HolderOf(long n) {
    DbaseLockHolder holder;
    EXPECT_EQ(DbaseReadLock(LockFile(n), holder), DbaseLockRead::Read);
    return holder.bediener;
  }
};

// 2, 3, 4 and 8 copies of two operators: every copy's increments are in the counter, and no
// value was written twice.
TEST_F(LockCopiesTest, ManyCopiesCountingUnderTheLockLoseNothing) {
  constexpr int kIncrements = 960;
  for (int copies : {2, 3, 4, 8}) {
    SCOPED_TRACE(std::to_string(copies) + " copies");
    NewCounter();
    const int each = kIncrements / copies;
    for (int code : RunCopiesAtOnce(copies, [&](int k) { return Count(Base(), k, each, false); }))
      EXPECT_EQ(code, 0);
    EXPECT_EQ(Counter(), copies * each);
    EXPECT_EQ(WrittenValues(copies), OneTo(copies * each));
    EXPECT_TRUE(FilesInLockFolder().empty());
  }
}

// With the lock folder on a full disk no copy gets the lock: none writes, and none believes
// it did. Once there is room again the copies count as before.
TEST_F(LockCopiesTest, OnAFullDiskNoCopyCountsWithoutALock) {
  FullDisk disk;
  SKIP_WITHOUT_FULL_DISK(disk);
  disk.Fill();
  const std::string base = disk / "zaehler.dbf";
  for (int code : RunCopiesAtOnce(2, [&](int k) { return Count(base, k, 50, true); }))
    EXPECT_EQ(code, 0);
  EXPECT_EQ(Counter(), 0);
  EXPECT_TRUE(WrittenValues(2).empty());

  disk.Free();
  for (int code : RunCopiesAtOnce(2, [&](int k) { return Count(base, k, 50, false); }))
    EXPECT_EQ(code, 0);
  EXPECT_EQ(Counter(), 100);
  EXPECT_EQ(WrittenValues(2), OneTo(100));
}

// Bert finds Anna's lock; before he looks at it, Anna gives it back and Carl takes the
// record. Bert is refused by Carl's lock and leaves it where it is.
TEST_F(LockCopiesTest, ALockGivenBackWhileACopyLooksAtItStaysWithItsNextHolder) {
  OtherCopy anna(Base(), 7, "Anna");
  ASSERT_EQ(anna.Result(), 0);
  OtherCopy bert(Base(), 7, "Bert", {.stopAt = DbaseLockStep::Taken});
  ASSERT_TRUE(bert.Stopped());
  EXPECT_EQ(anna.Release(), 0);
  OtherCopy carl(Base(), 7, "Carl");
  ASSERT_EQ(carl.Result(), 0);
  const std::string carlsLock = ReadBytes(LockFile(7));

  bert.GoOn();
  EXPECT_EQ(bert.Result(), -1);
  EXPECT_EQ(ReadBytes(LockFile(7)), carlsLock);
  EXPECT_EQ(dbase_sperren(Base(), 7, "Dora"), -1);
  EXPECT_EQ(HolderOf(7), "Carl");
  EXPECT_EQ(carl.Release(), 0);
  EXPECT_TRUE(FilesInLockFolder().empty());
}

// Anna has judged yesterday's lock stale and is about to replace it; Bert comes in just then
// and waits. Anna gets the record and Bert is refused: he never replaces her fresh lock.
TEST_F(LockCopiesTest, ACopyReplacingAStaleLockKeepsTheOthersOut) {
  WriteBytes(LockFile(7), Typed("Carl") + Typed("01.01.2000"));
  OtherCopy anna(Base(), 7, "Anna", {.stopAt = DbaseLockStep::Judged});
  ASSERT_TRUE(anna.Stopped());
  // Bert is let in once he waits at the guard, so the order does not depend on luck.
  OtherCopy bert(Base(), 7, "Bert", {.stopAt = DbaseLockStep::GuardBusy});
  ASSERT_TRUE(bert.Stopped());
  anna.GoOn();
  EXPECT_EQ(anna.Result(), 0);
  bert.GoOn();
  EXPECT_EQ(bert.Result(), -1);
  EXPECT_EQ(HolderOf(7), "Anna");
  EXPECT_EQ(bert.Release(), 2);  // refused: it removes nothing
  EXPECT_EQ(HolderOf(7), "Anna");
  EXPECT_EQ(anna.Release(), 0);
}

// A copy that keeps the guard (stuck on a slow file system) holds the others up for a moment
// only: they are refused with the reason, and take the lock once it is free again.
TEST_F(LockCopiesTest, AGuardKeptTooLongRefusesTheLockWithTheReason) {
  WriteBytes(LockFile(7), Typed("Carl") + Typed("01.01.2000"));
  OtherCopy anna(Base(), 7, "Anna", {.stopAt = DbaseLockStep::Judged});
  ASSERT_TRUE(anna.Stopped());
  WriteBytes(LockFile(8), Typed("Carl") + Typed("01.01.2000"));
  EXPECT_EQ(dbase_sperren(Base(), 8, "Bert"), -1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Der aufgerufene Datensatz kann nicht gesperrt werden: " +
                                               Folder() + "/sperrwache.lck: Sperrordner belegt - "
                                               "\xC4nderung derzeit nicht m\xF6glich"});
  anna.GoOn();
  EXPECT_EQ(anna.Result(), 0);
  EXPECT_EQ(dbase_sperren(Base(), 8, "Bert"), 0);
  EXPECT_EQ(dbase_entsperren(Base(), 8, "Bert"), 0);
}

// Anna's copy stays open past midnight; Bert takes the record over the next day. When Anna
// gives her lock back it is Bert's, and it stays.
TEST_F(LockCopiesTest, AReleaseRemovesOnlyTheLockOfItsOwnCopy) {
  TDateTime now = EncodeDate(2013, 3, 5) + 0.9;
  TClockScope clock([&] { return now; });
  ASSERT_EQ(dbase_sperren(Base(), 2, "Anna"), 0);
  now += 0.2;
  OtherCopy bert(Base(), 2, "Bert");
  ASSERT_EQ(bert.Result(), 0);
  EXPECT_EQ(dbase_entsperren(Base(), 2, "Anna"), 2);
  EXPECT_EQ(HolderOf(2), "Bert");
  EXPECT_EQ(bert.Release(), 0);
  EXPECT_TRUE(FilesInLockFolder().empty());
}

// A copy killed while it writes its lock leaves its temporary file; the next copy that uses
// the folder removes it. Temporary files of a copy still running, or of another machine,
// stay.
TEST_F(LockCopiesTest, AKilledCopysTemporaryLockIsRemovedWhenTheFolderIsNextUsed) {
  ASSERT_EQ(dbase_sperren(Base(), 1, "Anna"), 0);
  OtherCopy bert(Base(), 1, "Bert", {.stopAt = DbaseLockStep::Taken});
  ASSERT_TRUE(bert.Stopped());
  const std::string bertsCopy = std::to_string(bert.Pid()) + ".";
  bert.Kill();
  std::vector<std::string> left = FilesInLockFolder();
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].rfind(".teile_1.dsp.", 0), 0u);
  EXPECT_NE(left[0].find("." + bertsCopy), std::string::npos);
  EXPECT_EQ(left[0].substr(left[0].size() - 4), ".neu");

  const std::string running = ".teile_5.dsp.ab12CD." + DbaseCopyInFileName(DbaseThisCopy()) + ".neu";
  const std::string elsewhere = ".teile_5.dsp.ab12CD.4242.77@werkbank-2.neu";
  WriteBytes(Folder() + "/" + running, "");
  WriteBytes(Folder() + "/" + elsewhere, "");
  ASSERT_EQ(dbase_sperren(Base(), 9, "Anna"), 0);
  std::vector<std::string> kept{"teile_1.dsp", running, elsewhere, "teile_9.dsp"};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(FilesInLockFolder(), kept);
}

}  // namespace
