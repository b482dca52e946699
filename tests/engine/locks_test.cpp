// Record locks: their file names, who may take and release them, damaged lock files, locks
// that cannot be written, and two running copies taking one lock at the same moment.
#include <fcntl.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/core/datetime.h"
#include "engine/DbaseRunningCopy.h"
#include "platform/core/username.h"
#include "tests/engine/Copies.h"
#include "full_disk.h"
#include "tests/engine/LockFolder.h"
#include "tests/engine/OtherCopy.h"

namespace {

const std::string kRefusedAnna =
    "Der aufgerufene Datensatz ist gesperrt durch Bediener 'Anna' - \xC4nderung derzeit nicht m\xF6glich";

using LocksTest = LockFolderTest;

TEST_F(LocksTest, LockFileNamesCutTheBaseAtItsFirstLowerCaseDbf) {
  EXPECT_EQ(DbaseLockFileName("/srv/sperren/daten/teile.dbf", 12), "/srv/sperren/daten/teile_12.dsp");
  EXPECT_EQ(DbaseLockFileName("S:\\sperren\\TEILE.DBF", 12), "_12.dsp");
  EXPECT_EQ(DbaseLockFileName("teile", 0), "_0.dsp");
  EXPECT_EQ(DbaseLockFileName("a.dbf/b.dbf", 3), "a_3.dsp");
}

TEST_F(LocksTest, BackslashesSeparateFoldersOfTheLockBase) {
  std::string base = dir.Path() + "\\sperren\\daten\\teile.dbf";
  EXPECT_EQ(dbase_sperren(base, 3, "Anna"), 0);
  EXPECT_TRUE(std::filesystem::exists(LockFile(3)));
  EXPECT_EQ(dbase_entsperren(base, 3, "Anna"), 0);
  EXPECT_FALSE(std::filesystem::exists(LockFile(3)));
}

TEST_F(LocksTest, TheOperatorIsTheUserRunningTheProgram) {
  dbase_bedienerholen();
  char name[256];
  unsigned long size = sizeof name;
  ASSERT_TRUE(GetUserNameA(name, &size));
  EXPECT_EQ(dbase_bediener, name);
}

TEST_F(LocksTest, WithLockingOffNothingIsWritten) {
  dbm_sperren = 0;
  EXPECT_EQ(dbase_sperren(Base(), 1, "Anna"), 1);
  EXPECT_EQ(dbase_entsperren(Base(), 1, "Anna"), 1);
  EXPECT_TRUE(std::filesystem::is_empty(Folder()));
}

TEST_F(LocksTest, AnOperatorTakesRetakesAndReleasesALock) {
  EXPECT_EQ(dbase_sperren(Base(), 12, "Anna"), 0);
  EXPECT_EQ(ReadBytes(LockFile(12)), Written("Anna", Today()));
  EXPECT_EQ(dbase_sperren(Base(), 12, "Anna"), 0);  // an own lock is taken again
  EXPECT_EQ(dbase_gesperrt, 0);
  EXPECT_EQ(FilesInLockFolder(), std::vector<std::string>{"teile_12.dsp"});
  EXPECT_EQ(dbase_entsperren(Base(), 12, "Anna"), 0);
  EXPECT_TRUE(FilesInLockFolder().empty());
  EXPECT_EQ(dbase_entsperren(Base(), 12, "Anna"), -1);
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(LocksTest, AnotherOperatorsLockBindsForTheDayItWasTaken) {
  WriteBytes(LockFile(5), Typed("Anna") + Typed("01.01.2000"));
  EXPECT_EQ(dbase_sperren(Base(), 5, "Bert"), 0);  // yesterday's lock is overwritten silently
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(ReadBytes(LockFile(5)), Written("Bert", Today()));

  WriteBytes(LockFile(5), Typed("Anna") + Typed(Today()));
  EXPECT_EQ(dbase_sperren(Base(), 5, "Bert"), -1);
  EXPECT_EQ(dbase_gesperrt, 1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{kRefusedAnna});
  EXPECT_EQ(dbase_entsperren(Base(), 5, "Bert"), 2);
  EXPECT_EQ(ReadBytes(LockFile(5)), Typed("Anna") + Typed(Today()));
}

// Under a clock set to 5 March 2013 at noon, Anna's lock holds Bert off until the next day.
TEST_F(LocksTest, ALockExpiresWithItsDay) {
  TDateTime now = EncodeDate(2013, 3, 5) + 0.5;
  TClockScope clock([&] { return now; });
  EXPECT_EQ(dbase_sperren(Base(), 3, "Anna"), 0);
  EXPECT_EQ(ReadBytes(LockFile(3)), Written("Anna", "05.03.2013"));
  now += 0.49;  // 23:45 the same day
  EXPECT_EQ(dbase_sperren(Base(), 3, "Bert"), -1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{kRefusedAnna});
  now += 0.02;  // past midnight
  EXPECT_EQ(dbase_sperren(Base(), 3, "Bert"), 0);
  EXPECT_EQ(ReadBytes(LockFile(3)), Written("Bert", "06.03.2013"));
  EXPECT_EQ(log.texts.size(), 1u);
}

TEST_F(LocksTest, DamagedLockFilesNeverBlockOrCrash) {
  // Cut inside the name, and a name whose stored length runs past the end of the file.
  for (std::string bytes : {Typed("Anna").substr(0, 3), std::string("S\xFF\xFF\0\0Anna", 9), std::string()}) {
    WriteBytes(LockFile(8), bytes);
    EXPECT_EQ(dbase_sperren(Base(), 8, "Bert"), 0);
    EXPECT_EQ(ReadBytes(LockFile(8)), Written("Bert", Today()));
  }
  EXPECT_TRUE(log.texts.empty());
  EXPECT_EQ(FilesInLockFolder(), std::vector<std::string>{"teile_8.dsp"});
}

// A lock that cannot be written protects nothing: the record is refused as one another
// operator holds, with the reason, and a later release removes nothing.
TEST_F(LocksTest, ALockThatCannotBeWrittenIsRefused) {
  const std::string missing = dir / "fehlt/teile.dbf";
  EXPECT_EQ(dbase_sperren(missing, 8, "Bert"), -1);
  EXPECT_EQ(dbase_gesperrt, 1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Der aufgerufene Datensatz kann nicht gesperrt werden: " +
                                               dir / "fehlt/teile_8.dsp" +
                                               ": Pfad/Datei nicht gefunden - \xC4nderung derzeit nicht m\xF6glich"});
  EXPECT_EQ(dbase_entsperren(missing, 8, "Bert"), 2);

  FullDisk disk;
  SKIP_WITHOUT_FULL_DISK(disk);
  const std::string base = disk / "teile.dbf";
  ASSERT_EQ(dbase_sperren(base, 3, "Anna"), 0);  // held before the disk filled up
  disk.Fill();
  log.texts.clear();
  EXPECT_EQ(dbase_sperren(base, 4, "Bert"), -1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Der aufgerufene Datensatz kann nicht gesperrt werden: " +
                                               disk / "teile_4.dsp" +
                                               ": Datentr\xE4ger ist voll - \xC4nderung derzeit nicht m\xF6glich"});
  EXPECT_EQ(dbase_entsperren(base, 4, "Bert"), 2);
  // Not even the operator's own lock is taken again: it could not be written.
  EXPECT_EQ(dbase_sperren(base, 3, "Anna"), -1);
  EXPECT_EQ(dbase_gesperrt, 1);
  EXPECT_EQ(ReadBytes(disk / "teile_3.dsp"), Written("Anna", Today()));
  std::vector<std::string> left;
  for (const auto& file : std::filesystem::directory_iterator(disk.Path()))
    left.push_back(file.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{".filler", "teile_3.dsp"}));

  disk.Free();
  EXPECT_EQ(dbase_sperren(base, 4, "Bert"), 0);
  EXPECT_EQ(ReadBytes(disk / "teile_4.dsp"), Written("Bert", Today()));
}

// Two running copies, operators Anna and Bert, take the same record's lock in turns as fast
// as they can. After each grant a copy marks the record as being edited, which fails when the
// other copy is editing it too; then it releases the lock, or lets it expire by putting a
// lock of another day in its place.
constexpr int kRounds = 400;
enum Outcome { kSound = 0, kBothHeldIt = 1, kNeverGotIt = 2 };

void Expire(const std::string& lock) {
  std::string old = lock + ".gestern";
  WriteBytes(old, Typed("Carl") + Typed("01.01.2000"));
  std::rename(old.c_str(), lock.c_str());
}

Outcome TakeInTurns(const std::string& base, const std::string& lock, const std::string& editing,
                    const char* bediener) {
  int granted = 0;
  bool both = false;
  for (int round = 0; round < kRounds; ++round) {
    if (dbase_sperren(base, 7, bediener) != 0) continue;
    ++granted;
    int mark = open(editing.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
    if (mark < 0) {
      both = true;
      continue;
    }
    usleep(50);
    close(mark);
    unlink(editing.c_str());
    if (round % 2 == 0) {
      dbase_entsperren(base, 7, bediener);
    } else {
      Expire(lock);
    }
  }
  return both ? kBothHeldIt : granted == 0 ? kNeverGotIt : kSound;
}

TEST_F(LocksTest, TwoCopiesNeverHoldOneLockAtOnce) {
  Expire(LockFile(7));
  const char* bediener[] = {"Anna", "Bert"};
  for (int code : RunCopiesAtOnce(2, [&](int k) {
         return TakeInTurns(Base(), LockFile(7), dir / "in-bearbeitung", bediener[k]);
       }))
    EXPECT_EQ(code, kSound);
  EXPECT_LE(FilesInLockFolder().size(), 1u);  // no half-made lock files are left
}

const std::string kRefusedWerkstatt =
    "Der aufgerufene Datensatz ist gesperrt durch Bediener 'werkstatt' - \xC4nderung derzeit nicht m\xF6glich";

// One login on a shared workshop machine runs the program twice: the second copy is refused the
// record the first one edits, keeps its hands off the first copy's lock file, and takes the lock
// over once the first copy has ended without giving it back.
TEST_F(LocksTest, TheSameOperatorInTwoRunningCopiesIsRefused) {
  OtherCopy first(Base(), 4, "werkstatt");
  ASSERT_EQ(first.Result(), 0);
  const std::string held = ReadBytes(LockFile(4));
  EXPECT_EQ(held.substr(0, (Typed("werkstatt") + Typed(Today())).size()),
            Typed("werkstatt") + Typed(Today()));  // what older readers take is as it was

  EXPECT_EQ(dbase_sperren(Base(), 4, "werkstatt"), -1);
  EXPECT_EQ(dbase_gesperrt, 1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{kRefusedWerkstatt});
  EXPECT_EQ(dbase_entsperren(Base(), 4, "werkstatt"), 2);
  EXPECT_EQ(ReadBytes(LockFile(4)), held);

  first.Leave();
  EXPECT_EQ(dbase_sperren(Base(), 4, "werkstatt"), 0);  // its process is gone: the lock is stale
  EXPECT_EQ(dbase_gesperrt, 0);
  EXPECT_EQ(ReadBytes(LockFile(4)), Written("werkstatt", Today()));
  EXPECT_EQ(log.texts.size(), 1u);
}

// Locks of the same operator named by other copies: only a copy of this host whose process is
// known to have ended gives its lock up; a copy that cannot be checked still holds it.
TEST_F(LocksTest, ALockOfTheSameOperatorIsStaleOnlyWhenItsProcessIsKnownToHaveEnded) {
  const std::string copy = DbaseThisCopy();
  const std::string host = copy.substr(0, copy.find(' '));
  pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  struct Case {
    std::string kopie;
    int result;
  } cases[] = {
      {"", 0},                                                  // written before copies were named
      {host + " " + std::to_string(ended) + " 0", 0},          // ended
      {host + " " + std::to_string(getpid()) + " 1", 0},       // its id now runs another process
      {"werkbank-2 " + std::to_string(getpid()) + " 0", -1},  // another host: cannot be checked
      {"unlesbar", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kopie);
    WriteBytes(LockFile(6), Typed("werkstatt") + Typed(Today()) + Typed(c.kopie));
    EXPECT_EQ(dbase_sperren(Base(), 6, "werkstatt"), c.result);
    EXPECT_EQ(dbase_gesperrt, c.result == 0 ? 0 : 1);
  }
}

}  // namespace
