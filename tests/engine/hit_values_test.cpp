// The values a run into the index grid keeps for the list's total: their sum over any order
// and filter of the hits, and every change that must make them stale, so the total reads the
// table again.
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

#include "components/grid/columns/ExtCGrid.h"
#include "engine/DbaseHitValues.h"
#include "tests/engine/QueryTest.h"

namespace {

constexpr int kPrice = 1;

class HitValuesTest : public QueryTest {
 protected:
  void SetUp() override {
    QueryTest::SetUp();
    path = dir / "teile.dbf";
    DbaseKeepHitValues(kPrice);
    dbase_indexgrid = grid.get();
  }
  void TearDown() override {
    DbaseKeepHitValues(-1);
    dbase_indexgrid = nullptr;
    QueryTest::TearDown();
  }

  void RunIntoGrid() {
    ASSERT_EQ(dbase_kriterienpruefen(), 1);
    dbase_abfrage(grid.get());
  }
  // The kept sum; NaN when the values do not hold.
  static double Kept(int field = kPrice) {
    double sum = 0;
    return DbaseKeptHitSum(field, sum) ? sum : NAN;
  }

  std::string path;
  std::unique_ptr<TExtColumnGrid> grid = std::make_unique<TExtColumnGrid>(nullptr);
};

TEST_F(HitValuesTest, TheRunKeepsTheValuesOfItsHitsWhateverItsOrder) {
  RunIntoGrid();
  EXPECT_EQ(Kept(), 10.0 + 10.5 + 2 + 100);  // the deleted record is no hit
  Slot(25, "PREIS");
  Slot(26, "DATUM");
  RunIntoGrid();
  EXPECT_EQ(Kept(), 10.0 + 10.5 + 2 + 100);
  Criterion(1, "BESTELLEN", "=", "ja");
  RunIntoGrid();
  EXPECT_EQ(Kept(), 10.0 + 2);
  Criterion(1, "PREIS", ">", "1000");
  RunIntoGrid();
  EXPECT_EQ(dbase_anzahlindex, 0u);
  EXPECT_EQ(Kept(), 0);
  EXPECT_TRUE(std::isnan(Kept(0)));  // not the field kept

  DbaseKeepHitValues(-1);
  RunIntoGrid();
  EXPECT_TRUE(std::isnan(Kept()));
  DbaseKeepHitValues(7);  // a field the table lacks
  RunIntoGrid();
  EXPECT_TRUE(std::isnan(Kept(7)));
}

TEST_F(HitValuesTest, AnyChangeOfWhatTheyCameFromMakesThemStale) {
  auto stale = [&](const char* what, const std::function<void()>& change) {
    RunIntoGrid();
    ASSERT_FALSE(std::isnan(Kept())) << what;
    change();
    EXPECT_TRUE(std::isnan(Kept())) << what;
  };
  stale("a record written", [] {
    ASSERT_EQ(dbase_lesen(0), 1);
    dbase_schreiben(0);
  });
  stale("a record deleted", [] { dbase_loeschen(3); });
  stale("a new record", [] {
    long slot = 0;
    dbase_neuschreiben(slot);
  });
  stale("the table reopened", [&] {
    dbase_close();
    ASSERT_EQ(dbase_open(path), 1);
  });
  stale("a run into another index", [&] { dbase_abfrage(index); });
  TExtColumnGrid other(nullptr);
  stale("another index grid", [&] { dbase_indexgrid = &other; });
  dbase_indexgrid = grid.get();
  stale("the grid's rows", [&] { grid->SetRowCount(2); });
  stale("the decimal separator", [] { DecimalSeparator = '.'; });
  DecimalSeparator = ',';
  stale("the code page", [] { dbm_zeichensatz = 2; });
  dbm_zeichensatz = 0;
  stale("another program's append", [&] {
    std::ofstream(path, std::ios::app | std::ios::binary) << std::string(28, ' ');
  });
}

// A number read straight from its stored bytes must be the number its shown text gives, for
// every text and separators a user can set.
TEST_F(HitValuesTest, AValueReadFromTheStoredBytesIsTheShownTextsNumber) {
  ASSERT_EQ(dbase_lesen(0), 1);
  char* field = dbase_record.data() + dbase_feldoffset[kPrice];
  const char* stored[] = {"   10.50", "  -10.50", "        ", "     .25", "1.2.3.45", "  +12.50",
                          " 1 2.50 ", "   12.  ", "-       ", "  1e3.50", "12,50   ", "   0.001"};
  const std::pair<char, char> separators[] = {{',', '.'}, {'.', ','}, {'.', '.'}, {',', ' '},
                                              {'.', '\''}, {',', '5'}, {';', '.'}};
  for (auto [decimal, thousand] : separators)
    for (const char* text : stored) {
      DecimalSeparator = decimal;
      ThousandSeparator = thousand;
      std::memcpy(field, text, 8);
      const double kept = DbaseHitValue(kPrice);
      dbase_tr(kPrice);
      EXPECT_EQ(kept, DbaseTextValue()) << text << " " << decimal << thousand;
    }
}

// Thousands of hits, plain stored numbers among others that only their shown text reads, and
// sizes far apart, so that a sum in another order would differ in its last digits: the kept
// sum is the one a pass over the hits in record order gives, bit for bit.
TEST_F(HitValuesTest, TheKeptSumIsThePassTotalBitForBit) {
  DbfFile file = PartsFile();
  const char* prices[] = {"99999,99", "   0.001", "   0.003", "  -0.007",
                          "  0.0011", "  1e3.50", "    0.01", "   0.013"};
  for (int n = 0; n < 3000; ++n) file.Add({"Teil", prices[n * 7 % 8], "20120131", "T"});
  Open(file);
  RunIntoGrid();
  ASSERT_EQ(dbase_anzahlindex, 3000u);
  double pass = 0;
  for (long n = 0; n < 3000; ++n) {
    ASSERT_EQ(dbase_lesen(n), 1);
    dbase_tr(kPrice);
    pass += DbaseTextValue();
  }
  EXPECT_EQ(Kept(), pass);
}

}  // namespace
