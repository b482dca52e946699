#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "platform/core/files.h"
#include "temp_folder.h"

namespace {

struct Found {
  AnsiString name;
  int attr;
  int64_t size;
};

std::vector<Found> Search(const AnsiString& pattern, int attributes) {
  std::vector<Found> found;
  TSearchRec rec;
  for (int r = FindFirst(pattern, attributes, rec); r == 0; r = FindNext(rec))
    found.push_back({rec.Name, rec.Attr, rec.Size});
  FindClose(rec);
  return found;
}

std::vector<AnsiString> Names(const std::vector<Found>& found) {
  std::vector<AnsiString> names;
  for (const Found& f : found) names.push_back(f.name);
  return names;
}

// The folder's own listing order, filtered to the given names.
std::vector<AnsiString> InFolderOrder(const std::string& folder, std::vector<AnsiString> wanted) {
  std::vector<AnsiString> names;
  DIR* dir = opendir(folder.c_str());
  while (dirent* e = readdir(dir))
    if (std::find(wanted.begin(), wanted.end(), e->d_name) != wanted.end())
      names.push_back(e->d_name);
  closedir(dir);
  return names;
}

class FolderSearch : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b.dba", "A.DBA", "c.txt", ".hidden.dba", "ab.dba", "x.dbax"})
      WriteBytes(folder / name, name);
    std::filesystem::create_directory(folder / "sub.dba");
  }
  TempFolder folder;
};

TEST_F(FolderSearch, FindsMatchingFilesInTheFoldersOrder) {
  std::vector<Found> found = Search(folder.Path() + "/*.dba", 0);
  EXPECT_EQ(Names(found), InFolderOrder(folder.Path(), {"b.dba", "A.DBA", "ab.dba"}));
  for (const Found& f : found) {
    EXPECT_EQ(f.attr, faArchive);
    EXPECT_EQ(f.size, static_cast<int64_t>(f.name.size()));
  }
  EXPECT_EQ(Names(Search(folder.Path() + "\\?.dba", 0)),
            InFolderOrder(folder.Path(), {"b.dba", "A.DBA"}));
  EXPECT_EQ(Search(folder.Path() + "/*.*", 0).size(), 5u);
}

TEST_F(FolderSearch, FoldersAndHiddenFilesOnlyWhenAsked) {
  std::vector<Found> all = Search(folder.Path() + "/*.dba", faAnyFile);
  EXPECT_EQ(Names(all),
            InFolderOrder(folder.Path(), {"b.dba", "A.DBA", ".hidden.dba", "ab.dba", "sub.dba"}));
  for (const Found& f : all) {
    int expected = f.name == "sub.dba" ? faDirectory
                   : f.name == ".hidden.dba" ? faArchive | faHidden
                                             : faArchive;
    EXPECT_EQ(f.attr, expected) << f.name;
  }
  EXPECT_EQ(Names(Search(folder.Path() + "/s*", faDirectory)), std::vector<AnsiString>{"sub.dba"});
}

TEST_F(FolderSearch, NothingFoundIsAFailure) {
  TSearchRec rec;
  EXPECT_NE(FindFirst(folder.Path() + "/*.xyz", 0, rec), 0);
  EXPECT_NE(FindFirst(folder.Path() + "/missing/*.dba", 0, rec), 0);
  EXPECT_NE(FindNext(rec), 0);
  ASSERT_EQ(FindFirst(folder.Path() + "/c.txt", 0, rec), 0);
  EXPECT_NE(FindNext(rec), 0);
  EXPECT_NE(FindNext(rec), 0);
  FindClose(rec);
}

TEST_F(FolderSearch, TimeIsTheLocalDosDateAndTime) {
  std::tm t{};
  t.tm_year = 2003 - 1900, t.tm_mon = 0, t.tm_mday = 31, t.tm_hour = 12, t.tm_min = 34,
  t.tm_sec = 56, t.tm_isdst = -1;
  utimbuf times{std::mktime(&t), std::mktime(&t)};
  ASSERT_EQ(utime((folder / "c.txt").c_str(), &times), 0);
  TSearchRec rec;
  ASSERT_EQ(FindFirst(folder / "c.txt", 0, rec), 0);
  EXPECT_EQ(rec.Time, (23 << 25) | (1 << 21) | (31 << 16) | (12 << 11) | (34 << 5) | 28);
  FindClose(rec);
}

TEST(FileNames, EitherSeparatorSplitsTheName) {
  EXPECT_EQ(ExtractFilePath("C:\\data\\parts.dbf"), "C:\\data\\");
  EXPECT_EQ(ExtractFilePath("data/sub\\parts.dbf"), "data/sub\\");
  EXPECT_EQ(ExtractFileName("data\\parts.dbf"), "parts.dbf");
  EXPECT_EQ(ExtractFileExt("data.old/parts.dbf"), ".dbf");
  EXPECT_EQ(ExtractFileExt("data.old\\parts"), "");
  EXPECT_EQ(ChangeFileExt("a/parts.dbf", ".dbt"), "a/parts.dbt");
  EXPECT_EQ(ChangeFileExt("a.b\\parts", ".ini"), "a.b\\parts.ini");
  EXPECT_EQ(IncludeTrailingPathDelimiter("data"), "data/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("data\\"), "data\\");
  EXPECT_EQ(GetCurrentDir(), std::filesystem::current_path().string());
}

TEST(FileOperations, ExistDeleteAndRenameWithoutOverwriting) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "A");
  WriteBytes(folder / "b.txt", "B");
  EXPECT_TRUE(FileExists(folder.Path() + "\\a.txt"));
  EXPECT_FALSE(FileExists(folder.Path()));
  EXPECT_FALSE(RenameFile(folder / "a.txt", folder / "b.txt"));
  EXPECT_EQ(ReadBytes(folder / "b.txt"), "B");
  EXPECT_TRUE(RenameFile(folder / "a.txt", folder.Path() + "\\c.txt"));
  EXPECT_FALSE(FileExists(folder / "a.txt"));
  EXPECT_EQ(ReadBytes(folder / "c.txt"), "A");
  EXPECT_TRUE(DeleteFile(folder / "c.txt"));
  EXPECT_FALSE(DeleteFile(folder / "c.txt"));
  EXPECT_TRUE(ForceDirectories(folder.Path() + "\\x\\y/z"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "x/y/z"));
}

}  // namespace
