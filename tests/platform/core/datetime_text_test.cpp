#include <gtest/gtest.h>

#include "locale_scope.h"
#include "platform/core/datetime.h"
#include "platform/core/exception.h"

namespace {

int ThisYear() {
  unsigned short y, m, d;
  DecodeDate(Date(), y, m, d);
  return y;
}

TEST(DateTimeText, DatesInTheGermanOrder) {
  LocaleScope locale(kGerman);
  EXPECT_EQ(StrToDate("03.04.2005"), EncodeDate(2005, 4, 3));
  EXPECT_EQ(StrToDate(" 3 . 4 . 2005 "), EncodeDate(2005, 4, 3));
  EXPECT_EQ(StrToDate("3.4.05"),
            EncodeDate(static_cast<unsigned short>(ThisYear() / 100 * 100 + 5), 4, 3));
  EXPECT_EQ(StrToDate("3.4"), EncodeDate(static_cast<unsigned short>(ThisYear()), 4, 3));
  EXPECT_EQ(StrToDate(DateToStr(EncodeDate(1999, 12, 31))), EncodeDate(1999, 12, 31));
  for (const char* bad : {"", "31.02.2005", "3/4/2005", "3.4.2005.1", "a.4.2005", "3..2005",
                          "0.1.2005", "1.13.2005", "1.1.12345"}) {
    TDateTime date = 0;
    EXPECT_FALSE(TryStrToDate(bad, date)) << bad;
  }
  try {
    StrToDate("32.1.2005");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'32.1.2005' is not a valid date");
  }
}

TEST(DateTimeText, DatesInTheEnglishOrder) {
  LocaleScope locale(kEnglish);
  EXPECT_EQ(StrToDate("4/3/2005"), EncodeDate(2005, 4, 3));
  EXPECT_EQ(StrToDate("12/31"), EncodeDate(static_cast<unsigned short>(ThisYear()), 12, 31));
  EXPECT_EQ(DateToStr(EncodeDate(2005, 4, 3)), "4/3/2005");
}

TEST(DateTimeText, Times) {
  const TDateTime t = (13 * 3600 + 7 * 60 + 9) / 86400.0;
  EXPECT_EQ(TimeToStr(t), "13:07:09");
  EXPECT_EQ(TimeToStr(EncodeDate(2005, 4, 3) + t), "13:07:09");
  EXPECT_DOUBLE_EQ(StrToTime("13:07:09"), t);
  EXPECT_DOUBLE_EQ(StrToTime("13:07"), (13 * 3600 + 7 * 60) / 86400.0);
  EXPECT_DOUBLE_EQ(StrToTime("0:00"), 0);
  for (const char* bad : {"", "24:00", "12:60", "12:00:60", "12", "1:2:3:4", "a:b"}) {
    TDateTime time = 0;
    EXPECT_FALSE(TryStrToTime(bad, time)) << bad;
  }
  EXPECT_THROW(StrToTime("25:00"), EConvertError);
}

TEST(DateTimeText, TimesUseTheTimeSeparator) {
  const char saved = TimeSeparator;
  TimeSeparator = '.';
  const TDateTime t = (13 * 3600 + 7 * 60 + 9) / 86400.0;
  EXPECT_EQ(TimeToStr(t), "13.07.09");
  EXPECT_DOUBLE_EQ(StrToTime("13.07.09"), t);
  TDateTime time = 0;
  EXPECT_FALSE(TryStrToTime("13:07:09", time));
  TimeSeparator = saved;
}

}  // namespace

namespace {

TEST(DateTimeText, DateAndTimeTogetherOnlyWhereBothAreThere) {
  LocaleScope locale(kGerman);
  const TDateTime day = EncodeDate(2024, 1, 1);
  EXPECT_EQ(DateTimeToStr(day), "01.01.2024");
  EXPECT_EQ(DateTimeToStr(day + 0.75), "01.01.2024 18:00:00");
  EXPECT_EQ(DateTimeToStr(0.5), "12:00:00");
  EXPECT_EQ(DateTimeToStr(day + 0.1 / 86400), "01.01.2024");  // below half a second
}

}  // namespace
