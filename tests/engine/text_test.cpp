#include <cstring>
#include <ctime>

#include "tests/engine/EngineTest.h"

namespace {

using TextTest = EngineTest;

double Number(const char* text) {
  std::strcpy(dbase_text, text);
  return dbase_textnachzahl();
}

AnsiString Formatted(double value) {
  dbase_zahlnachtext(value);
  return dbase_text;
}

TEST_F(TextTest, TextToNumberDropsThousandsAndReadsTheDecimalSeparator) {
  EXPECT_EQ(Number("1.234,5"), 1234.5);
  EXPECT_EQ(Number("1.5"), 15);
  EXPECT_EQ(Number("  -3,5 Stk"), -3.5);
  EXPECT_EQ(Number("+2,5"), 2.5);
  EXPECT_EQ(Number(""), 0);
  EXPECT_EQ(Number("abc"), 0);
  DecimalSeparator = '.';
  ThousandSeparator = ',';
  EXPECT_EQ(Number("1,234.5"), 1234.5);
  EXPECT_EQ(dbase_ansinachzahl(std::string(300, '7')), std::stod(std::string(254, '7')));
}

TEST_F(TextTest, TheTextsValueIsWhatItsCopyReads) {
  for (const char* text : {"  12,75", "1.234,5", "", "x", "-0,5"}) {
    std::strcpy(dbase_text, text);
    const double copied = dbase_ansinachzahl(dbase_text);
    std::strcpy(dbase_text, text);
    EXPECT_EQ(DbaseTextValue(), copied) << text;
  }
  // A text of the buffer's whole length is cut as a copy cuts it.
  std::memset(dbase_text, '7', kDbaseTextSize - 1);
  dbase_text[kDbaseTextSize - 1] = '\0';
  EXPECT_EQ(DbaseTextValue(), std::stod(std::string(kDbaseTextCut, '7')));
  EXPECT_EQ(std::strlen(dbase_text), std::size_t{kDbaseTextCut});
}

TEST_F(TextTest, NumberToTextUsesTheDecimalsAndTheSeparator) {
  EXPECT_EQ(Formatted(1234.5), "1234,50");
  EXPECT_EQ(Formatted(0), "0,00");
  dbase_nachkomma = 3;
  EXPECT_EQ(Formatted(-0.1), "-0,100");
  DecimalSeparator = '.';
  EXPECT_EQ(Formatted(12.3456), "12.346");
}

TEST_F(TextTest, CharacterSearchLooksAtTheFirst80Characters) {
  std::strcpy(dbase_text, "12.50.7");
  EXPECT_EQ(dbase_zeichensuchen('.'), 2);
  EXPECT_EQ(dbase_zeichensuchen(','), -1);
  std::strcpy(dbase_text, (std::string(85, 'a') + ".").c_str());
  EXPECT_EQ(dbase_zeichensuchen('.'), -1);
}

TEST_F(TextTest, UmlautsTurnBetweenOemAndAnsi) {
  const char oem[] = "\x81\x84\x8E\x94\x99\x9A\xE1 x\xE9";
  const char ansi[] = "\xFC\xE4\xC4\xF6\xD6\xDC\xDF x\xE9";
  std::strcpy(dbase_text, oem);
  dbase_oemnachansi();
  EXPECT_STREQ(dbase_text, ansi);
  dbase_ansinachoem();
  EXPECT_STREQ(dbase_text, oem);
}

TEST_F(TextTest, WildcardsMatchTheWholeText) {
  EXPECT_EQ(dbase_wildcardvergleich("R*", "Relais", 1), 0);
  EXPECT_NE(dbase_wildcardvergleich("R*", "Trafo", 1), 0);
  EXPECT_EQ(dbase_wildcardvergleich("?0*", "10 kOhm", 1), 0);
  EXPECT_NE(dbase_wildcardvergleich("?0*", "1k0", 1), 0);
  EXPECT_NE(dbase_wildcardvergleich("*", "", 1), 0);
  EXPECT_EQ(dbase_wildcardvergleich("", "irgendwas", 1), 0);
  EXPECT_EQ(dbase_wildcardvergleich("relais", "RELAIS", 0), 0);
  EXPECT_NE(dbase_wildcardvergleich("relais", "RELAIS", 1), 0);
  EXPECT_EQ(dbase_wildcardvergleich("\xFC*", "\xDC" "bertrager", 0), 0);
  EXPECT_EQ(dbase_wildcardvergleich("*a*b?", "xxaxxbyb1", 1), 0);
  EXPECT_EQ(dbase_wildcardvergleich("a*b**", "ab", 1), 0);
  EXPECT_NE(dbase_wildcardvergleich("ab", "abc", 1), 0);
  EXPECT_EQ(dbase_wildcardvergleich("abc", "ab", 1), 'c');
}

TEST_F(TextTest, DatesSplitAndFormat) {
  dbase_datumzerlegen("31.12.2012");
  EXPECT_EQ(std::vector<int>({dbase_tag, dbase_monat, dbase_jahr}), std::vector<int>({31, 12, 2012}));
  for (const char* other : {"1.2.2013", "00.00.0000", "31.12.20120"}) {
    dbase_datumzerlegen(other);
    EXPECT_EQ(dbase_tag + dbase_monat + dbase_jahr, 0) << other;
  }
  dbase_tag = 5, dbase_monat = 3, dbase_jahr = 812;
  dbase_datumformatieren();
  EXPECT_STREQ(dbase_text, "05.03.0812");

  std::time_t now = std::time(nullptr);
  std::tm today{};
  localtime_r(&now, &today);
  dbase_datumheute();
  EXPECT_EQ(dbase_tag, today.tm_mday);
  EXPECT_EQ(dbase_jahr, today.tm_year + 1900);
  EXPECT_EQ(std::strlen(dbase_text), 10u);
}

}  // namespace
