// Several people sharing one table and lock folder, each running the program under their own
// account and umask: every user reads every lock and may take the folder's guard, so no lock
// of one user is taken for absent by another; and a user who leaves a message open holds up
// nobody else's locks.
#include <sys/stat.h>

#include <filesystem>

#include "tests/engine/LockFolder.h"
#include "tests/engine/OtherCopy.h"

namespace {

class LockUsersTest : public LockFolderTest {
 protected:
  void SetUp() override {
    LockFolderTest::SetUp();
    ShareFolder(dir.Path(), Folder());
  }
  static mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 0777;
  }
  std::string Guard() const { return Folder() + "/" + DbaseLockGuard::kFileName; }
};

// Anna, under a private umask, replaces yesterday's lock and so makes the guard; Bert, another
// account, is refused her record, and gets it once she gives it back.
TEST_F(LockUsersTest, TwoUsersNeverHoldOneRecord) {
  SKIP_WITHOUT_OTHER_USERS();
  WriteBytes(LockFile(7), Typed("Carl") + Typed("01.01.2000"));
  OtherCopy anna(Base(), 7, "Anna", {.user = kPrivateUser});
  ASSERT_EQ(anna.Result(), 0);
  EXPECT_EQ(ModeOf(LockFile(7)), 0644u);
  EXPECT_EQ(ModeOf(Guard()), 0666u);

  OtherCopy bert(Base(), 7, "Bert", {.user = kSecondUser});
  EXPECT_EQ(bert.Result(), -1);
  EXPECT_EQ(bert.Release(), 2);
  bert.Leave();

  // A fresh lock, written under the private umask, is as readable.
  OtherCopy annaAgain(Base(), 8, "Anna", {.user = kPrivateUser});
  ASSERT_EQ(annaAgain.Result(), 0);
  EXPECT_EQ(ModeOf(LockFile(8)), 0644u);
  OtherCopy bertAgain(Base(), 8, "Bert", {.user = kSecondUser});
  EXPECT_EQ(bertAgain.Result(), -1);

  EXPECT_EQ(anna.Release(), 0);
  OtherCopy bertLater(Base(), 7, "Bert", {.user = kSecondUser});
  EXPECT_EQ(bertLater.Result(), 0);
  EXPECT_EQ(bertLater.Release(), 0);
}

// A guard left by an older copy that another user may not open for writing stops the locks
// that need it, with the reason; nothing goes on unguarded.
TEST_F(LockUsersTest, AGuardOtherUsersCannotWriteRefusesTheLock) {
  SKIP_WITHOUT_OTHER_USERS();
  WriteBytes(Guard(), "");
  std::filesystem::permissions(Guard(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  WriteBytes(LockFile(7), Typed("Carl") + Typed("01.01.2000"));
  OtherCopy bert(Base(), 7, "Bert", {.user = kSecondUser});
  EXPECT_EQ(bert.Result(), -1);
  EXPECT_EQ(ReadBytes(LockFile(7)), Typed("Carl") + Typed("01.01.2000"));
}

// A lock Bert may not read (a foreign file, or one an older copy wrote under a private umask)
// may be a valid lock of another: he is refused that record, and the file stays as it was.
TEST_F(LockUsersTest, ALockAUserCannotReadIsRefusedNotReplaced) {
  SKIP_WITHOUT_OTHER_USERS();
  WriteBytes(LockFile(7), Typed("Anna") + Typed(Today()));
  std::filesystem::permissions(LockFile(7), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  OtherCopy bert(Base(), 7, "Bert", {.user = kSecondUser});
  EXPECT_EQ(bert.Result(), -1);
  EXPECT_EQ(bert.Release(), 2);
  EXPECT_EQ(ReadBytes(LockFile(7)), Typed("Anna") + Typed(Today()));
  EXPECT_EQ(ModeOf(LockFile(7)), 0600u);
}

// A guard an older copy left under a usual umask (another user's, readable to all) still
// guards where the file system locks files open for reading: the record is locked as ever.
TEST_F(LockUsersTest, AGuardOtherUsersMayOnlyReadStillGuards) {
  SKIP_WITHOUT_OTHER_USERS();
  WriteBytes(Guard(), "");
  std::filesystem::permissions(Guard(), std::filesystem::perms::owner_read |
                                            std::filesystem::perms::owner_write |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
  WriteBytes(LockFile(7), Typed("Carl") + Typed("01.01.2000"));
  OtherCopy bert(Base(), 7, "Bert", {.user = kSecondUser});
  EXPECT_EQ(bert.Result(), 0);
  EXPECT_EQ(bert.Release(), 0);
  EXPECT_EQ(ModeOf(Guard()), 0644u);
}

// Bert is told that Anna holds the record and has not yet clicked OK; meanwhile Carl gives
// back another record's lock at once.
TEST_F(LockUsersTest, AnOpenMessageHoldsUpNoOtherCopy) {
  SKIP_WITHOUT_OTHER_USERS();
  OtherCopy anna(Base(), 3, "Anna", {.user = kPrivateUser});
  ASSERT_EQ(anna.Result(), 0);
  OtherCopy bert(Base(), 3, "Bert", {.user = kSecondUser, .holdMessages = true});
  ASSERT_TRUE(bert.ShowsMessage());

  ASSERT_EQ(dbase_sperren(Base(), 4, "Carl"), 0);
  EXPECT_EQ(dbase_entsperren(Base(), 4, "Carl"), 0);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_FALSE(std::filesystem::exists(LockFile(4)));

  bert.GoOn();
  EXPECT_EQ(bert.Result(), -1);
  EXPECT_EQ(anna.Release(), 0);
}

}  // namespace
