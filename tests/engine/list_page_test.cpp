// Walking the result index: record numbers by position, the list page's rows, its scroll bar.
#include <climits>
#include <utility>

#include "tests/engine/QueryTest.h"

namespace {

using ListPageTest = QueryTest;

TEST_F(ListPageTest, PositionsGiveRecordNumbers) {
  EXPECT_EQ(DbaseIndexRecord(index, 0), 0);  // no hits yet
  Slot(25, "PREIS");
  Run();
  EXPECT_EQ(DbaseIndexRecord(index, 0), 2);
  EXPECT_EQ(DbaseIndexRecord(index, 4), 5);
  EXPECT_EQ(DbaseIndexRecord(index, 5), 0);  // the empty row
  EXPECT_EQ(DbaseIndexRecord(index, -1), 0);
  EXPECT_EQ(DbaseIndexRecord(index, 99), 0);
}

TEST_F(ListPageTest, APositionsNumberIsWhatItsTextStartsWith) {
  const std::vector<std::pair<std::string, long>> cases = {
      {"12", 12},
      {" 12", 12},
      {"+7", 7},
      {"-3", -3},
      {"12abc", 12},
      {"x", 0},
      {"", 0},
      {"0012", 12},
      {"123456789012345678", 123456789012345678},
      {"99999999999999999999", LONG_MAX}};
  for (const auto& [text, number] : cases) index.AddHit(text, "", "");
  dbase_anzahlindex = static_cast<uint32_t>(cases.size());
  for (std::size_t p = 0; p < cases.size(); ++p)
    EXPECT_EQ(DbaseIndexRecord(index, static_cast<long>(p)), cases[p].second) << cases[p].first;
}

TEST_F(ListPageTest, TheHitsRecordsComeInRecordOrder) {
  EXPECT_TRUE(DbaseHitRecords(index).empty());  // no hits yet
  Run();
  EXPECT_EQ(DbaseHitRecords(index), (std::vector<long>{0, 1, 2, 3, 5}));
  Slot(25, "PREIS");
  EXPECT_EQ(Run(), (Hits{"2", "0", "1", "3", "5"}));
  EXPECT_EQ(DbaseHitRecords(index), (std::vector<long>{0, 1, 2, 3, 5}));
}

TEST_F(ListPageTest, APageOfTwentyRowsWithFiveHits) {
  Run();
  const std::vector<int> tags = {0, 1, 0};  // position, price, designation
  std::vector<std::vector<AnsiString>> page;
  dbase_ersterindex = 0;
  for (int row = 1; row <= 20; ++row) page.push_back(DbasePageRow(index, dbase_ersterindex + row - 1, tags));
  EXPECT_EQ(page[0], (std::vector<AnsiString>{"0", "10,00", "Rainer"}));
  EXPECT_EQ(page[4], (std::vector<AnsiString>{"4", "", "Zange"}));
  for (int row = 6; row <= 20; ++row) EXPECT_EQ(page[row - 1], (std::vector<AnsiString>{"-1", "", ""})) << row;
  EXPECT_EQ(DbasePageRow(index, 2, {0}), std::vector<AnsiString>{"2"});
  EXPECT_EQ(DbasePageRow(index, 2, {}), std::vector<AnsiString>{"2"});

  DbaseScrollRange range = DbaseScrollRangeFor(21);
  EXPECT_EQ(range.Min, 0);
  EXPECT_EQ(range.Max, 4);
  EXPECT_EQ(range.LargeChange, 19);
  EXPECT_EQ(range.Position, 0);
  dbase_ersterindex = 3;
  EXPECT_EQ(DbaseScrollRangeFor(21).Position, 3);
}

// A hit deleted since the run shows as a row past the hits do, so nothing opens it as a
// record; a field the table lacks leaves its cells empty without a message per cell.
TEST_F(ListPageTest, DeletedHitsAndMissingFieldsShowNothing) {
  Run();
  ASSERT_EQ(dbase_loeschen(2), 1);
  EXPECT_EQ(DbasePageRow(index, 2, {0, 0}), (std::vector<AnsiString>{"-1", ""}));
  EXPECT_EQ(DbasePageRow(index, 3, {0, 0, 40, -1}), (std::vector<AnsiString>{"3", "Rad", "", ""}));
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(ListPageTest, OneHitOrNoneScrollsNowhere) {
  Criterion(1, "BEZEICHNUN", "=", "Rad");
  Run();
  EXPECT_EQ(DbaseScrollRangeFor(21).Max, 0);
  Criterion(1, "BEZEICHNUN", "=", "Nichts");
  Run();
  EXPECT_EQ(DbaseScrollRangeFor(21).Max, 0);
  EXPECT_EQ(DbasePageRow(index, 0, {0, 0}), (std::vector<AnsiString>{"-1", ""}));
}

}  // namespace
