// What anyone who shares the lock folder may put at a lock's name or at its guard's: a link to
// the table or elsewhere, a dangling link, a pipe, a folder, a huge file. The record is refused
// with a message that names the entry, nothing the entry points to is touched, the entry stays
// for its owner to remove, and every attempt is answered at once.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/engine/LockFolder.h"

namespace {

// Ends the test process should an attempt hang, so a hang fails instead of stalling the run.
class Deadline {
 public:
  Deadline() { ::alarm(30); }
  ~Deadline() { ::alarm(0); }
};

const std::string kGiveUp = " - \xC4nderung derzeit nicht m\xF6glich";

class LockFolderEntriesTest : public LockFolderTest {
 protected:
  void SetUp() override {
    LockFolderTest::SetUp();
    WriteBytes(Table(), kTableBytes);
    WriteBytes(Outside(), "fremde Datei");
  }
  std::string Table() const { return dir / "sperren/teile.dbf"; }
  std::string Outside() const { return dir / "anderswo.txt"; }
  std::string Refusal(const std::string& path, const std::string& why) const {
    return "Der aufgerufene Datensatz kann nicht gesperrt werden: " + path + ": " + why + kGiveUp;
  }
  // Asks for record 5 and gives it back: refused with the one message, and the entry kept.
  void ExpectRefused(const std::string& path, const std::string& why) {
    log.texts.clear();
    {
      Deadline deadline;
      EXPECT_EQ(dbase_sperren(Base(), 5, "Bert"), -1);
      EXPECT_EQ(dbase_gesperrt, 1);
      EXPECT_EQ(dbase_entsperren(Base(), 5, "Bert"), 2);
    }
    EXPECT_EQ(log.texts, std::vector<AnsiString>{Refusal(path, why)});
    EXPECT_EQ(ReadBytes(Table()), kTableBytes);
    EXPECT_EQ(ReadBytes(Outside()), "fremde Datei");
  }

  const std::string kTableBytes = std::string("\x03\x7C\x0C\x08", 4) + std::string(300, 'T');
  const std::string kNotAFile = "keine gew\xF6hnliche Datei - bitte entfernen";
};

TEST_F(LockFolderEntriesTest, EntriesThatAreNoFileAreRefusedAndLeftAlone) {
  namespace fs = std::filesystem;
  fs::create_symlink("../teile.dbf", LockFile(5));
  ExpectRefused(LockFile(5), kNotAFile);
  EXPECT_TRUE(fs::is_symlink(LockFile(5)));
  fs::remove(LockFile(5));

  fs::create_symlink(Outside(), LockFile(5));
  ExpectRefused(LockFile(5), kNotAFile);
  fs::remove(LockFile(5));

  fs::create_symlink(dir / "nirgends.dsp", LockFile(5));
  ExpectRefused(LockFile(5), kNotAFile);
  EXPECT_FALSE(fs::exists(dir / "nirgends.dsp"));
  fs::remove(LockFile(5));

  ASSERT_EQ(::mkfifo(LockFile(5).c_str(), 0666), 0);
  ExpectRefused(LockFile(5), kNotAFile);
  EXPECT_TRUE(fs::is_fifo(LockFile(5)));
  fs::remove(LockFile(5));

  fs::create_directory(LockFile(5));
  ExpectRefused(LockFile(5), kNotAFile);
  EXPECT_TRUE(fs::is_directory(LockFile(5)));
  fs::remove(LockFile(5));

  // Once the entry is gone the record is locked as ever.
  EXPECT_EQ(dbase_sperren(Base(), 5, "Bert"), 0);
  EXPECT_EQ(ReadBytes(LockFile(5)), Written("Bert", Today()));
  EXPECT_EQ(dbase_entsperren(Base(), 5, "Bert"), 0);
  EXPECT_TRUE(FilesInLockFolder().empty());
}

// A 4 GB sparse file at the lock's name is read no further than any lock reaches.
TEST_F(LockFolderEntriesTest, AHugeLockFileIsDamagedAndNotReadWhole) {
  WriteBytes(LockFile(5), Typed("Anna") + Typed("01.01.2000"));
  std::filesystem::resize_file(LockFile(5), 4ull << 30);
  ExpectRefused(LockFile(5), "Sperrdatei besch\xE4""digt - bitte entfernen");
  EXPECT_EQ(std::filesystem::file_size(LockFile(5)), 4ull << 30);

  // A lock of the longest texts a lock holds is read as ever.
  WriteBytes(LockFile(5), Typed(std::string(3000, 'A')) + Typed("01.01.2000"));
  EXPECT_EQ(dbase_sperren(Base(), 5, "Bert"), 0);
}

// A guard that is a link is not followed: nothing is made at its target, and the locks that
// need the guard are refused, naming it.
TEST_F(LockFolderEntriesTest, AGuardThatIsALinkIsNeitherFollowedNorPassed) {
  namespace fs = std::filesystem;
  const std::string guard = Folder() + "/" + DbaseLockGuard::kFileName;
  fs::create_symlink(dir / "wache-ziel", guard);
  ASSERT_EQ(dbase_sperren(Base(), 6, "Bert"), 0);  // a new lock needs no guard
  EXPECT_EQ(dbase_entsperren(Base(), 6, "Bert"), 2);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Die Sperre des Datensatzes kann nicht aufgehoben werden: " +
                                               guard + ": " + kNotAFile});
  EXPECT_TRUE(fs::exists(LockFile(6)));

  WriteBytes(LockFile(5), Typed("Anna") + Typed("01.01.2000"));
  ExpectRefused(guard, kNotAFile);
  EXPECT_EQ(ReadBytes(LockFile(5)), Typed("Anna") + Typed("01.01.2000"));
  EXPECT_FALSE(fs::exists(dir / "wache-ziel"));
}

}  // namespace
