#include "platform/core/format.h"

#include <gtest/gtest.h>

#include "locale_scope.h"
#include "platform/core/exception.h"

namespace {

class FormatFloat : public testing::TestWithParam<LocaleSettings> {
 protected:
  LocaleScope locale_{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Locales, FormatFloat, testing::Values(kGerman, kEnglish), LocaleName);

// Expected texts are written with German separators and localised.
TEST_P(FormatFloat, Specifiers) {
  struct Case {
    const char* format;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {"%.2f", 1234.5, "1234,50"},
      {"%f", 2.25, "2,25"},
      {"%.0f", 2.75, "3"},
      {"%.3f", -0.0001, "0,000"},
      {"%n", 1234567.891, "1.234.567,89"},
      {"%.1n", 999.96, "1.000,0"},
      {"%8.1f", 3.14159, "     3,1"},
      {"%-6.1f|", 3.14, "3,1   |"},
      {"%g", 0.5, "0,5"},
      {"%.3e", 12345, "1,23E+004"},
      {"%.2f %%", 50, "50,00 %"},
      {"Sum: %.1f EUR", 7, "Sum: 7,0 EUR"},
      {"no number", 7, "no number"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.value), Localised(c.text)) << c.format;
}

TEST(FormatFloatErrors, OtherSpecifiersAreRefused) {
  for (const char* format : {"%d", "%s", "%.2f %.2f", "%", "%.2"}) {
    try {
      Format(format, 1);
      ADD_FAILURE() << format;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message,
                AnsiString("Format '") + format + "' invalid or incompatible with argument");
    }
  }
}

}  // namespace
