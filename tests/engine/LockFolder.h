// Fixture of the record lock tests: locking on, a lock folder for the table
// "sperren/daten/teile.dbf", and the lock files as this copy writes them.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/DbaseLockFile.h"
#include "engine/DbaseLockGuard.h"
#include "engine/DbaseRunningCopy.h"
#include "tests/engine/EngineTest.h"

// A typed text as the lock file holds it.
inline std::string Typed(const std::string& text) {
  std::string head = "S    ";
  DbfFile::Put(head, 1, static_cast<uint32_t>(text.size()), 4);
  return head + text;
}

// A lock as this copy writes it: the operator and the day, then the running copy.
inline std::string Written(const std::string& bediener, const std::string& datum) {
  return Typed(bediener) + Typed(datum) + Typed(DbaseThisCopy());
}

inline std::string Today() {
  dbase_datumheute();
  return dbase_text;
}

class LockFolderTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    dbm_sperren = 1;
    std::filesystem::create_directories(dir / "sperren/daten");
  }
  std::string Folder() const { return dir / "sperren/daten"; }
  std::string Base() const { return dir / "sperren/daten/teile.dbf"; }
  std::string LockFile(long n) const { return dir / ("sperren/daten/teile_" + std::to_string(n) + ".dsp"); }
  // The files in the lock folder but its guard, to see that nothing is left behind.
  std::vector<std::string> FilesInLockFolder() const {
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(Folder()))
      if (file.path().filename() != DbaseLockGuard::kFileName)
        names.push_back(file.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};
