// Checking a query: names resolved to fields, values checked against the fields' types, and
// the messages naming the criterion.
#include "tests/engine/QueryTest.h"

namespace {

using QueryCheckTest = QueryTest;

TEST_F(QueryCheckTest, ResolvesNamesWithoutCaseAndLeavesEmptyOnesUnused) {
  Criterion(1, "bezeichnun", "=", "R*");
  Criterion(8, "Bestellen", "=", "ja");
  Slot(25, "preis");
  Slot(27, "DATUM");
  EXPECT_EQ(dbase_kriterienpruefen(), 1);
  EXPECT_EQ(std::vector<int>(dbase_abfragefeld, dbase_abfragefeld + kDbaseQueryFields),
            (std::vector<int>{0, -1, -1, -1, -1, -1, -1, 3, 1, -1, 2}));
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(QueryCheckTest, AnUnknownFieldIsNamedWithItsCriterionNumber) {
  Criterion(2, "preisx", "=", "1");
  Slot(26, "Farbe");
  EXPECT_EQ(dbase_kriterienpruefen(), -1);
  Criterion(2, "", "", "");
  EXPECT_EQ(dbase_kriterienpruefen(), -1);
  EXPECT_EQ(log.texts, (std::vector<AnsiString>{
                           "PREISX - Feld existiert nicht - bitte berichtigen - Kriterium: 2",
                           "FARBE - Feld existiert nicht - bitte berichtigen - Kriterium: 10"}));
}

TEST_F(QueryCheckTest, ValuesMustSuitTheirFieldsType) {
  struct Case {
    std::string field, value;
    std::string fault;  // empty: accepted
  };
  const std::string notNumeric = " = nicht numerisch und pa\xDFt nicht zum Feldtyp - Kriterium: 3";
  const std::string notLogical = " - logisches Feld, nur 'ja' oder 'nein' m\xF6glich - Kriterium: 3";
  const std::string notDate = " - Datumseingabe erforderlich! - Kriterium: 3";
  for (const Case& c : std::vector<Case>{{"PREIS", "abc", notNumeric},
                                         {"PREIS", "", notNumeric},
                                         {"PREIS", "x-", ""},
                                         {"PREIS", ",", ""},
                                         {"PREIS", ".", notNumeric},
                                         {"BESTELLEN", "Ja", notLogical},
                                         {"BESTELLEN", "nein", ""},
                                         {"DATUM", "00.00.0000", ""},
                                         {"DATUM", "31.12.2100", ""},
                                         {"DATUM", "32.01.2000", notDate},
                                         {"DATUM", "01.13.2000", notDate},
                                         {"DATUM", "31.12.1849", notDate},
                                         {"DATUM", "1.1.2000", notDate},
                                         {"DATUM", "00.00.2000", notDate},
                                         {"BEZEICHNUN", "", ""}}) {
    log.texts.clear();
    Criterion(3, c.field, "=", c.value);
    EXPECT_EQ(dbase_kriterienpruefen(), c.fault.empty() ? 1 : -1) << c.field << " " << c.value;
    EXPECT_EQ(log.texts, c.fault.empty() ? std::vector<AnsiString>{} : std::vector<AnsiString>{c.value + c.fault});
  }
}

TEST_F(QueryCheckTest, TheCheckStopsAtTheFirstFault) {
  Criterion(1, "PREIS", "=", "x");
  Criterion(2, "BESTELLEN", "=", "x");
  EXPECT_EQ(dbase_kriterienpruefen(), -1);
  EXPECT_EQ(log.texts.size(), 1u);
}

}  // namespace
