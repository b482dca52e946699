// Fixture of the query tests: a small parts table open, the slots set as the query window
// sets them, and runs into an in-memory result index.
#pragma once

#include <cstring>

#include "engine/DbaseQuerySlots.h"
#include "tests/engine/EngineTest.h"
#include "locale_scope.h"

class QueryTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Open(QueryPartsFile());
  }

  static void Slot(int k, const std::string& text) {
    DbaseSetFixedText(dbase_abfragetext[k], kDbaseSlotSize, text);
  }
  // Criterion j (1-8): field name, operator and value.
  static void Criterion(int j, const std::string& field, const std::string& op, const std::string& value) {
    Slot(3 * j - 2, field);
    Slot(3 * j - 1, op);
    Slot(3 * j, value);
  }

  // Checks and runs the query; the record numbers of the hits in index order.
  std::vector<std::string> Run() {
    EXPECT_EQ(dbase_kriterienpruefen(), 1);
    dbase_abfrage(index);
    std::vector<std::string> hits;
    for (uint32_t h = 0; h < dbase_anzahlindex; ++h)
      hits.emplace_back(index.Cell(0, static_cast<int>(h)));
    EXPECT_EQ(index.RowCount(), static_cast<int>(dbase_anzahlindex) + 1);
    EXPECT_EQ(index.Cell(0, index.RowCount() - 1), "");  // the empty row stays last
    return hits;
  }
  // The texts of one index column for the hits.
  std::vector<std::string> Column(int c) const {
    std::vector<std::string> texts;
    for (int row = 0; row + 1 < index.RowCount(); ++row) texts.emplace_back(index.Cell(c, row));
    return texts;
  }

  using Hits = std::vector<std::string>;
  LocaleScope german{kGerman};
  MemoryResultIndex index;
};
