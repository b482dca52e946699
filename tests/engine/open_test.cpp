#include <unistd.h>

#include "tests/engine/EngineTest.h"

namespace {

using OpenTest = EngineTest;

TEST_F(OpenTest, KeepsHeaderFieldsAndBuffers) {
  DbfFile file = PartsFile();
  file.Add({"R1", "   12.50", "20121231", "T"}).Add({"C2"});
  Open(file);
  EXPECT_EQ(dbase_version, 0x03);
  EXPECT_EQ(dbase_datum, (std::array<uint8_t, 3>{124, 5, 17}));
  EXPECT_EQ(dbase_anzahldatensaetze, 2u);
  EXPECT_EQ(dbase_headerlength, 32 + 4 * 32 + 1);
  EXPECT_EQ(dbase_lengthofrecord, 28);
  EXPECT_EQ(dbase_anzahldatenfelder, 4);
  EXPECT_STREQ(dbase_feldname[2].data(), "DATUM");
  EXPECT_EQ(dbase_feldnameholen(3), "BESTELLEN");
  EXPECT_EQ(AnsiString(dbase_feldtyp.begin(), dbase_feldtyp.end() - 1), "CNDL");
  EXPECT_EQ(dbase_feldlength, (std::vector<uint8_t>{10, 8, 8, 1, 0}));
  EXPECT_EQ(dbase_feldkommastellen[1], 2);
  EXPECT_EQ(dbase_feldadresse[1], 11u);
  EXPECT_EQ(dbase_feldoffset, (std::vector<uint16_t>{1, 11, 19, 27, 0}));
  EXPECT_EQ(dbase_record, std::vector<char>(28, 0));
  EXPECT_EQ(dbase_recordMulti.size(), 20u * 28);
  EXPECT_EQ(dbase_cachestart, kDbaseWindowEmpty);
  EXPECT_EQ(dbase_feldnameholen(4), "");
  EXPECT_EQ(log.texts.back(), "Fehler: dbase_feldnameholen - Feldnummer>anzahldatenfelder oder <0 ");

  dbase_close();
  EXPECT_EQ(dbase_datei, nullptr);
  EXPECT_EQ(dbase_dateiname, "");
  EXPECT_EQ(dbase_anzahldatensaetze + dbase_anzahldatenfelder + dbase_lengthofrecord, 0u);
  EXPECT_TRUE(dbase_record.empty() && dbase_feldlength.empty());
  EXPECT_EQ(dbase_lesen(0), -1);
}

TEST_F(OpenTest, FileNameIsThePartAfterTheLastSeparator) {
  std::filesystem::create_directory(dir / "sub");
  PartsFile().Write(dir / "sub/teile.dbf");
  ASSERT_EQ(dbase_open(dir / "sub/teile.dbf"), 1);
  EXPECT_EQ(dbase_dateiname, "teile.dbf");
  ASSERT_EQ(dbase_open(dir.Path() + "\\sub\\teile.dbf"), 1);
  EXPECT_EQ(dbase_dateiname, "teile.dbf");
  char* cwd = getcwd(nullptr, 0);
  ASSERT_EQ(chdir((dir / "sub").c_str()), 0);
  EXPECT_EQ(dbase_open("teile.dbf"), 1);
  EXPECT_EQ(dbase_dateiname, "teile.dbf");
  EXPECT_EQ(chdir(cwd), 0);
  free(cwd);
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(OpenTest, OpensTheMemoHeaderOfAVersionWithMemo) {
  DbfFile file = PartsFile();
  file.version = 0x83;
  std::string memo(512, '\0');
  memo[0] = 7;
  memo[21] = 2;  // block size 512
  WriteBytes(dir / "teile.dbt", memo);
  Open(file);
  EXPECT_NE(dbase_dbtdatei, nullptr);
  EXPECT_EQ(dbase_dbtnaechster, 7u);
  EXPECT_EQ(dbase_dbtblockgroesse, 512u);
  dbase_close();
  EXPECT_EQ(dbase_dbtdatei, nullptr);

  std::filesystem::remove(dir / "teile.dbt");
  Open(file);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Fehler: dbase_dbtopen: " + dir / "teile.dbt"});
}

TEST_F(OpenTest, MissingOrUnnamedFileIsRefused) {
  std::string path = dir / "fehlt.dbf";
  EXPECT_EQ(dbase_open(path), 0);
  EXPECT_EQ(log.texts, (std::vector<AnsiString>{
                           "Fehler: \xF6" "ffnen handle: " + path + ": Pfad/Datei nicht gefunden",
                           "Fehler: \xF6" "ffnen Datei " + path}));
  log.texts.clear();
  EXPECT_EQ(dbase_open(""), 0);
  ASSERT_EQ(log.texts.size(), 3u);
  EXPECT_EQ(log.texts[0], "Fehler: dbase_open: Dateiname fehlt");
  EXPECT_EQ(dbase_datei, nullptr);
}

struct Damage {
  const char* what;
  void (*spoil)(std::string& bytes);
  const char* message;
};

class DamagedFileTest : public EngineTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFileTest, IsRefusedWithAMessageAndLeavesNoTableOpen) {
  DbfFile file = PartsFile();
  file.Add({"R1"}).Add({"R2"});
  std::string bytes = file.Bytes();
  GetParam().spoil(bytes);
  std::string path = dir / "kaputt.dbf";
  WriteBytes(path, bytes);
  EXPECT_EQ(dbase_open(path), 0);
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"Fehler: dbase_open: " + path + ": " + GetParam().message});
  EXPECT_EQ(dbase_datei, nullptr);
  EXPECT_EQ(dbase_dateiname, "");
  EXPECT_EQ(dbase_anzahldatensaetze + dbase_anzahldatenfelder + dbase_lengthofrecord, 0u);
  EXPECT_EQ(dbase_lesenmulti(0), -1);
  EXPECT_EQ(dbase_schreiben(0), 0);
  EXPECT_EQ(ReadBytes(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, DamagedFileTest,
    ::testing::Values(
        Damage{"Short", [](std::string& b) { b.resize(31); },
               "Datei ist k\xFCrzer als der Dateikopf (32 Bytes)"},
        Damage{"HeaderBelow33", [](std::string& b) { b[8] = 32, b[9] = 0; },
               "Kopfl\xE4nge 32 ist kleiner als 33"},
        Damage{"HeaderPastEnd", [](std::string& b) { b[8] = 0, b[9] = 1; },
               "Kopfl\xE4nge 256 reicht \xFC" "ber das Dateiende (217 Bytes)"},
        Damage{"RecordLengthZero", [](std::string& b) { b[10] = 0, b[11] = 0; },
               "Satzl\xE4nge ist 0"},
        Damage{"FieldsPastTheRecord", [](std::string& b) { b[10] = 27; },
               "Satzl\xE4nge 27 ist kleiner als 1 + Summe der Feldl\xE4ngen (28)"},
        Damage{"TooManyFields", [](std::string& b) { b.resize(9000, ' '), b[8] = 0x21, b[9] = 0x20; },
               "256 Felder, h\xF6" "chstens 255 sind m\xF6glich"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(OpenTest, CountBeyondTheFileOpensAndMissingRecordsFailToRead) {
  DbfFile file = PartsFile();
  for (int i = 0; i < 25; ++i) file.Add({"R" + std::to_string(i)});
  file.count = 40;
  std::string bytes = file.Bytes();
  bytes.resize(bytes.size() - 10);  // the last record cut in half
  std::string path = dir / "teile.dbf";
  WriteBytes(path, bytes);
  ASSERT_EQ(dbase_open(path), 1);
  EXPECT_EQ(dbase_lesenmulti(5), 1);
  EXPECT_EQ(dbase_lesenmulti(23), 1);
  EXPECT_EQ(dbase_trAnsi(0), "R23");
  EXPECT_EQ(dbase_lesenmulti(24), -2);
  EXPECT_EQ(dbase_trAnsi(0), "R23");  // a failed read leaves the buffer as it was
  EXPECT_EQ(dbase_lesen(30), -2);
  EXPECT_EQ(dbase_lesen(40), -1);
}

TEST_F(OpenTest, ModeTwoShortensFieldZero) {
  DbfFile file{{{"A", 'C', 20}, {"B", 'C', 5}}};
  file.mode = 2;
  Open(file);
  EXPECT_EQ(dbase_feldlength[0], 19);
  EXPECT_EQ(dbase_feldoffset[1], 20);
}

TEST_F(OpenTest, AFieldOf255BytesFitsTheScratchText) {
  DbfFile file{{{"LANG", 'C', 255}}};
  file.Add({std::string(254, 'x') + "y"});
  Open(file);
  ASSERT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(dbase_trAnsi(0), std::string(254, 'x') + "y");
  dbase_feldschreibenAnsi(std::string(300, 'z'), 0);
  EXPECT_EQ(dbase_trAnsi(0), std::string(254, 'z'));
}

}  // namespace
