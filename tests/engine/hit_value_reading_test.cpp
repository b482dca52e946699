// A hit's value read straight from its stored bytes must be, bit for bit, what its shown text
// reads as: for plain numbers, near misses of them, and fields wider than the text is cut to.
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/DbaseHitValues.h"
#include "engine/DbaseText.h"
#include "tests/engine/EngineTest.h"

namespace {

// Number fields of widths around the digits a double holds exactly, the reach of the search
// for the point and the text's cut.
constexpr uint8_t kWidths[] = {1, 3, 8, 15, 16, 17, 20, 80, 81, 253, 254, 255};

class HitValueReadingTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::vector<DbfField> fields;
    for (uint8_t width : kWidths) fields.push_back({"N" + std::to_string(width), 'N', width});
    DbfFile file(fields);
    file.Add({});
    Open(file);
    ASSERT_EQ(dbase_lesen(0), 1);
  }

  // Stores text in field f, blank-padded on the left or right and cut to the width, and
  // compares the two readings.
  static void ExpectSameReading(int f, std::string text, bool rightAligned) {
    const std::size_t width = dbase_feldlength[f];
    if (text.size() > width) text.resize(width);
    const std::size_t pad = width - text.size();
    text.insert(rightAligned ? 0 : text.size(), pad, ' ');
    std::memcpy(dbase_record.data() + dbase_feldoffset[f], text.data(), width);
    const double kept = DbaseHitValue(f);
    dbase_tr(f);
    const double shown = DbaseTextValue();
    EXPECT_EQ(std::memcmp(&kept, &shown, sizeof kept), 0)
        << '"' << text << "\" " << kept << " " << shown << " " << DecimalSeparator;
  }

  // Under the separators users set, plain and not, and in every field.
  static void ExpectSameReadingEverywhere(const std::string& text) {
    for (auto [decimal, thousand] : {std::pair{',', '.'}, {'.', ','}, {',', ' '}}) {
      DecimalSeparator = decimal;
      ThousandSeparator = thousand;
      for (int f = 0; f < static_cast<int>(dbase_feldlength.size()); ++f)
        for (bool right : {false, true}) ExpectSameReading(f, text, right);
    }
  }
};

TEST_F(HitValueReadingTest, EdgeCasesReadAsTheirShownText) {
  const char* const texts[] = {"",      "-",    "-.",  ".",   ".5",  "5.",   "-.5",  "-5.",
                               "1.2.3", "1..2", "12-", "1-2", "--1", "1 2",  "1 .2", "- 1",
                               "-0",    "-0.0", "0",   "+1",  "1e3", "12,5", "1\t"};
  for (const char* text : texts) ExpectSameReadingEverywhere(text);
  using namespace std::string_literals;
  const std::string fifteen = "123456789012345";
  for (const std::string& text :
       {"1\0 2"s, fifteen, "-" + fifteen, fifteen + ".", "." + fifteen, fifteen + "6",
        "1234567890123.45"s, "000000000000000012.5"s, "9007199254740993"s, "0.30000000000000004"s,
        std::string(79, ' ') + ".5", std::string(80, ' ') + ".5", std::string(252, ' ') + "12",
        std::string(253, '7'), std::string(254, '1')})
    ExpectSameReadingEverywhere(text);
}

// Plain numbers of any length and place of the point, and the same with one byte changed.
TEST_F(HitValueReadingTest, RandomFieldsReadAsTheirShownText) {
  std::mt19937 random(7);
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const std::string odd = " -.+e,x0\t";
  for (int n = 0; n < 3000; ++n) {
    std::string text(below(4), ' ');
    if (below(3) == 0) text += '-';
    const int digits = below(19), point = below(digits + 2);
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + below(10));
    }
    text += std::string(below(4), ' ');
    if (below(3) == 0 && !text.empty()) text[below(text.size())] = odd[below(odd.size())];
    ExpectSameReadingEverywhere(text);
  }
}

}  // namespace
