#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/core/datetime.h"
#include "platform/core/exception.h"

namespace {

TEST(DateTime, EncodeCountsDaysFromTheEndOf1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(2004, 2, 29), EncodeDate(2004, 3, 1) - 1);
  EXPECT_THROW(EncodeDate(2003, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2003, 13, 1), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeDate(2003, 4, 31), EConvertError);
}

TEST(DateTime, DecodeIsTheInverse) {
  unsigned short y, m, d;
  for (double day = -693593; day < 2958466; day += 997) {
    DecodeDate(day < 0 ? day - 0.75 : day + 0.75, y, m, d);
    EXPECT_EQ(EncodeDate(y, m, d), day) << day;
  }
  DecodeDate(-1.25, y, m, d);  // the fraction counts forward from midnight of that day
  EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
  DecodeDate(1e300, y, m, d);
  EXPECT_EQ(y + m + d, 0);
}

TEST(DateTime, FormatPatterns) {
  char saved = DateSeparator;
  DateSeparator = '-';
  TDateTime t = EncodeDate(2003, 1, 5) + (13 * 3600 + 7 * 60 + 9) / 86400.0;
  EXPECT_EQ(FormatDateTime("dd.mm.yyyy", t), "05.01.2003");
  EXPECT_EQ(FormatDateTime("d.m.yy", t), "5.1.03");
  EXPECT_EQ(FormatDateTime("hh:nn:ss", t), "13:07:09");
  EXPECT_EQ(FormatDateTime("h:m s", t), "13:7 9");  // m right after an hour is minutes
  EXPECT_EQ(FormatDateTime("HH:MM DD.MM", t), "13:07 05.01");
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd", t), "2003-01-05");
  EXPECT_EQ(FormatDateTime("'at' hh \"h\"", t), "at 13 h");
  EXPECT_EQ(FormatDateTime("hh:nn", EncodeDate(2003, 1, 5) + 0.999999999), "00:00");
  DateSeparator = saved;

  AnsiString savedFormat = ShortDateFormat;
  ShortDateFormat = "dd.mm.yyyy";
  EXPECT_EQ(DateToStr(EncodeDate(1999, 12, 31)), "31.12.1999");
  ShortDateFormat = savedFormat;
}

TEST(DateTime, TodayIsTheLocalDate) {
  std::time_t before = std::time(nullptr);
  TDateTime now = Now(), today = Date();
  std::time_t after = std::time(nullptr);
  std::tm t{};
  localtime_r(&before, &t);
  std::tm t2{};
  localtime_r(&after, &t2);
  if (t.tm_mday != t2.tm_mday) GTEST_SKIP() << "midnight passed";
  EXPECT_EQ(today, EncodeDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday));
  EXPECT_GE(now, today);
  EXPECT_LT(now, today + 1);
}

// A set source stands for the clock until its scope ends; a nested one gives the outer back.
TEST(DateTime, ASetClockSourceStandsForTheClock) {
  TDateTime march5 = EncodeDate(2013, 3, 5) + 0.75;
  {
    TClockScope clock([=] { return march5; });
    EXPECT_EQ(Now(), march5);
    EXPECT_EQ(Date(), EncodeDate(2013, 3, 5));
    EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn", Now()), "05.03.2013 18:00");
    {
      TClockScope yesterday([=] { return march5 - 1; });
      EXPECT_EQ(Date(), EncodeDate(2013, 3, 4));
    }
    EXPECT_EQ(Date(), EncodeDate(2013, 3, 5));
  }
  EXPECT_GT(Date(), EncodeDate(2020, 1, 1));  // the system clock again
}

}  // namespace

TEST(DateTime, IncMonthKeepsTheDayWhereTheMonthHasItAndTheTime) {
  EXPECT_EQ(IncMonth(EncodeDate(2003, 1, 31)), EncodeDate(2003, 2, 28));
  EXPECT_EQ(IncMonth(EncodeDate(2004, 1, 31)), EncodeDate(2004, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2003, 12, 15), 1), EncodeDate(2004, 1, 15));
  EXPECT_EQ(IncMonth(EncodeDate(2003, 1, 15), -13), EncodeDate(2001, 12, 15));
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2003, 3, 31) + 0.25, -1), EncodeDate(2003, 2, 28) + 0.25);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}
