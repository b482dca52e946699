// Dates and times as the class library counts them: days since 30 December 1899, the fraction
// being the time of day (local time). For a date before that day the fraction still counts
// forward from midnight: -1.25 is 29 December 1899, 6:00.
#pragma once

#include <functional>

#include "platform/core/text.h"

using TDateTime = double;

TDateTime Date();  // today, midnight
TDateTime Now();

// Where Now and Date take the time from: the system clock, unless a source is set (a test
// prints "on 5 March 2013" or holds a lock from yesterday). An empty source restores the
// system clock.
using TClockSource = std::function<TDateTime()>;
void SetClockSource(TClockSource source);
// Sets a source for the life of the scope and puts the earlier one back afterwards.
class TClockScope {
 public:
  explicit TClockScope(TClockSource source);
  ~TClockScope();
  TClockScope(const TClockScope&) = delete;
  TClockScope& operator=(const TClockScope&) = delete;

 private:
  TClockSource saved_;
};

// Throws EConvertError for a day that does not exist (years 1 to 9999).
TDateTime EncodeDate(unsigned short year, unsigned short month, unsigned short day);
void DecodeDate(TDateTime date, unsigned short& year, unsigned short& month, unsigned short& day);
// The same day and time some months on (or back); a day the month lacks becomes its last.
TDateTime IncMonth(TDateTime date, int months = 1);

// Patterns, letters in either case: d dd (day), m mm (month; minutes right after an hour),
// yy yyyy (year), h hh (hour), n nn (minutes), s ss (seconds); "/" is DateSeparator, ":"
// TimeSeparator, text in single or double quotes is copied, any other character too.
AnsiString FormatDateTime(const AnsiString& format, TDateTime value);
AnsiString DateToStr(TDateTime date);  // ShortDateFormat

// The conversions of the locale's date and time texts back to values. A date is two or three
// numbers separated by DateSeparator in the order of ShortDateFormat's day, month and year;
// without a year it lies in the current year, and a year of one or two digits in the current
// century. A time is hours and minutes, and seconds if given, separated by TimeSeparator. Both
// throw EConvertError for a text that is no valid date (time).
extern AnsiString LongTimeFormat;  // "hh:nn:ss"
TDateTime StrToDate(const AnsiString& text);
bool TryStrToDate(const AnsiString& text, TDateTime& date);
AnsiString TimeToStr(TDateTime time);  // LongTimeFormat
// The date, then a blank and the time when it is not midnight; the time alone for a value
// without a date (below 1).
AnsiString DateTimeToStr(TDateTime value);
TDateTime StrToTime(const AnsiString& text);
bool TryStrToTime(const AnsiString& text, TDateTime& time);
