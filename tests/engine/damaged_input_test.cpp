// The engine's side files on damaged input: the typed values, saved queries and lock files
// read to what the file holds, never past their buffers.
#include <cstdio>
#include <fstream>
#include <functional>

#include "damaged_input.h"
#include "engine/DbaseLockFile.h"
#include "engine/DbaseText.h"
#include "engine/DbaseValues.h"
#include "tests/engine/EngineTest.h"

namespace {

using DamagedInput = EngineTest;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Saved(const std::string& path, const std::function<void(FILE*)>& write) {
  FILE* file = std::fopen(path.c_str(), "wb");
  write(file);
  std::fclose(file);
  return ReadBytes(path);
}

TEST_F(DamagedInput, TypedValuesAndLinesStayInTheirBuffers) {
  const std::string path = dir / "werte";
  const std::string sample = Saved(path, [](FILE* file) {
    dbase_ansischreiben("Bediener", file);
    dbase_intschreiben(-7, file);
    std::snprintf(dbase_text, kDbaseTextSize, "%s", std::string(kDbaseLineLength - 1, 'z').c_str());
    dbase_zeileschreiben(file);
    dbase_ansischreiben(std::string(300, 'x'), file);
    dbase_intschreiben(123456, file);
  });
  ForEachDamaged(sample, [&](const std::string& bytes) {
    WriteFile(path, bytes);
    FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_LE(dbase_ansilesen(file).size(), bytes.size());
    dbase_intlesen(file);
    dbase_zeilelesen(file);
    EXPECT_LE(strnlen(dbase_text, kDbaseTextSize), static_cast<size_t>(kDbaseLineLength));
    EXPECT_LE(dbase_ansilesen(file).size(), bytes.size());
    dbase_intlesen(file);
    std::fclose(file);
  });
}

TEST_F(DamagedInput, SavedQueriesAndLocksLoadWhatTheFileHolds) {
  const std::string query = dir / "abfrage.dba";
  dbase_reiter = 3;
  ASSERT_EQ(dbase_abfragespeichern(query), 0);
  ForEachDamaged(ReadBytes(query), [&](const std::string& bytes) {
    WriteFile(query, bytes);
    EXPECT_NE(dbase_abfrageladen(query), -2);
    EXPECT_LE(dbase_reiter, 20);
  });

  const std::string lock = dir / "sperre";
  ASSERT_EQ(DbaseOwnLockFile(lock, {"Bediener", "01.02.2024", "werkbank 17 0"}).LinkIn(),
            DbaseLockCreate::Created);
  ForEachDamaged(ReadBytes(lock), [&](const std::string& bytes) {
    WriteFile(lock, bytes);
    DbaseLockHolder holder;
    EXPECT_EQ(DbaseReadLock(lock, holder), DbaseLockRead::Read);
    EXPECT_LE(holder.bediener.size() + holder.datum.size() + holder.kopie.size(), bytes.size());
  });
}

// A linked table whose header counts far more records than its file holds: the lookup stops
// where the file ends instead of reading (and letting the message loop run for) each missing
// record.
TEST_F(DamagedInput, ALinkedLookupStopsWhereTheFileEnds) {
  DbfFile linked{{{"NAME", 'C', 10}, {"WERT", 'C', 4}}};
  linked.Add({"eins", "1"}).Add({"zwei", "2"});
  linked.count = 0xFFFFFFFF;
  linked.Write(dir / "verknuepft.dbf");
  EXPECT_EQ(dbase_verknuepfung(dir / "verknuepft.dbf", 1, 0, "zwei"), "2");
  EXPECT_EQ(dbase_verknuepfung(dir / "verknuepft.dbf", 1, 0, "drei"), "");
  EXPECT_EQ(dbase2_datei, nullptr);
}

}  // namespace
