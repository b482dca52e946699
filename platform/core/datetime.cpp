#include "platform/core/datetime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <utility>

#include "platform/core/exception.h"

namespace {

constexpr int64_t kMsPerDay = 86400000;
constexpr int64_t kDaysBefore1970 = 25569;  // from 30 December 1899
constexpr double kFirstDay = -693593;        // 1 January 1
constexpr double kLastDay = 2958465;         // 31 December 9999

// Days since 1 January 1970 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yoe = y - era * 400;
  int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Parts {
  int64_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

void CivilFromDays(int64_t z, Parts& p) {
  z += 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  p.day = doy - (153 * mp + 2) / 5 + 1;
  p.month = mp < 10 ? mp + 3 : mp - 9;
  p.year = yoe + era * 400 + (p.month <= 2);
}

// Rounded to the millisecond as a whole, so 23:59:59.9996 becomes the next day's midnight.
// A value outside the years 1 to 9999 (or not a number) gives zeros.
Parts Split(TDateTime value) {
  if (!(value > kFirstDay - 1 && value < kLastDay + 1)) return {};
  int64_t ms = std::llround(std::fabs(value) * kMsPerDay);
  int64_t days = ms / kMsPerDay, time = ms % kMsPerDay;
  Parts p;
  CivilFromDays((value < 0 ? -days : days) - kDaysBefore1970, p);
  p.hour = time / 3600000;
  p.minute = time / 60000 % 60;
  p.second = time / 1000 % 60;
  return p;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

AnsiString Number(int64_t value, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*lld", digits, static_cast<long long>(value));
  return buffer;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The value of a pattern letter, D M Y H N S.
int64_t Field(const Parts& p, char token) {
  switch (token) {
    case 'D': return p.day;
    case 'M': return p.month;
    case 'H': return p.hour;
    case 'N': return p.minute;
    default: return p.second;
  }
}

}  // namespace

TDateTime EncodeDate(unsigned short year, unsigned short month, unsigned short day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    throw EConvertError("Invalid argument to date encode");
  return static_cast<TDateTime>(DaysFromCivil(year, month, day) + kDaysBefore1970);
}

void DecodeDate(TDateTime date, unsigned short& year, unsigned short& month, unsigned short& day) {
  Parts p = Split(date);
  year = static_cast<unsigned short>(p.year);
  month = static_cast<unsigned short>(p.month);
  day = static_cast<unsigned short>(p.day);
}

TDateTime IncMonth(TDateTime date, int months) {
  unsigned short year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  const int64_t index = int64_t{year} * 12 + (month - 1) + months;
  const int newMonth = static_cast<int>((index % 12 + 12) % 12) + 1;
  // A year outside 1..9999 fails in EncodeDate; it must not wrap into range on the way.
  const int64_t newYear = std::clamp<int64_t>((index - (newMonth - 1)) / 12, 0, 10000);
  const int newDay = newYear >= 1 && newYear <= 9999
                         ? std::min<int>(day, DaysInMonth(static_cast<int>(newYear), newMonth))
                         : day;
  const TDateTime result =
      EncodeDate(static_cast<unsigned short>(newYear), static_cast<unsigned short>(newMonth),
                 static_cast<unsigned short>(newDay));
  // The time of day counts forward from midnight on either side of day 0.
  const double time = std::fabs(date - std::trunc(date));
  return result < 0 ? result - time : result + time;
}

namespace {

TClockSource& ClockSource() {
  static TClockSource source;
  return source;
}

TDateTime SystemNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm t{};
  localtime_r(&now.tv_sec, &t);
  int64_t ms = ((t.tm_hour * 60 + t.tm_min) * 60 + t.tm_sec) * 1000 + now.tv_nsec / 1000000;
  return EncodeDate(static_cast<unsigned short>(t.tm_year + 1900),
                    static_cast<unsigned short>(t.tm_mon + 1), static_cast<unsigned short>(t.tm_mday)) +
         static_cast<double>(ms) / kMsPerDay;
}

}  // namespace

void SetClockSource(TClockSource source) { ClockSource() = std::move(source); }

TClockScope::TClockScope(TClockSource source) : saved_(std::move(ClockSource())) {
  SetClockSource(std::move(source));
}

TClockScope::~TClockScope() { SetClockSource(std::move(saved_)); }

TDateTime Now() { return ClockSource() ? ClockSource()() : SystemNow(); }

TDateTime Date() { return std::trunc(Now()); }

AnsiString FormatDateTime(const AnsiString& format, TDateTime value) {
  Parts p = Split(value);
  AnsiString out;
  char lastToken = 0;
  std::size_t i = 0;
  while (i < format.size()) {
    char c = format[i], token = Upper(c);
    if (c == '"' || c == '\'') {
      std::size_t close = format.find(c, i + 1);
      if (close == std::string::npos) close = format.size();
      out += format.substr(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    if (std::string_view("DMYHNS").find(token) == std::string_view::npos) {
      out += c == '/' ? DateSeparator : c == ':' ? TimeSeparator : c;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < format.size() && Upper(format[i + run]) == token) ++run;
    if (token == 'Y') {
      out += run <= 2 ? Number(p.year % 100, 2) : Number(p.year, 4);
    } else {
      run = std::min<std::size_t>(run, 2);
      char field = token == 'M' && lastToken == 'H' ? 'N' : token;
      out += Number(Field(p, field), static_cast<int>(run));
    }
    lastToken = token;
    i += run;
  }
  return out;
}

AnsiString DateToStr(TDateTime date) { return FormatDateTime(ShortDateFormat, date); }
