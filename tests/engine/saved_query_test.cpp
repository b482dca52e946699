// Saved queries: the file layout, the round trip, another table's query, and damaged files.
#include "full_disk_writers.h"
#include "tests/engine/QueryTest.h"

namespace {

class SavedQueryTest : public QueryTest {
 protected:
  // Every slot and description filled with a text of its own.
  void FillAll() {
    for (int k = 1; k < kDbaseSlots; ++k) Slot(k, "Text " + std::to_string(k) + std::string(k % 15, '+'));
    DbaseSetFixedText(dbase_beschreibung[0], kDbaseDescriptionSize, std::string(79, 'a'));
    DbaseSetFixedText(dbase_beschreibung[1], kDbaseDescriptionSize, "Reichelt-Bestellung");
    dbase_reiter = 7;
  }
  static std::vector<std::string> Slots() {
    std::vector<std::string> texts;
    for (int k = 0; k < kDbaseSlots; ++k) texts.push_back(DbaseSlot(k));
    return texts;
  }
  static std::vector<std::string> Descriptions() {
    return {DbaseFixedText(dbase_beschreibung[0], kDbaseDescriptionSize),
            DbaseFixedText(dbase_beschreibung[1], kDbaseDescriptionSize)};
  }
  static void WipeAll() {
    std::memset(dbase_abfragetext, 'x', sizeof dbase_abfragetext);
    std::memset(dbase_beschreibung, 'x', sizeof dbase_beschreibung);
    dbase_reiter = -5;
  }
};

TEST_F(SavedQueryTest, AFullDiskIsAFailure) {
  FillAll();
  EXPECT_EQ(dbase_abfragespeichern("/dev/full"), -1);
}

// The engine's one file written whole: a failed save keeps the query saved before, and a new
// query file that cannot be written is not left behind empty.
TEST_F(SavedQueryTest, OnAFullDiskTheLastGoodFileStaysAndNoEmptyOneIsLeft) {
  FillAll();
  ExpectFullDiskKeepsOldFiles({
      {"dbase_abfragespeichern", "abfrage.dba", "",
       [](const std::string& path) {
         return testing::AssertionResult(dbase_abfragespeichern(path) == -1);
       }},
  });
  FullDisk disk;
  SKIP_WITHOUT_FULL_DISK(disk);
  disk.Fill();
  EXPECT_EQ(dbase_abfragespeichern(disk / "neu.dba"), -1);
  EXPECT_EQ(FolderNames(disk.Path()), std::set<std::string>{".filler"});
}

TEST_F(SavedQueryTest, WritesSlotsDescriptionsTableAndTab) {
  FillAll();
  std::string path = dir / "abfrage.dba";
  ASSERT_EQ(dbase_abfragespeichern(path), 0);
  std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 560u + 320u + 11u + 9u);
  EXPECT_EQ(bytes.substr(0, 20), std::string(20, '\0'));
  EXPECT_EQ(bytes.substr(20, 20), "Text 1+" + std::string(13, '\0'));
  EXPECT_EQ(bytes.substr(560, 160), std::string(79, 'a') + std::string(81, '\0'));
  EXPECT_EQ(bytes.substr(880), "teile.dbf\r\n" + std::string("i\x04\0\0\0\x07\0\0\0", 9));
}

TEST_F(SavedQueryTest, LoadingGivesBackWhatWasSaved) {
  FillAll();
  std::vector<std::string> slots = Slots();
  std::vector<std::string> descriptions = Descriptions();
  std::string path = dir / "abfrage.dba";
  ASSERT_EQ(dbase_abfragespeichern(path), 0);
  WipeAll();
  EXPECT_EQ(dbase_abfrageladen(path), 0);
  EXPECT_EQ(Slots(), slots);
  EXPECT_EQ(Descriptions(), descriptions);
  EXPECT_EQ(dbase_reiter, 7);
}

TEST_F(SavedQueryTest, AnotherTablesQueryIsLoadedAllTheSame) {
  FillAll();
  std::string path = dir / "abfrage.dba";
  ASSERT_EQ(dbase_abfragespeichern(path), 0);
  std::vector<std::string> slots = Slots();
  dbase_dateiname = "andere.dbf";
  WipeAll();
  EXPECT_EQ(dbase_abfrageladen(path), -1);
  EXPECT_EQ(Slots(), slots);
  EXPECT_EQ(dbase_reiter, 7);
}

TEST_F(SavedQueryTest, AMissingFileChangesNothing) {
  FillAll();
  std::vector<std::string> slots = Slots();
  EXPECT_EQ(dbase_abfrageladen(dir / "fehlt.dba"), -2);
  EXPECT_EQ(Slots(), slots);
  EXPECT_EQ(dbase_reiter, 7);
  EXPECT_EQ(dbase_abfragespeichern(dir / "fehlt/abfrage.dba"), -1);
  EXPECT_FALSE(std::filesystem::exists(dir / "fehlt"));
}

TEST_F(SavedQueryTest, ATabOutsideTheListsLoadsAsNone) {
  std::string path = dir / "abfrage.dba";
  for (int tab : {25, -3}) {
    dbase_reiter = tab;
    ASSERT_EQ(dbase_abfragespeichern(path), 0);
    EXPECT_EQ(dbase_abfrageladen(path), 0);
    EXPECT_EQ(dbase_reiter, 0) << tab;
  }
}

TEST_F(SavedQueryTest, DamagedFilesStayInsideTheirFields) {
  std::string path = dir / "kaputt.dba";
  // Slot 1 and the first description without any NUL, the file ending inside slot 3.
  std::string bytes(20, '\0');
  bytes += std::string(20, 'L') + "Drei";
  WriteBytes(path, bytes);
  EXPECT_EQ(dbase_abfrageladen(path), -1);
  EXPECT_EQ(DbaseSlot(1), std::string(19, 'L'));
  EXPECT_EQ(DbaseSlot(2), "Drei");
  EXPECT_EQ(DbaseSlot(27), "");
  EXPECT_EQ(dbase_reiter, 0);

  bytes = std::string(560, '\0') + std::string(320, 'B') + "teile.dbf\r\n" + "i" + std::string("\x02\0\0\0ab", 6);
  WriteBytes(path, bytes);
  EXPECT_EQ(dbase_abfrageladen(path), 0);
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{std::string(79, 'B'), std::string(79, 'B')}));
  EXPECT_EQ(dbase_reiter, 0);  // an integer of length 2
  EXPECT_TRUE(log.texts.empty());
}

}  // namespace
