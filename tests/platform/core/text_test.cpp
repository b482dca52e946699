#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/core/exception.h"
#include "platform/core/text.h"

namespace {

class Separators : public testing::Test {
 protected:
  void SetUp() override {
    savedDecimal_ = DecimalSeparator;
    savedThousand_ = ThousandSeparator;
    DecimalSeparator = ',';
    ThousandSeparator = '.';
  }
  void TearDown() override {
    DecimalSeparator = savedDecimal_;
    ThousandSeparator = savedThousand_;
  }

 private:
  char savedDecimal_ = '.', savedThousand_ = ',';
};

TEST(Text, EveryByteSurvivesTheUtf8RoundTrip) {
  AnsiString all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(AnsiToUtf8("\x81"), "\xC2\x81");      // undefined byte as C1 control
  EXPECT_EQ(AnsiToUtf8("f\xFCr"), "f\xC3\xBCr");
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");  // not in the code page
}

TEST(Text, IntegerConversions) {
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(StrToInt(" 17 "), 17);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_THROW(StrToInt("12a"), EConvertError);
  EXPECT_THROW(StrToInt("99999999999"), EConvertError);
  EXPECT_EQ(StrToIntDef("", 5), 5);
  try {
    StrToInt("x");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "'x' is not a valid integer value");
  }
}

TEST_F(Separators, FloatFormatsUseTheSeparators) {
  EXPECT_EQ(FloatToStr(1.5), "1,5");
  EXPECT_EQ(FloatToStr(0.1 + 0.2), "0,3");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(1.5e-7), "1,5E-7");
  EXPECT_EQ(FloatToStr(-0.0), "0");
  EXPECT_EQ(FloatToStrF(2.345, ffFixed, 15, 2), "2,35");
  EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2), "0,00");
  EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
  EXPECT_EQ(FloatToStrF(-1234.5, ffNumber, 15, 1), "-1.234,5");
  EXPECT_EQ(FloatToStrF(123.456, ffGeneral, 4, 0), "123,5");
  EXPECT_EQ(FloatToStrF(12346, ffGeneral, 4, 0), "1,235E4");
  EXPECT_DOUBLE_EQ(StrToFloat("3,25"), 3.25);
  EXPECT_THROW(StrToFloat("3.25"), EConvertError);
}

TEST(Text, CaseFunctions) {
  EXPECT_EQ(UpperCase("abc\xE4\xF6\xFC"), "ABC\xE4\xF6\xFC");
  EXPECT_EQ(AnsiUpperCase("abc\xE4\xF6\xFC\xFF\x9A"), "ABC\xC4\xD6\xDC\x9F\x8A");
  EXPECT_EQ(AnsiLowerCase("\xC4\xD6\xDC\xDFX"), "\xE4\xF6\xFC\xDFx");
  EXPECT_EQ(AnsiUpperCase("\xF7\xDF"), "\xF7\xDF");  // division sign and sharp s stay
  EXPECT_TRUE(SameText("Abc", "aBC"));
}

TEST(Text, OneBasedPositions) {
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("x", "hello"), 0);
  EXPECT_EQ(Copy("hello", 2, 3), "ell");
  EXPECT_EQ(Copy("hello", 4, 100), "lo");
  EXPECT_EQ(Copy("hello", 9, 1), "");
  AnsiString s = "hello";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "hlo");
  Insert("EL", s, 2);
  EXPECT_EQ(s, "hELlo");
  Insert("!", s, 99);
  EXPECT_EQ(s, "hELlo!");
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
}

}  // namespace

namespace {

// Qt sets the C library's locale from the environment; the text functions must not follow it.
TEST(Text, NumbersIgnoreTheProcessLocale) {
  const char* old = setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (!setlocale(LC_NUMERIC, "de_DE.UTF-8") && !setlocale(LC_NUMERIC, "de_DE"))
    GTEST_SKIP() << "no German locale installed";
  char decimal = DecimalSeparator;
  DecimalSeparator = '.';
  EXPECT_EQ(FloatToStr(12.5), "12.5");
  EXPECT_EQ(FloatToStrF(12.5, ffFixed, 15, 2), "12.50");
  EXPECT_DOUBLE_EQ(StrToFloat("12.5"), 12.5);
  DecimalSeparator = decimal;
  setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
