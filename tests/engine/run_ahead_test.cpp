// A run after a wait takes the room made for its index during the wait: the index is the one
// a run without it gives, and the grid keeps room only for the rows the hits reached.
#include <memory>
#include <stdexcept>
#include <utility>

#include "components/grid/columns/ExtCGrid.h"
#include "engine/DbaseRunAhead.h"
#include "tests/engine/QueryTest.h"

namespace {

constexpr int kRecords = 700;  // three pages of rows

class RunAheadTest : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    Open(Parts(kRecords));
  }
  static DbfFile Parts(int records) {
    DbfFile file{{{"BEZEICHNUN", 'C', 40}, {"LIEFERANT", 'C', 10}}};
    for (int n = 0; n < records; ++n)
      file.records.push_back(file.Record(
          {"Widerstand " + std::to_string(records - n) + " Ohm, 1 %", n % 100 == 7 ? "R" : "C"}));
    return file;
  }
  // Runs the query into the grid and into the in-memory index: the grid's texts, which
  // must be the in-memory index's.
  Hits RunInto(TExtColumnGrid& grid) {
    Run();
    dbase_abfrage(&grid);
    Hits texts;
    EXPECT_EQ(grid.GetRowCount(), index.RowCount());
    for (int r = 0; r < grid.GetRowCount(); ++r)
      for (int c = 0; c < 3; ++c) {
        texts.push_back(grid.Cells(c, r));
        EXPECT_EQ(texts.back(), index.Cell(c, r)) << c << "," << r;
      }
    return texts;
  }
  std::unique_ptr<TExtColumnGrid> grid = std::make_unique<TExtColumnGrid>(nullptr);
};

TEST_F(RunAheadTest, TheIndexIsTheOneARunWithoutTheWaitGives) {
  Slot(25, "BEZEICHNUN");  // sorted before the hits go in
  Hits sorted;
  {
    DbaseRunAhead ahead(grid.get());
    sorted = RunInto(*grid);
  }
  ASSERT_EQ(sorted.size(), 3u * (kRecords + 1));
  EXPECT_EQ(sorted[1], "Widerstand 1 Ohm, 1");  // the key cut to 19 characters
  EXPECT_EQ(sorted[4], "Widerstand 10 Ohm,");   // and its trailing blank removed
  auto without = std::make_unique<TExtColumnGrid>(nullptr);
  EXPECT_EQ(RunInto(*without), sorted);
  EXPECT_EQ(grid->StoredCells(), without->StoredCells());

  Slot(25, "");  // record order, into rows that have their room from the run before
  DbaseRunAhead again(grid.get());
  const Hits unsorted = RunInto(*grid);
  EXPECT_EQ(unsorted[0], "0");
  EXPECT_EQ(unsorted[3 * kRecords - 2], "Widerstand 1 Ohm, 1");
}

// Few hits in a large table: the room the hits did not reach goes after the run, its pages
// too, so that a grid given room ahead holds no more than one that was not. Room made for
// another grid, or for a run that does not come, stays where it was made.
TEST_F(RunAheadTest, RoomTheHitsDidNotReachGoes) {
  Criterion(1, "LIEFERANT", "=", "R");
  auto without = std::make_unique<TExtColumnGrid>(nullptr);
  Hits few;
  {
    DbaseRunAhead ahead(grid.get());
    few = RunInto(*grid);
  }
  EXPECT_EQ(few.size(), 3u * 8);
  EXPECT_EQ(few[3], "107");
  EXPECT_EQ(few[1], "R");
  EXPECT_GE(grid->Cells(1, 0).capacity(), 19u);  // the hits took the room made ahead
  EXPECT_EQ(grid->StoredCells(), 2u * 8);  // the hits and the empty row
  EXPECT_EQ(grid->CellPagesEnd(), 256);
  {
    DbaseRunAhead other(grid.get());
    EXPECT_EQ(RunInto(*without), few);
  }
  EXPECT_LT(without->Cells(1, 0).capacity(), 19u);
  EXPECT_LE(without->StoredCells(), 2u * 256);
  { DbaseRunAhead none(without.get()); }
  EXPECT_EQ(RunInto(*without), few);
}

// The last one made stands, also when one made before goes first; none stands after both.
TEST_F(RunAheadTest, TheLastRunAheadMadeStands) {
  Criterion(1, "LIEFERANT", "=", "R");  // keys too short to need room of their own
  auto first = std::make_unique<DbaseRunAhead>(grid.get());
  auto second = std::make_unique<DbaseRunAhead>(grid.get());
  first.reset();
  const Hits hits = RunInto(*grid);
  EXPECT_GE(grid->Cells(1, 0).capacity(), 19u);  // the second's room
  second.reset();
  auto other = std::make_unique<TExtColumnGrid>(nullptr);
  EXPECT_EQ(RunInto(*other), hits);
  EXPECT_LT(other->Cells(1, 0).capacity(), 19u);
}

// A run that fails midway gives up the room the hits did not reach all the same.
TEST_F(RunAheadTest, ARunThatFailsGivesUpTheRoomAllTheSame) {
  bool failed = false;
  grid->OnCellsChanged = [&failed](TObject*, TRect) {
    if (!std::exchange(failed, true)) throw std::runtime_error("no memory");
  };
  DbaseRunAhead ahead(grid.get());
  Run();
  EXPECT_THROW(dbase_abfrage(grid.get()), std::runtime_error);
  EXPECT_EQ(grid->CellPagesEnd(), 256);
}

// The table opened anew while the window waits, with fewer records: the run reads the new one
// and the room made for the old one's goes.
TEST_F(RunAheadTest, ATableReopenedDuringTheWaitRunsAsWithout) {
  Hits hits;
  {
    DbaseRunAhead ahead(grid.get());
    Open(Parts(300), "andere.dbf");
    hits = RunInto(*grid);
  }
  ASSERT_EQ(hits.size(), 3u * 301);
  auto without = std::make_unique<TExtColumnGrid>(nullptr);
  EXPECT_EQ(RunInto(*without), hits);
  EXPECT_EQ(grid->CellPagesEnd(), 512);
  EXPECT_EQ(grid->StoredCells(), 2u * 301);
}

}  // namespace
