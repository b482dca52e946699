// Fixture of the engine tests: the engine at its start values, a temporary folder, message
// texts recorded, and German separators unless a test sets others.
#pragma once

#include <gtest/gtest.h>

#include "engine/dbase.h"
#include "message_log.h"
#include "tests/engine/DbfFile.h"
#include "temp_folder.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbase_initialisieren();
    DecimalSeparator = ',';
    ThousandSeparator = '.';
  }
  void TearDown() override { dbase_finalisieren(); }

  // Writes the table into the temporary folder and opens it.
  std::string Open(const DbfFile& file, const std::string& name = "teile.dbf") {
    std::string path = dir / name;
    file.Write(path);
    EXPECT_EQ(dbase_open(path), 1);
    return path;
  }

  TempFolder dir;
  MessageLog log;
};

// Text, number, date and logical fields: 1 + 10 + 8 + 8 + 1 = 28 bytes a record.
inline DbfFile PartsFile() {
  return DbfFile{{{"BEZEICHNUN", 'C', 10}, {"PREIS", 'N', 8, 2}, {"DATUM", 'D', 8}, {"BESTELLEN", 'L', 1}}};
}

// Six parts to query. Record 4 is deleted; record 1's date is eight zeros, record 2's blank,
// record 5 has no price.
inline DbfFile QueryPartsFile() {
  DbfFile file = PartsFile();
  file.Add({"Rainer", "   10.00", "20120131", "T"})
      .Add({"rot", "   10.50", "00000000", "F"})
      .Add({"Blau", "       2", "        ", "T"})
      .Add({"Rad", "     100", "20121231", "F"});
  file.records.push_back(file.Record({"Rest", "       1", "20120101", "T"}, '*'));
  file.Add({"Zange", "        ", "20000101", "T"});
  return file;
}
