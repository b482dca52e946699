// Several running copies adding to the counts of the same few records through the entry
// form, as users do: open the record, type the count shown plus one, press OK. A copy that
// read a record before another copy's save would write the old count plus one over it; the
// form reads under the record's lock, so every addition is kept, once.
#include <fstream>
#include <map>
#include <set>

#include "EntryFormCopies.h"
#include "tests/engine/OtherCopy.h"

namespace {

constexpr int kBusyRecords = 3;  // index positions 0 to 2, all copies at once


class EntryFormCounts : public EntryFormCopies {
 protected:
  static long StoredCount(long n) { return std::stol(Stored(n, kRelayBoards)); }
  std::string Saved(int copy) const { return dir / ("gespeichert-" + std::to_string(copy)); }

  // Copy k adds one `rounds` times, going round the busy records; each count it saved is
  // noted with its record. A record another copy holds is left with "abbrechen" and tried
  // again. Results other than 0 name what went wrong.
  int AddOnes(int k, int rounds) {
    dbase_bediener = "Kopie " + std::to_string(k);
    std::ofstream saved(Saved(k));
    for (int round = 0, refused = 0; round < rounds;) {
      const long position = (k + round) % kBusyRecords;
      log.texts.clear();
      Open(position);
      if (!log.texts.empty()) {  // another copy holds it
        Click(form.btnAbbrechen);
        if (++refused > 100000) return 2;
        usleep(100);
        continue;
      }
      const long count = std::stol(form.edtKalvento_Relaisplat->GetText()) + 1;
      TypeKeys(form.edtKalvento_Relaisplat, std::to_string(count));
      Click(form.btnOK);
      if (!log.texts.empty() || form.GetVisible()) return 3;
      saved << dbase_satznummer << ' ' << count << std::endl;
      ++round, refused = 0;
    }
    return 0;
  }

  // Every count saved is 1 to the record's count, each once, and they add up to every round.
  void ExpectEveryAdditionKept(int copies, int rounds) {
    EXPECT_EQ(RunCopiesAtOnce(copies, [&](int k) { return AddOnes(k, rounds); }),
              std::vector<int>(copies, 0));
    std::map<long, std::multiset<long>> saved;
    for (int k = 0; k < copies; ++k) {
      std::ifstream in(Saved(k));
      for (long record, count; in >> record >> count;) saved[record].insert(count);
    }
    long total = 0;
    for (int position = 0; position < kBusyRecords; ++position) {
      const long record = dbase_indexdsnr(position);
      const long count = StoredCount(record);
      std::multiset<long> oneToCount;
      for (long c = 1; c <= count; ++c) oneToCount.insert(c);
      EXPECT_EQ(saved[record], oneToCount) << "record " << record;
      EXPECT_FALSE(Locked(record));
      total += count;
    }
    EXPECT_EQ(total, long{copies} * rounds);
  }
};

TEST_F(EntryFormCounts, ThreeCopiesLoseAndDoubleNoAddition) { ExpectEveryAdditionKept(3, 40); }

TEST_F(EntryFormCounts, FourCopiesLoseAndDoubleNoAddition) { ExpectEveryAdditionKept(4, 30); }

// Another copy holds record n. When this copy finds the record's lock taken, the other saves
// a new count into it and lets it go, so this copy gets the lock right after that save.
class SaveWhileLockWaited {
 public:
  SaveWhileLockWaited(long n, const AnsiString& count) : other_(DbmLockBase(), n, "Bert") {
    record_ = n;
    count_ = count;
    holder_ = &other_;
    DbaseLockStepHook = Save;
  }
  ~SaveWhileLockWaited() { DbaseLockStepHook = nullptr; }
  bool Held() { return other_.Result() == 0; }

 private:
  static void Save(DbaseLockStep step) {
    if (step != DbaseLockStep::Taken) return;
    DbaseLockStepHook = nullptr;
    if (dbase_lesen(record_) != 1) return;
    dbase_feldschreibenAnsi(count_, kRelayBoards);
    dbase_schreiben(record_);
    holder_->Release();
  }
  static inline OtherCopy* holder_ = nullptr;
  static inline long record_ = 0;
  static inline AnsiString count_;
  OtherCopy other_;
};


// The form shows the count saved while it waited, and adds to it.
TEST_F(EntryFormCounts, ASaveMadeWhileTheFormWaitsForTheLockIsShownAndAddedTo) {
  const long record = dbase_indexdsnr(1);
  Store(record, {{kRelayBoards, "5"}});
  SaveWhileLockWaited other(record, "6");
  ASSERT_TRUE(other.Held());
  Open(1);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(form.edtKalvento_Relaisplat->GetText(), "6");
  TypeKeys(form.edtKalvento_Relaisplat, "7");
  Click(form.btnOK);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(StoredCount(record), 7);
}

// Stepping on is the same: the next record is locked before it is read.
TEST_F(EntryFormCounts, StepsOnToTheRecordAsItIsUnderTheLock) {
  const long record = dbase_indexdsnr(2);
  SaveWhileLockWaited other(record, "9");
  ASSERT_TRUE(other.Held());
  Open(1);
  Click(form.btnVor);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(dbase_satznummer, record);
  EXPECT_EQ(form.edtKalvento_Relaisplat->GetText(), "9");
  EXPECT_TRUE(Locked(record));
  Click(form.btnOK);
  EXPECT_EQ(StoredCount(record), 9);
}

}  // namespace
