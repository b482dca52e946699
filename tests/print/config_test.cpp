#include "print_fixture.h"

namespace {

using ConfigTest = PrintTest;

// A configuration with something in every field; names with umlauts (Windows-1252).
TXPrintConfig Sample() {
  TXPrintConfig c;
  c.Valid = true;
  c.PrinterIndex = 1;
  c.Scaling = pscMetric10;
  c.MarginLeft = -5;
  c.MarginTop = 150;
  c.MarginRight = 99999999;
  c.MarginBottom = 0;
  c.FontCharset = 238;
  c.FontColor = clWindowText;  // a system colour: negative as a 32-bit number
  c.FontHeight = -67;
  c.FontName = "Gr\xF6\xDF" "e \xC4\xD6\xDC";
  c.FontPitch = fpFixed;
  c.FontSize = 8;
  c.FontStyle = TFontStyles{fsBold, fsStrikeOut};
  c.Copies = 2;
  c.Orientation = xpoLandscape;
  c.Angle10 = -3599;
  c.RotationActive = true;
  c.Title = "St\xFC" "ckliste f\xFCr \xC4nderungen";
  return c;
}

// The text with the check value made right again after a change.
AnsiString Resealed(AnsiString text) {
  unsigned char check = 0;
  for (size_t i = 0; i < 171; ++i) check ^= static_cast<unsigned char>(text[i]);
  char digits[4];
  std::snprintf(digits, sizeof digits, "%03u", check);
  return text.replace(171, 3, digits);
}

TEST_F(ConfigTest, TheTextHasItsFieldsInPlace) {
  AnsiString text = TXPrint::ConfigToStr(Sample());
  ASSERT_EQ(text.size(), 174u);
  EXPECT_EQ(text.substr(0, 8), "RRP00012");
  EXPECT_EQ(text.substr(8, 8), "-0000005");
  EXPECT_EQ(text.substr(16, 8), "00000150");
  EXPECT_EQ(text.substr(40, 3), "238");
  EXPECT_EQ(text.substr(43, 11), "-2147483640");
  EXPECT_EQ(text.substr(54, 4), "-067");
  EXPECT_EQ(text.substr(58, 10), "Gr\xF6\xDF" "e \xC4\xD6\xDC\x7F");
  EXPECT_EQ(text.substr(89, 7), "\x7F" "20008" "9");  // pitch, size, style bold + strike-out
  EXPECT_EQ(text.substr(96, 12), "000021-35991");
  EXPECT_EQ(text[171 - 1], '\x7F');
  EXPECT_EQ(Resealed(text), text);
  // A name of 31 characters is followed by one fill character.
  TXPrintConfig c = Sample();
  c.FontName = AnsiString(31, 'N');
  text = TXPrint::ConfigToStr(c);
  EXPECT_EQ(text.substr(58, 32), AnsiString(31, 'N') + "\x7F");
}

TEST_F(ConfigTest, TextAndRecordGoRoundWithUmlauts) {
  TXPrint xp(nullptr);
  TXPrintConfig c = xp.StrToConfig(TXPrint::ConfigToStr(Sample()));
  EXPECT_TRUE(c == Sample());
  EXPECT_EQ(c.FontName, "Gr\xF6\xDF" "e \xC4\xD6\xDC");
  EXPECT_EQ(c.Title, "St\xFC" "ckliste f\xFCr \xC4nderungen");
  // Names fill their fields whole; longer ones are cut to them.
  c.FontName = AnsiString(40, '\xE4');
  c.Title = AnsiString(70, '\xFF');
  TXPrintConfig back = xp.StrToConfig(TXPrint::ConfigToStr(c));
  EXPECT_TRUE(back.Valid);
  EXPECT_EQ(back.FontName, AnsiString(32, '\xE4'));
  EXPECT_EQ(back.Title, AnsiString(63, '\xFF'));
}

TEST_F(ConfigTest, AComponentTakesAndGivesItsConfiguration) {
  TXPrint xp(nullptr);
  TXPrintConfig wanted = Sample();
  wanted.FontHeight = -11;  // the height that size 8 gives at 96 dpi
  xp.SetConfig(wanted);
  EXPECT_TRUE(xp.GetConfig() == wanted);
  EXPECT_EQ(xp.Canvas->CurrentLogFont().lfEscapement, -3599);

  // An invalid record changes nothing.
  TXPrintConfig invalid = Sample();
  invalid.Valid = false;
  invalid.Copies = 9;
  xp.SetConfig(invalid);
  EXPECT_EQ(xp.GetCopies(), 2);
  EXPECT_EQ(TXPrint::ConfigToStr(invalid), "");
}

TEST_F(ConfigTest, AValueTooWideForItsFieldGivesNoText) {
  for (auto change : std::initializer_list<void (*)(TXPrintConfig&)>{
           [](TXPrintConfig& c) { c.MarginLeft = 123456789; },
           [](TXPrintConfig& c) { c.MarginTop = -10000000; },
           [](TXPrintConfig& c) { c.PrinterIndex = 1000; },
           [](TXPrintConfig& c) { c.Copies = 100000; },
           [](TXPrintConfig& c) { c.FontHeight = -1000; },
           [](TXPrintConfig& c) { c.Angle10 = 123456; }}) {
    TXPrintConfig c = Sample();
    change(c);
    EXPECT_EQ(TXPrint::ConfigToStr(c), "");
  }
}

TEST_F(ConfigTest, DamagedTextsAreRefused) {
  TXPrint xp(nullptr);
  AnsiString good = TXPrint::ConfigToStr(Sample());
  ASSERT_TRUE(xp.StrToConfig(good).Valid);
  // Any changed character without a new check value.
  for (size_t i = 0; i < 171; i += 7) {
    AnsiString bad = good;
    bad[i] = bad[i] == '1' ? '2' : '1';
    EXPECT_FALSE(xp.StrToConfig(bad).Valid) << i;
  }
  // Wrong lengths, even with the right start.
  EXPECT_FALSE(xp.StrToConfig("").Valid);
  EXPECT_FALSE(xp.StrToConfig("RRP0").Valid);
  EXPECT_FALSE(xp.StrToConfig(good.substr(0, 173)).Valid);
  EXPECT_FALSE(xp.StrToConfig(good + " ").Valid);
  // Sealed again but not numbers, or numbers out of their range.
  auto withField = [&](size_t position, const AnsiString& field) {
    AnsiString text = good;
    return Resealed(text.replace(position, field.size(), field));
  };
  EXPECT_FALSE(xp.StrToConfig(withField(0, "RRP1")).Valid);
  EXPECT_FALSE(xp.StrToConfig(withField(8, "0000 005")).Valid);
  EXPECT_FALSE(xp.StrToConfig(withField(8, "00x00005")).Valid);
  EXPECT_FALSE(xp.StrToConfig(withField(7, "7")).Valid);    // scaling
  EXPECT_FALSE(xp.StrToConfig(withField(40, "300")).Valid);  // character set
  EXPECT_FALSE(xp.StrToConfig(withField(90, "5")).Valid);    // pitch
  EXPECT_FALSE(xp.StrToConfig(withField(101, "2")).Valid);   // orientation
  EXPECT_FALSE(xp.StrToConfig(good.substr(0, 171) + "abc").Valid);
  // A refused text leaves the component's own values in the record.
  EXPECT_EQ(xp.StrToConfig("").Copies, xp.GetCopies());
  // Sealed and well-formed: taken.
  TXPrintConfig c = xp.StrToConfig(withField(96, "00007"));
  EXPECT_TRUE(c.Valid);
  EXPECT_EQ(c.Copies, 7);
}

}  // namespace
