// The pauses before a run: a query for every record has its index rows made while the window
// waits, and whatever the user changes meanwhile still decides the run; the index then holds
// exactly the hits and its empty row, however many rows were made.
#include <gtest/gtest.h>

#include "QueryWindowTest.h"

namespace {

using Hits = std::vector<std::string>;

class QueryPauses : public QueryWindow {
 protected:
  // The index grid's rows within its count past the hits hold nothing.
  void ExpectOnlyTheHits(const Hits& hits) {
    EXPECT_EQ(IndexHits(), hits);
    ASSERT_EQ(form.grdIndex->GetRowCount(), static_cast<int>(hits.size()) + 1);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(form.grdIndex->Cells(c, hits.size()), "") << c;
  }
  void RunEveryRecord() {
    EXPECT_EQ(Call([&] {
                Click(form.btnLoeschen);
                Click(form.btnOK);
              }),
              1);
  }
};

// Six records are made room for, five are hits (record 4 is deleted); a selective run after
// it and another run for every record find the rows of the runs before.
TEST_F(QueryPauses, EveryRecordAndSelectiveRunsLeaveOnlyTheirHits) {
  RunEveryRecord();
  ExpectOnlyTheHits({"0", "1", "2", "3", "5"});

  EXPECT_EQ(Call([&] {
              Criterion(1, "BEZEICHNUN", "=", "R*");
              Click(form.btnOK);
            }),
            1);
  ExpectOnlyTheHits({"0", "3"});

  RunEveryRecord();
  ExpectOnlyTheHits({"0", "1", "2", "3", "5"});
}

// A criterion typed while the window pauses before the run is the one the run checks.
TEST_F(QueryPauses, ACriterionTypedDuringThePausesCounts) {
  int typed = 0;
  EXPECT_EQ(Call([&] {
              Click(form.btnLoeschen);
              QTimer::singleShot(0, [&] {
                ++typed;
                EXPECT_TRUE(form.Running());
                Type(form.cbo1, "BEZEICHNUN");
                Type(form.cbo3, "R*");
              });
              Click(form.btnOK);
            }),
            1);
  EXPECT_EQ(typed, 1);
  ExpectOnlyTheHits({"0", "3"});
  EXPECT_EQ(DbaseSlot(1), "BEZEICHNUN");
}

// A query with criteria may find few hits: no rows are made for the records it skips. The
// table is larger than the index reserves at a time.
TEST_F(QueryPauses, ASelectiveQueryMakesNoRowsAhead) {
  DbfFile many = PartsFile();
  for (int r = 0; r < 2000; ++r) many.Add({r == 1500 ? "Treffer" : "Teil", "    1.00", "", "T"});
  Open(many, "viele.dbf");
  EXPECT_EQ(Call([&] {
              Criterion(1, "BEZEICHNUN", "=", "Treffer");
              Click(form.btnOK);
            }),
            1);
  ExpectOnlyTheHits({"1500"});
  // The capacity the index reserves for its first rows, nothing for the other records.
  EXPECT_LE(form.grdIndex->StoredCells(), 256u * 3);
}

}  // namespace
