// Typed values and lines of the side files, sound ones byte by byte and damaged ones.
#include <cstdio>
#include <cstring>

#include "tests/engine/EngineTest.h"

namespace {

using ValuesTest = EngineTest;

// A file opened for reading or writing that closes itself.
struct Stream {
  Stream(const std::string& path, const char* mode) : file(std::fopen(path.c_str(), mode)) {}
  ~Stream() {
    if (file) std::fclose(file);
  }
  FILE* file;
};

std::string U32(uint32_t v) {
  std::string s(4, '\0');
  DbfFile::Put(s, 0, v, 4);
  return s;
}

TEST_F(ValuesTest, WritesIntegersTextsAndLinesByteForByte) {
  std::string path = dir / "werte";
  {
    Stream out(path, "wb");
    EXPECT_EQ(dbase_intschreiben(7, out.file), 0);
    EXPECT_EQ(dbase_ansischreiben("abc", out.file), 0);
    EXPECT_EQ(dbase_ansischreiben("", out.file), 0);
    std::strcpy(dbase_text, "teile.dbf");
    EXPECT_EQ(dbase_zeileschreiben(out.file), 0);
    EXPECT_EQ(dbase_intschreiben(-2, out.file), 0);
  }
  EXPECT_EQ(ReadBytes(path), std::string("\x69\x04\0\0\0\x07\0\0\0", 9) + std::string("\x53\x03\0\0\0abc", 8) +
                                 std::string("S\0\0\0\0", 5) + "teile.dbf\r\n" +
                                 std::string("i\x04\0\0\0\xFE\xFF\xFF\xFF", 9));
  Stream in(path, "rb");
  EXPECT_EQ(dbase_intlesen(in.file), 7);
  EXPECT_EQ(dbase_ansilesen(in.file), "abc");
  EXPECT_EQ(dbase_ansilesen(in.file), "");
  EXPECT_EQ(dbase_zeilelesen(in.file), 0);
  EXPECT_STREQ(dbase_text, "teile.dbf");
  EXPECT_EQ(dbase_intlesen(in.file), -2);
  EXPECT_EQ(dbase_intlesen(in.file), 0);  // past the end
  EXPECT_EQ(dbase_ansilesen(in.file), "");
  EXPECT_EQ(dbase_zeilelesen(in.file), -1);
  EXPECT_STREQ(dbase_text, "");
}

TEST_F(ValuesTest, AFailedTextWriteIsReported) {
  std::string path = dir / "nur-lesen";
  WriteBytes(path, "");
  Stream in(path, "rb");
  EXPECT_EQ(dbase_ansischreiben("Otto", in.file), -1);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Fehler beim Speichern AnsiString: Otto"});
  EXPECT_EQ(dbase_intschreiben(1, in.file), 0);  // integers report nothing
}

TEST_F(ValuesTest, ALineWithoutCrEndsTheFile) {
  std::string path = dir / "zeile";
  WriteBytes(path, "abc");
  Stream in(path, "rb");
  EXPECT_EQ(dbase_zeilelesen(in.file), -1);
  EXPECT_STREQ(dbase_text, "abc");
}

TEST_F(ValuesTest, AnOverlongLineKeepsEightyCharactersAndThePlaceOfTheNextValue) {
  std::string path = dir / "lang";
  std::string line(300, 'x');
  line[79] = 'y';
  WriteBytes(path, line + "\r\n" + std::string("i\x04\0\0\0\x15\0\0\0", 9));
  Stream in(path, "rb");
  EXPECT_EQ(dbase_zeilelesen(in.file), 0);
  EXPECT_EQ(std::string(dbase_text), line.substr(0, 80));
  EXPECT_EQ(dbase_intlesen(in.file), 21);

  WriteBytes(path, std::string(200, 'z'));  // over-long and without CR
  Stream rest(path, "rb");
  EXPECT_EQ(dbase_zeilelesen(rest.file), 0);
  EXPECT_EQ(std::string(dbase_text), std::string(80, 'z'));
}

TEST_F(ValuesTest, DamagedValuesYieldZeroAndEmptyTextAndStayInPlace) {
  std::string path = dir / "kaputt";
  // An integer stored with length 2, then one with length 8, then a sound one.
  WriteBytes(path, "i" + U32(2) + "ab" + "i" + U32(8) + "12345678" + "i" + U32(4) + U32(99) +
                       "S" + U32(3) + std::string("a\0b", 3) + "S" + U32(1000000) + "kurz");
  Stream in(path, "rb");
  EXPECT_EQ(dbase_intlesen(in.file), 0);
  EXPECT_EQ(dbase_intlesen(in.file), 0);
  EXPECT_EQ(dbase_intlesen(in.file), 99);
  EXPECT_EQ(dbase_ansilesen(in.file), "ab");  // NUL bytes are dropped
  EXPECT_EQ(dbase_ansilesen(in.file), "kurz");  // longer than the file
  EXPECT_EQ(dbase_ansilesen(in.file), "");

  for (std::string cut : {std::string("i"), "i" + U32(4).substr(0, 2), "i" + U32(4) + "\x01\x02"}) {
    WriteBytes(path, cut);
    Stream part(path, "rb");
    EXPECT_EQ(dbase_intlesen(part.file), 0) << cut.size();
  }
  WriteBytes(path, "S\x05\0");
  Stream text(path, "rb");
  EXPECT_EQ(dbase_ansilesen(text.file), "");
  // A huge stored length is passed over, not read.
  WriteBytes(path, "i" + U32(0xFFFFFFF0u) + "rest");
  Stream huge(path, "rb");
  EXPECT_EQ(dbase_intlesen(huge.file), 0);
  EXPECT_EQ(dbase_ansilesen(huge.file), "");
}

}  // namespace
