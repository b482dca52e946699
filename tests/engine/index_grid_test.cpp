// The result index in a real column grid: the same order as the in-memory index, the list
// page filled from it and the list's scroll bar.
#include <memory>

#include "components/grid/columns/ExtCGrid.h"
#include "engine/ResultIndexGrid.h"
#include "platform/stdctrls/scrollbar.h"
#include "tests/engine/QueryTest.h"

namespace {

class IndexGridTest : public QueryTest {
 protected:
  void TearDown() override {
    dbase_indexgrid = nullptr;
    QueryTest::TearDown();
  }

  // Runs the query into the in-memory index and into the grid; the grid's rows, which must
  // be the in-memory index's row for row, the empty row last.
  std::vector<Hits> RunBoth() {
    Run();
    dbase_abfrage(grid.get());
    EXPECT_EQ(grid->GetRowCount(), index.RowCount());
    std::vector<Hits> rows;
    for (int r = 0; r < grid->GetRowCount(); ++r) {
      Hits& row = rows.emplace_back();
      for (int c = 0; c < MemoryResultIndex::kColumns; ++c) {
        row.push_back(grid->Cells(c, r));
        EXPECT_EQ(row.back(), index.Cell(c, r)) << c << "," << r;
      }
    }
    EXPECT_EQ(rows.back(), (Hits{"", "", ""}));
    return rows;
  }
  static Hits RecordsOf(const std::vector<Hits>& rows) {
    Hits records;
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) records.push_back(rows[r][0]);
    return records;
  }

  std::unique_ptr<TExtColumnGrid> grid = std::make_unique<TExtColumnGrid>(nullptr);
};

TEST_F(IndexGridTest, SortsAsTheInMemoryIndexWithEmptyValuesAndTheEmptyRowLast) {
  EXPECT_EQ(RecordsOf(RunBoth()), (Hits{"0", "1", "2", "3", "5"}));  // record order
  Slot(25, "PREIS");
  EXPECT_EQ(RecordsOf(RunBoth()), (Hits{"2", "0", "1", "3", "5"}));
  Slot(25, "BESTELLEN");
  Slot(26, "PREIS");
  std::vector<Hits> rows = RunBoth();
  EXPECT_EQ(RecordsOf(rows), (Hits{"2", "0", "5", "1", "3"}));
  EXPECT_EQ(rows[2], (Hits{"5", "ja", ""}));
  Slot(25, "DATUM");
  Slot(26, "");
  ASSERT_EQ(dbase_kriterienpruefen(), 1);
  dbase_abfrage(grid.get());  // records 1 and 2 name no day: they tie, in either order
  EXPECT_EQ(grid->Cells(0, 0) + grid->Cells(0, 1), grid->Cells(0, 0) == "1" ? "12" : "21");
  EXPECT_EQ(grid->Cells(0, 2) + grid->Cells(0, 3) + grid->Cells(0, 4), "503");
  Slot(25, "BEZEICHNUN");
  EXPECT_EQ(RecordsOf(RunBoth()), (Hits{"2", "3", "0", "5", "1"}));
}

TEST_F(IndexGridTest, EqualTextKeysKeepTheirRecordOrderAsInTheMemoryIndex) {
  DbfFile file = PartsFile();
  for (int n = 0; n < 40; ++n)
    file.Add({n % 2 == 0 ? "Rad" : "", "       1", "", n % 3 == 0 ? "T" : "F"});
  Open(file);
  Slot(25, "BEZEICHNUN");
  Hits even;
  Hits odd;
  for (int n = 0; n < 40; ++n) (n % 2 == 0 ? even : odd).push_back(std::to_string(n));
  even.insert(even.end(), odd.begin(), odd.end());
  EXPECT_EQ(RecordsOf(RunBoth()), even);
  Slot(26, "BESTELLEN");
  RunBoth();
}

TEST_F(IndexGridTest, ARunTakesTheGridsFormAndLeavesNothingOfTheLastRun) {
  grid->SetColCount(6);
  grid->SetRowCount(40);
  grid->SetCells(1, 1, "alt");
  grid->SetCells(0, 5, "alt");  // kept by the grid past its rows: must not become the empty row
  grid->SetRowCount(3);
  RunBoth();
  EXPECT_EQ(grid->GetColCount(), 3);
  EXPECT_EQ(grid->GetFixedRows(), 0);
  Criterion(1, "BEZEICHNUN", "=", "Nichts");
  EXPECT_EQ(RunBoth().size(), 1u);
  EXPECT_EQ(dbase_abfrageergebnis, 255);
}

// The grid grows by many rows at once: when the run ends, no row past its hits holds
// anything of earlier texts, whether the hits left it (rows the grid had) or the growth took
// it (rows kept past them).
TEST_F(IndexGridTest, RowsTheGrowingIndexTakesAreEmpty) {
  DbaseShapeIndexGrid(*grid);
  grid->SetRowCount(4000);
  for (int r : {10, 2000, 3500}) grid->SetCells(0, r, "alt");
  grid->SetRowCount(3000);  // row 3500 is kept past the rows
  auto fill = [this](int hits, int stale) {
    {
      GridResultIndex index(*grid);
      index.Clear();
      for (int h = 0; h < hits; ++h) index.AddHit(IntToStr(h), "k", "");
      ASSERT_GT(grid->GetRowCount(), stale);
    }
    EXPECT_EQ(grid->GetRowCount(), hits + 1);
    EXPECT_EQ(grid->Cells(0, stale), "");
    for (int r = hits; r < 4000; r += 97) EXPECT_EQ(grid->Cells(0, r), "") << r;
  };
  fill(1500, 2000);
  fill(2600, 3500);
  EXPECT_EQ(grid->Cells(0, 2599), "2599");
  EXPECT_EQ(grid->Cells(1, 10), "k");
  {
    GridResultIndex index(*grid);
    index.Clear();  // a run without hits
  }
  EXPECT_EQ(grid->GetRowCount(), 1);
  for (int r = 0; r < 4000; r += 7) EXPECT_EQ(grid->Cells(0, r), "") << r;
}

// A query of few hits over a larger table makes room for them as they come: a fresh grid holds
// one page of rows' room afterwards, however many records the table has.
TEST_F(IndexGridTest, FewHitsTakeRoomForThemOnly) {
  DbfFile file = PartsFile();
  for (int n = 0; n < 3000; ++n)
    file.Add({n % 400 == 7 ? "Rot" : "Blau", "    1.00", "20120131", n % 2 ? "T" : "F"});
  Open(file);
  Criterion(1, "BEZEICHNUN", "=", "Rot");
  const std::vector<Hits> rows = RunBoth();
  EXPECT_EQ(RecordsOf(rows), (Hits{"7", "407", "807", "1207", "1607", "2007", "2407", "2807"}));
  EXPECT_LE(grid->StoredCells(), 2u * 256);
}

// A run that overwrites the rows before tells the grid's listeners of what it emptied, as
// the grid's own clear would.
TEST_F(IndexGridTest, TheRunsClearIsTheGridsClear) {
  DbaseShapeIndexGrid(*grid);
  grid->SetRowCount(5);
  grid->SetCells(1, 3, "alt");
  grid->SetCells(2, 0, "zweiter");
  TRect told;
  grid->OnCellsChanged = [&told](TObject*, TRect r) { told = r; };
  {
    GridResultIndex index(*grid);
    index.Clear();
    index.AddHit("7", "k", "");
  }
  EXPECT_EQ(grid->Cells(2, 0), "");  // the empty second key replaced the stale one
  EXPECT_EQ(grid->Cells(1, 3), "");
  EXPECT_EQ(told.Top, 1);  // the empty row and the stale rows after it
  EXPECT_EQ(told.Bottom, 4);
}

// While hits come in (the message loop runs meanwhile) rows of the run before stand past
// them, yet the index reads as it promises: one empty row after the hits. An adapter that
// only reads leaves the grid as it found it, an empty one too.
TEST_F(IndexGridTest, TheIndexReadsEmptyPastItsHitsWhileItOverwritesTheRowsBefore) {
  DbaseShapeIndexGrid(*grid);
  grid->SetRowCount(0);
  int changes = 0;
  grid->OnCellsChanged = [&changes](TObject*, TRect) { ++changes; };
  { const GridResultIndex reader(*grid); }
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(grid->GetRowCount(), 0);

  grid->SetRowCount(5);
  for (int r = 0; r < 4; ++r) grid->SetCells(0, r, IntToStr(r + 10));
  GridResultIndex index(*grid);
  index.Clear();
  index.AddHit("7", "k", "");
  EXPECT_EQ(index.RowCount(), 2);
  EXPECT_EQ(index.Cell(0, 0), "7");
  EXPECT_EQ(index.Cell(0, 1), "");  // the grid's row still holds the run before's "11"
}

TEST_F(IndexGridTest, ThePageFillsFromTheIndexGridAndTheScrollBarFollowsIt) {
  EXPECT_EQ(dbase_indexdsnr(0), 0);  // no grid yet
  dbase_anzahlindex = 2;
  EXPECT_EQ(DbaseIndexGridHitRecords(), (std::vector<long>{0, 0}));
  Slot(25, "PREIS");
  RunBoth();
  dbase_indexgrid = grid.get();
  EXPECT_EQ(dbase_indexdsnr(0), 2);
  EXPECT_EQ(dbase_indexdsnr(4), 5);
  EXPECT_EQ(dbase_indexdsnr(5), 0);
  EXPECT_EQ(DbaseIndexGridHitRecords(), (std::vector<long>{0, 1, 2, 3, 5}));

  TExtColumnGrid list(nullptr);
  list.SetColCount(3);
  list.SetRowCount(21);
  list.GetColumns()->GetItem(1)->Tag = 1;  // price
  list.GetColumns()->GetItem(2)->Tag = 0;  // designation
  for (int r = 1; r < 21; ++r) list.SetCells(2, r, "alt");
  dbase_ersterindex = 1;
  dbase_ausgabe(&list);
  EXPECT_EQ(list.Cells(0, 1), "1");
  EXPECT_EQ(list.Cells(1, 1), "10,00");
  EXPECT_EQ(list.Cells(2, 1), "Rainer");
  EXPECT_EQ(dbase_spaltenwert(2, &list), "Zange");  // the last record read, position 4
  EXPECT_EQ(dbase_spaltenwert(99, &list), "");  // a column the list does not have
  EXPECT_EQ(dbase_spaltenwert(-1, &list), "");
  for (int r = 5; r < 21; ++r) {
    EXPECT_EQ(list.Cells(0, r), "-1") << r;
    EXPECT_EQ(list.Cells(2, r), "") << r;
  }

  TScrollBar bar(nullptr);
  dbase_scrollbar(&bar, &list);
  EXPECT_EQ(bar.GetMin(), 0);
  EXPECT_EQ(bar.GetMax(), 4);
  EXPECT_EQ(bar.GetLargeChange(), 19);
  EXPECT_EQ(bar.GetPosition(), 1);
}

}  // namespace
