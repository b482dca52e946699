// Running a query: the grouping of the criteria, each field type with its operators, the
// sort texts and the two sorts.
#include "tests/engine/QueryTest.h"

namespace {

using QueryRunTest = QueryTest;

TEST_F(QueryRunTest, WithoutCriteriaEveryValidRecordIsAHitInRecordOrder) {
  EXPECT_EQ(Run(), (Hits{"0", "1", "2", "3", "5"}));
  EXPECT_EQ(Column(1), (Hits{"Rainer", "rot", "Blau", "Rad", "Zange"}));
  EXPECT_EQ(Column(2), (Hits{"", "", "", "", ""}));
  EXPECT_EQ(dbase_indexfeld1, 0);
  EXPECT_EQ(dbase_prozent, 83);  // the last record read was 5 of 6
}

// A header that counts more records than the file holds: the missing ones are no hits, and
// a count near the limit does not make the run read four billion records.
TEST_F(QueryRunTest, RecordsTheFileDoesNotHoldAreNoHits) {
  DbfFile file = PartsFile();
  file.Add({"Rainer", "   10.00", "20120131", "T"}).Add({"rot", "   10.50", "00000000", "F"});
  file.count = 25;
  Open(file, "kurz.dbf");
  EXPECT_EQ(Run(), (Hits{"0", "1"}));
  file.count = 0xFFFFFFFF;
  Open(file, "riesig.dbf");
  EXPECT_EQ(Run(), (Hits{"0", "1"}));
}

TEST_F(QueryRunTest, CriteriaSevenAndEightAloneFindNothing) {
  dbase_abfrageergebnis = 1;
  Criterion(7, "BESTELLEN", "=", "ja");
  EXPECT_EQ(Run(), Hits{});
  EXPECT_EQ(dbase_anzahlindex, 0u);
  EXPECT_EQ(dbase_abfrageergebnis, 255);
}

TEST_F(QueryRunTest, PairsAreOredAndTheLastPairIsAndedToThem) {
  Criterion(1, "BEZEICHNUN", "=", "Blau");
  Criterion(3, "BEZEICHNUN", "=", "Rad");
  EXPECT_EQ(Run(), (Hits{"2", "3"}));
  Criterion(4, "BESTELLEN", "=", "ja");  // 1 oder (3 und 4)
  EXPECT_EQ(Run(), (Hits{"2"}));
  Criterion(5, "PREIS", ">", "5");
  Criterion(8, "DATUM", ">", "01.01.2012");  // [1 oder (3 und 4) oder 5] und 8
  EXPECT_EQ(Run(), (Hits{"0", "3"}));
  EXPECT_EQ(dbase_indexfeld1, 0);  // criterion 1's field
}

TEST_F(QueryRunTest, TextCriteriaMatchWildcardsOrCompareBytes) {
  Criterion(1, "BEZEICHNUN", "=", "R*");
  EXPECT_EQ(Run(), (Hits{"0", "3"}));
  dbase_grossklein = 0;
  EXPECT_EQ(Run(), (Hits{"0", "1", "3"}));
  dbase_grossklein = 1;
  Criterion(1, "BEZEICHNUN", "!", "R*");
  EXPECT_EQ(Run(), (Hits{"1", "2", "5"}));
  Criterion(1, "BEZEICHNUN", "<", "Rb");
  EXPECT_EQ(Run(), (Hits{"0", "2", "3"}));
  Criterion(1, "BEZEICHNUN", ">", "Rb");
  EXPECT_EQ(Run(), (Hits{"1", "5"}));
  Criterion(1, "BEZEICHNUN", "#", "Rad");  // no such operator: never holds
  EXPECT_EQ(Run(), Hits{});
}

TEST_F(QueryRunTest, LogicalCriteriaCompareTheirFirstLetterTheOtherWayRound) {
  Criterion(1, "BESTELLEN", "=", "ja");
  EXPECT_EQ(Run(), (Hits{"0", "2", "5"}));
  Criterion(1, "BESTELLEN", "<", "ja");
  EXPECT_EQ(Run(), (Hits{"1", "3"}));
  EXPECT_GT(dbase_feldvergleich(3, "nein"), 0);
}

TEST_F(QueryRunTest, NumberCriteriaCompareValuesWithTheLocalesSeparator) {
  Criterion(1, "PREIS", ">", "10");
  EXPECT_EQ(Run(), (Hits{"1", "3"}));
  Criterion(1, "PREIS", "=", "10,5");
  EXPECT_EQ(Run(), (Hits{"1"}));
  Criterion(1, "PREIS", "<", "1");  // an empty number counts as 0
  EXPECT_EQ(Run(), (Hits{"5"}));
}

TEST_F(QueryRunTest, DateCriteriaCompareTheStoredBytes) {
  Criterion(1, "DATUM", "=", "00.00.0000");
  EXPECT_EQ(Run(), (Hits{"1"}));  // eight zeros, not the blank date
  Criterion(1, "DATUM", "<", "31.12.2012");
  EXPECT_EQ(Run(), (Hits{"0", "1", "2", "5"}));
  Criterion(1, "DATUM", ">", "01.01.2012");
  EXPECT_EQ(Run(), (Hits{"0", "3"}));
}

TEST_F(QueryRunTest, LongCriteriaAndFieldTextsCompareOnNineteenCharacters) {
  dbase_close();
  DbfFile file{{{"NAME", 'C', 30}}};
  file.Add({"abcdefghijklmnopqrsXYZ"}).Add({"abcdefghijklmnopqr   Z"});
  Open(file, "lang.dbf");
  ASSERT_EQ(dbase_lesen(0), 1);
  EXPECT_EQ(dbase_feldvergleich(0, "abcdefghijklmnopqrsANDERS"), 0);
  EXPECT_NE(dbase_feldvergleich(0, "abcdefghijklmnopqrtANDERS"), 0);
  EXPECT_EQ(Run(), (Hits{"0", "1"}));
  EXPECT_EQ(Column(1), (Hits{"abcdefghijklmnopqrs", "abcdefghijklmnopqr"}));
}

TEST_F(QueryRunTest, NumbersSortByValueWithEmptyValuesLast) {
  Slot(25, "PREIS");
  EXPECT_EQ(Run(), (Hits{"2", "0", "1", "3", "5"}));
  EXPECT_EQ(Column(1), (Hits{"2", "10,00", "10,50", "100", ""}));
  EXPECT_EQ(dbase_indexfeld1, 1);
}

TEST_F(QueryRunTest, TwoKeysSortByTheFirstThenTheSecond) {
  Slot(25, "BESTELLEN");
  Slot(26, "PREIS");
  EXPECT_EQ(Run(), (Hits{"2", "0", "5", "1", "3"}));
  EXPECT_EQ(Column(1), (Hits{"ja", "ja", "ja", "nein", "nein"}));
  EXPECT_EQ(Column(2), (Hits{"2", "10,00", "", "10,50", "100"}));
}

TEST_F(QueryRunTest, DatesSortByDayAndTextsByByte) {
  Slot(25, "DATUM");
  Hits hits = Run();
  ASSERT_EQ(hits.size(), 5u);
  EXPECT_EQ(Hits(hits.begin() + 2, hits.end()), (Hits{"5", "0", "3"}));  // no date (1, 2) first
  Slot(25, "BEZEICHNUN");
  EXPECT_EQ(Run(), (Hits{"2", "3", "0", "5", "1"}));  // capitals before small letters
}

// Equal designations, a prefix, a byte above the letters and empty texts.
DbfFile TiedPartsFile() {
  DbfFile file = PartsFile();
  for (const char* name : {"Rad", "Blau", "Rad", "", "Rad", "\xC4pfel", "Rad2", "Blau", ""})
    file.Add({name, "       1", "20120101", file.records.size() % 3 == 2 ? "T" : "F"});
  return file;
}

TEST_F(QueryRunTest, EqualTextKeysKeepTheirRecordOrder) {
  Open(TiedPartsFile());
  Slot(25, "BEZEICHNUN");
  EXPECT_EQ(Run(), (Hits{"1", "7", "0", "2", "4", "6", "5", "3", "8"}));
  Slot(26, "BESTELLEN");  // record 2 is the only Rad to be ordered
  EXPECT_EQ(Run(), (Hits{"1", "7", "2", "0", "4", "6", "5", "8", "3"}));
  EXPECT_EQ(Column(2), (Hits{"nein", "nein", "ja", "nein", "nein", "nein", "ja", "ja", "nein"}));
  Slot(25, "");  // the second key alone
  EXPECT_EQ(Run(), (Hits{"2", "5", "8", "0", "1", "3", "4", "6", "7"}));
  EXPECT_EQ(Column(1)[1], "\xC4pfel");
}

}  // namespace
