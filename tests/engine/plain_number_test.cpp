// The quick reading of a plain decimal must give from_chars's value bit for bit wherever it
// accepts the text: the total price sums these, and a last-digit difference would show in it.
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>

#include "components/grid/core/FastDecimal.h"

namespace {

double FromChars(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Whether the quick reading accepts text; where it does, its value is from_chars's.
bool ExpectSameAsFromChars(const std::string& text) {
  double quick = 0;
  if (!FastDecimal(text, '.', quick)) return false;
  const double slow = FromChars(text);
  EXPECT_EQ(std::memcmp(&quick, &slow, sizeof quick), 0) << '"' << text << "\" " << quick
                                                         << " " << slow;
  return true;
}

TEST(PlainNumberTest, GivesFromCharsValueWhereItAccepts) {
  for (const char* text :
       {"10.50", "-10.50", "", "-", ".", "-.", ".25", "-.25", "12.", "0", "-0", "-0.0", "1.2.3",
        "1 2", "12-3", "1e3", "1E-2", "2.5e", "--1", "0.001", "999999999999999",
        "9999999999999999", "0.1234567890123456", "123456789.123456", "00000000000000012.5",
        "9007199254740993", "0.30000000000000004", "1-", "7 "})
    ExpectSameAsFromChars(text);
}

// Money amounts, counts and long fractions: whatever the digits and the point's place.
TEST(PlainNumberTest, AnyDigitsAndPointGiveFromCharsValue) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> digit(0, 9), length(1, 20), sign(0, 3);
  for (int n = 0; n < 200000; ++n) {
    std::string text = sign(random) == 0 ? "-" : "";
    const int digits = length(random);
    const int point = std::uniform_int_distribution<int>(0, digits + 1)(random);
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    EXPECT_EQ(ExpectSameAsFromChars(text), digits <= 15) << text;
  }
}

}  // namespace
