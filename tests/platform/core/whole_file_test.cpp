// The one way files are replaced: whole or not at all, with the folder left as it was after
// any failure.
#include "platform/core/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "full_disk.h"
#include "platform/core/file_bytes.h"
#include "temp_folder.h"

namespace {

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

const std::string kOld = "the last good file\r\n";

// Until the commit the bytes go to a file of their own beside the target; the target then
// holds them, keeps its permissions and is reached through a link that stays a link.
TEST(WholeFileTest, ReplacesTheTargetOnlyAtTheCommit) {
  TempFolder dir;
  const std::string target = dir / "liste.csv";
  WriteBytes(target, kOld);
  ::chmod(target.c_str(), 0640);
  std::filesystem::create_symlink("liste.csv", dir / "link.csv");
  TWholeFile file(dir / "link.csv");
  ASSERT_TRUE(file.Ok());
  EXPECT_EQ(std::filesystem::path(file.Name()).parent_path(), dir.Path());
  EXPECT_TRUE(file.Write("new "));
  std::fputs("bytes", file.Stream());
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_TRUE(file.Commit());
  EXPECT_EQ(ReadBytes(target), "new bytes");
  EXPECT_EQ(ModeOf(target), 0640u);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
  EXPECT_EQ(Names(dir.Path()), (std::set<std::string>{"liste.csv", "link.csv"}));
}

TEST(WholeFileTest, ANewFileTakesThePermissionsTheUserGivesNewFiles) {
  TempFolder dir;
  const mode_t mask = ::umask(022);
  EXPECT_TRUE(WriteFileBytes(dir / "neu.txt", "x"));
  ::umask(mask);
  EXPECT_EQ(ModeOf(dir / "neu.txt"), 0644u);
}

// A writer that gives up, or a folder that does not exist, leaves nothing behind.
TEST(WholeFileTest, AnUncommittedFileGoes) {
  TempFolder dir;
  WriteBytes(dir / "a.txt", kOld);
  {
    TWholeFile file(dir / "a.txt");
    file.Write("half");
    EXPECT_EQ(Names(dir.Path()).size(), 2u);
  }
  EXPECT_EQ(ReadBytes(dir / "a.txt"), kOld);
  EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"a.txt"});

  TWholeFile nowhere(dir / "fehlt/a.txt");
  EXPECT_FALSE(nowhere.Ok());
  EXPECT_EQ(nowhere.Error(), ENOENT);
  EXPECT_EQ(nowhere.Stream(), nullptr);
  EXPECT_FALSE(nowhere.Write("x"));
  EXPECT_FALSE(nowhere.Commit());
}

// A disk that fills up in the middle of the writing: the target keeps its bytes, the
// temporary file and the room it took are gone.
TEST(WholeFileTest, ADiskFullMidwayKeepsTheOldFile) {
  FullDisk disk("64k");
  SKIP_WITHOUT_FULL_DISK(disk);
  WriteBytes(disk / "a.bin", kOld);
  TWholeFile file(disk / "a.bin");
  const std::string block(4096, 'x');
  int written = 0;
  while (written < 64 && file.Write(block)) ++written;
  EXPECT_GT(written, 0);
  EXPECT_FALSE(file.Commit());
  EXPECT_EQ(file.Error(), ENOSPC);
  EXPECT_EQ(ReadBytes(disk / "a.bin"), kOld);
  EXPECT_EQ(Names(disk.Path()), std::set<std::string>{"a.bin"});
  EXPECT_TRUE(WriteFileBytes(disk / "b.bin", std::string(32 * 1024, 'y')));

  disk.Fill();
  EXPECT_FALSE(WriteFileBytes(disk / "a.bin", "z"));
  EXPECT_EQ(ReadBytes(disk / "a.bin"), kOld);
}

// A device cannot be replaced by a rename: it is written in place and stays a device.
TEST(WholeFileTest, ADeviceIsWrittenInPlace) {
  TWholeFile sink("/dev/null");
  EXPECT_TRUE(sink.Write("bytes"));
  EXPECT_TRUE(sink.Commit());
  TWholeFile full("/dev/full");
  full.Write("bytes");
  EXPECT_FALSE(full.Commit());
  EXPECT_EQ(full.Error(), ENOSPC);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
