#include <gtest/gtest.h>

#include "components/grid/core/GridUtil.h"
#include "locale_scope.h"
#include "platform/core/exception.h"

namespace {

TDateTime Day(int y, int m, int d) {
  return EncodeDate(static_cast<unsigned short>(y), static_cast<unsigned short>(m),
                    static_cast<unsigned short>(d));
}

TEST(GridUtilDates, ShortDatesPivotOnlyShortYears) {
  struct Case {
    const char* text;
    TDateTime date;
  };
  const Case eu[] = {
      {"3.4.05", Day(2005, 4, 3)},   {"3.4.99", Day(1999, 4, 3)},  {"3.4.2005", Day(2005, 4, 3)},
      {"3.4.25", Day(2025, 4, 3)},   {"3.4.26", Day(1926, 4, 3)},  {"3.4.0", Day(2000, 4, 3)},
      {"3.4.105", Day(105, 4, 3)},   {"03-04-1999", Day(1999, 4, 3)}, {"3/4/5", Day(2005, 4, 3)},
      {"", 0},                       {"3.4", 0},                   {"3.4-2005", 0},
      {"31.2.05", 0},                {"a.4.05", 0},                {"3.13.05", 0},
      {"3.4.05.1", 0},               {"0.4.05", 0},
  };
  for (const Case& c : eu) EXPECT_EQ(StrToShortDateEU(c.text), c.date) << c.text;
  EXPECT_EQ(StrToShortdateUS("4/3/05"), Day(2005, 4, 3));
  EXPECT_EQ(StrToShortdateUS("12.31.2024"), Day(2024, 12, 31));
  EXPECT_EQ(StrToShortdateUS("31.12.2024"), 0);
}

TEST(GridUtilDates, DatesInTheLocaleFormat) {
  TDateTime date = -1;
  {
    LocaleScope locale(kGerman);
    EXPECT_TRUE(StrToDateFmt("15.03.2024", date));
    EXPECT_EQ(date, Day(2024, 3, 15));
    for (const char* bad : {"32.01.2024", "29.02.2023", "1.2", "15/03/2024", "x.1.2024"}) {
      date = -1;
      EXPECT_FALSE(StrToDateFmt(bad, date)) << bad;
    }
  }
  LocaleScope locale(kEnglish);
  EXPECT_TRUE(StrToDateFmt("3/15/2024", date));
  EXPECT_EQ(date, Day(2024, 3, 15));
  EXPECT_FALSE(StrToDateFmt("15/3/2024", date));
}

TEST(GridUtilDates, FilterBoundsCompareDates) {
  {
    LocaleScope locale(kGerman);
    // As texts "15.02.2024" would sort after "01.03.2024".
    EXPECT_FALSE(MatchStrEx(">01.03.2024", "15.02.2024", true));
    EXPECT_TRUE(MatchStrEx(">01.03.2024 & <01.04.2024", "15.03.2024", true));
  }
  LocaleScope locale(kEnglish);
  EXPECT_TRUE(MatchStrEx(">3/1/2024", "10/1/2024", true));
  EXPECT_FALSE(MatchStrEx(">=3/1/2024", "2/29/2024", true));
}

TEST(GridUtilDates, NextDateOfASeries) {
  const TDateTime jan31 = Day(2024, 1, 31);
  EXPECT_EQ(GetNextDate(jan31 + 0.5, 0, 0, 2, 7), Day(2024, 2, 2) + 0.5);
  EXPECT_EQ(GetNextDate(jan31, 0, 1, 0, 7), Day(2024, 2, 29));  // clamped, no error
  EXPECT_EQ(GetNextDate(Day(2023, 1, 31), 0, 1, 0, 7), Day(2023, 2, 28));
  EXPECT_EQ(GetNextDate(Day(2024, 11, 15), 0, 3, 0, 7), Day(2025, 2, 15));
  EXPECT_EQ(GetNextDate(Day(2024, 11, 15), 0, 26, 0, 7), Day(2027, 1, 15));  // wraps twice
  EXPECT_EQ(GetNextDate(Day(2024, 2, 29), 1, 0, 0, 7), Day(2025, 2, 28));
  EXPECT_EQ(GetNextDate(jan31, 1, 1, 0, 7), jan31 + 7);  // more than one count: Step
  EXPECT_EQ(GetNextDate(jan31, 0, 0, 0, 7), jan31 + 7);
  EXPECT_THROW(GetNextDate(Day(9999, 12, 1), 0, 1, 0, 7), EConvertError);
  EXPECT_THROW(GetNextDate(Day(2000, 1, 1), 65535, 0, 0, 7), EConvertError);
  // Descending series.
  EXPECT_EQ(GetNextDate(Day(2024, 1, 15), 0, -1, 0, 7), Day(2023, 12, 15));
  EXPECT_EQ(GetNextDate(Day(2024, 3, 31), 0, -13, 0, 7), Day(2023, 2, 28));
  EXPECT_EQ(GetNextDate(Day(2024, 2, 29), -1, 0, 0, 7), Day(2023, 2, 28));
  EXPECT_EQ(GetNextDate(jan31, 0, 0, -2, 7), Day(2024, 1, 29));
  EXPECT_THROW(GetNextDate(Day(1, 1, 15), 0, -1, 0, 7), EConvertError);
}

}  // namespace
