// Dates and times as the class library counts them: days since 30 December 1899, the fraction
// being the time of day (local time). For a date before that day the fraction still counts
// forward from midnight: -1.25 is 29 December 1899, 6:00.
#pragma once

#include "platform/text.h"

using TDateTime = double;

TDateTime Date();  // today, midnight
TDateTime Now();

// Throws EConvertError for a day that does not exist (years 1 to 9999).
TDateTime EncodeDate(unsigned short year, unsigned short month, unsigned short day);
void DecodeDate(TDateTime date, unsigned short& year, unsigned short& month, unsigned short& day);

// Patterns, letters in either case: d dd (day), m mm (month; minutes right after an hour),
// yy yyyy (year), h hh (hour), n nn (minutes), s ss (seconds); "/" is DateSeparator, text in
// single or double quotes is copied, any other character too.
AnsiString FormatDateTime(const AnsiString& format, TDateTime value);
AnsiString DateToStr(TDateTime date);  // ShortDateFormat
