#include <cstring>

#include "tests/engine/EngineTest.h"

namespace {

// Fields: 0 C 10, 1 N 8.2, 2 D 8, 3 L 1, 4 N 4, 5 M 10.
class FieldsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    DbfFile file{{{"TEXT", 'C', 10}, {"PREIS", 'N', 8, 2}, {"DATUM", 'D', 8}, {"BESTELLEN", 'L', 1},
                  {"ANZAHL", 'N', 4}, {"MEMO", 'M', 10}}};
    file.Add({"", "   12.50", "20121231", "y", "   7", "0000000042"});
    Open(file);
    ASSERT_EQ(dbase_lesen(0), 1);
  }
  std::string Stored(int n) const {
    return std::string(&dbase_record[dbase_feldoffset[n]], dbase_feldlength[n]);
  }
  std::string Written(const AnsiString& text, int n) {
    EXPECT_EQ(dbase_feldschreibenAnsi(text, n), 1);
    return Stored(n);
  }
};

TEST_F(FieldsTest, TextLosesTrailingBlanksAndIsPaddedOrCutBack) {
  EXPECT_EQ(dbase_tr(0), 1);
  EXPECT_STREQ(dbase_text, "");
  EXPECT_EQ(Written("abc", 0), "abc       ");
  EXPECT_EQ(Written(" a b ", 0), " a b      ");
  EXPECT_EQ(dbase_trAnsi(0), " a b");
  EXPECT_EQ(Written("zu langer Text", 0), "zu langer ");
}

TEST_F(FieldsTest, TextIsConvertedByTheDefinitionsCodePage) {
  dbm_zeichensatz = 2;
  std::memcpy(&dbase_record[1], "\x84gypten  ", 10);
  EXPECT_EQ(dbase_trAnsi(0), "\xE4gypten");
  EXPECT_EQ(Written("\xE4gypten", 0), "\x84gypten   ");
  dbm_zeichensatz = 1;
  EXPECT_EQ(Written("\x84gypten", 0), "\xE4gypten   ");
  EXPECT_EQ(dbase_trAnsi(0), "\x84gypten");
}

// The start of a text straight from the record: the shown text cut and trimmed again, for
// every code page, a NUL in the field and a deleted record.
TEST_F(FieldsTest, ATextsStartIsItsShownTextCut) {
  for (const char* stored : {"ab  cdef  ", "\x84gy\0ten  ", "  \x94l     ", "          "})
    for (uint8_t zeichensatz : {0, 1, 2})
      for (std::size_t cut : {4, 19}) {
        std::memcpy(&dbase_record[1], stored, 10);
        dbm_zeichensatz = zeichensatz;
        dbase_tr(0);
        std::string shown = std::string(dbase_text).substr(0, cut);
        shown.erase(shown.find_last_not_of(' ') + 1);
        char out[19];
        EXPECT_EQ(DbaseTextFieldStart(dbase_tabelle, 0, zeichensatz, out, cut), shown)
            << stored << " " << int{zeichensatz} << " " << cut;
      }
  dbase_record[0] = '*';
  char out[19];
  EXPECT_EQ(DbaseTextFieldStart(dbase_tabelle, 0, 0, out, 19), "");
}

TEST_F(FieldsTest, NumbersUseTheLocalesDecimalSeparator) {
  EXPECT_EQ(dbase_trAnsi(1), "12,50");
  EXPECT_EQ(Written("12,50", 1), "   12.50");
  DecimalSeparator = '.';
  ThousandSeparator = ',';
  EXPECT_EQ(dbase_trAnsi(1), "12.50");
  EXPECT_EQ(Written("3.5", 1), "     3.5");
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(FieldsTest, ANumberTooLongForItsFieldIsReportedAndCut) {
  EXPECT_EQ(Written("123456", 4), "1234");
  EXPECT_EQ(log.texts, std::vector<AnsiString>{"dbase_tr: Zahl (123456) > dbase_feldlength(4),  Feld: 4"});
}

TEST_F(FieldsTest, DatesTurnBetweenStoredAndShownOrder) {
  EXPECT_EQ(dbase_trAnsi(2), "31.12.2012");
  EXPECT_EQ(Written("01.02.2013", 2), "20130201");
  EXPECT_EQ(Written("1.2.13", 2), "    .11.");  // rearranged as it stands, blank-padded
  EXPECT_EQ(Written("", 2), "        ");
  EXPECT_EQ(dbase_trAnsi(2), "  .  .    ");
}

TEST_F(FieldsTest, LogicalsAreJaOrNein) {
  EXPECT_EQ(dbase_trAnsi(3), "ja");
  for (const char* yes : {"ja", "J"}) EXPECT_EQ(Written(yes, 3), "T");
  EXPECT_EQ(dbase_trAnsi(3), "ja");
  for (const char* no : {"nein", "vielleicht", ""}) EXPECT_EQ(Written(no, 3), "F");
  EXPECT_EQ(dbase_trAnsi(3), "nein");
  dbase_record[dbase_feldoffset[3]] = '?';
  EXPECT_EQ(dbase_trAnsi(3), "nein");
}

TEST_F(FieldsTest, MemoBytesPassUnchanged) {
  EXPECT_EQ(dbase_trAnsi(5), "0000000042");
  EXPECT_EQ(Written("0", 5), "0         ");
}

TEST_F(FieldsTest, AnInvalidFieldNumberIsReportedAndTouchesNothing) {
  std::vector<char> before = dbase_record;
  EXPECT_EQ(dbase_tr(6), 0);
  EXPECT_STREQ(dbase_text, "");
  EXPECT_EQ(dbase_feldschreibenAnsi("x", -1), 0);
  EXPECT_EQ(log.texts, (std::vector<AnsiString>{"dbase_tr: Feldnummer>=dbase_anzahldatenfelder: 6",
                                                "dbase_tr: Feldnummer>=dbase_anzahldatenfelder: -1"}));
  EXPECT_EQ(dbase_record, before);
}

}  // namespace
