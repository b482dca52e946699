#include "tests/engine/EngineTest.h"

namespace {

class ScrambleTest : public EngineTest {
 protected:
  // One "C" field of the given length, stored in the given mode; returns its path.
  std::string OpenScrambled(uint8_t mode, uint8_t length) {
    DbfFile file{{{"TEXT", 'C', length}}};
    file.mode = mode;
    return Open(file, "geheim.dbf");
  }
};

std::string StoredRecord(const std::string& path, int n, int length) {
  return ReadBytes(path).substr(32 + 32 + 1 + n * length, length);
}

TEST_F(ScrambleTest, ModeThreeStoresBlanksAndLettersAsTheFilesHaveThem) {
  std::string path = OpenScrambled(3, 5);
  std::fill(dbase_record.begin(), dbase_record.end(), ' ');  // also the byte of no field
  ASSERT_EQ(dbase_schreiben(0), 1);
  EXPECT_EQ(StoredRecord(path, 0, 6), " \xDE\xDE\xDE\xDE\xDE");
  dbase_feldschreibenAnsi("e<", 0);
  dbase_schreiben(1);
  // "e" + 1 = "f" is not in the chain; "<" + 1 = "=" becomes "x"; blanks + 1 = "!".
  EXPECT_EQ(StoredRecord(path, 1, 6), std::string(" ") + char(255 - 'f') + char(255 - 'x') + "\xDE\xDE\xDE");
  ASSERT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(std::string(dbase_record.begin(), dbase_record.end()), "      ");
  ASSERT_EQ(dbase_lesen(1), 1);
  EXPECT_EQ(dbase_trAnsi(0), "e<");
}

TEST_F(ScrambleTest, ModeOneShiftsEveryByteButTheStatus) {
  std::string path = OpenScrambled(1, 3);
  dbase_feldschreibenAnsi("Ax", 0);
  dbase_schreiben(0);
  EXPECT_EQ(StoredRecord(path, 0, 4), " By!");
}

TEST_F(ScrambleTest, EveryModeReadsBackWhatItWrote) {
  for (uint8_t mode : {0, 1, 2, 3, 4}) {
    SCOPED_TRACE(int(mode));
    dbase_close();
    OpenScrambled(mode, 255);
    for (int i = 1; i < 256; ++i) dbase_record[i] = static_cast<char>(i - 1);
    std::vector<char> plain = dbase_record;
    plain[0] = ' ';
    ASSERT_EQ(dbase_schreiben(0), 1);
    ASSERT_EQ(dbase_lesen(0), 1);
    EXPECT_EQ(dbase_record, plain);
  }
}

TEST_F(ScrambleTest, ModeThreeCannotKeepByteFF) {
  OpenScrambled(3, 1);
  dbase_record[1] = '\xFF';
  dbase_schreiben(0);
  dbase_lesen(0);
  EXPECT_EQ(dbase_record[1], '\x1F');
}

}  // namespace
