// Dates in cell texts: short dates with a two-digit year pivot, dates in the locale's short
// date format for the filter, and the steps of a date series.
#include <algorithm>
#include <array>

#include "components/grid/core/GridUtil.h"
#include "platform/core/exception.h"

namespace {

using DateParts = std::array<AnsiString, 3>;

// Exactly three parts separated by `sep`.
bool SplitDate(const AnsiString& S, char sep, DateParts& parts) {
  std::size_t first = S.find(sep);
  std::size_t second = first == std::string::npos ? first : S.find(sep, first + 1);
  if (second == std::string::npos || S.find(sep, second + 1) != std::string::npos) return false;
  parts = {S.substr(0, first), S.substr(first + 1, second - first - 1), S.substr(second + 1)};
  return true;
}

// Throws EConvertError for a date that does not exist; the values must fit a short.
TDateTime Encode(int year, int month, int day) {
  return EncodeDate(static_cast<unsigned short>(year), static_cast<unsigned short>(month),
                    static_cast<unsigned short>(day));
}

bool TryEncode(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  try {
    date = Encode(year, month, day);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

// A one- or two-digit year lies in 1926 to 2025; a longer one is meant as written.
int FullYear(const AnsiString& text, int year) {
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (std::count_if(text.begin(), text.end(), isDigit) > 2) return year;
  return year + (year < 26 ? 2000 : 1900);
}

// The first of "/", "." and "-" that the text contains; '\0' when none.
char ShortDateSeparator(const AnsiString& S) {
  for (char c : {'/', '.', '-'})
    if (S.find(c) != std::string::npos) return c;
  return '\0';
}

TDateTime StrToShortDate(const AnsiString& S, int dayPart, int monthPart) {
  char separator = ShortDateSeparator(S);
  DateParts parts;
  int day = 0, month = 0, year = 0;
  TDateTime date = 0;
  if (separator == '\0' || !SplitDate(S, separator, parts) ||
      !TryStrToInt(parts[dayPart], day) || !TryStrToInt(parts[monthPart], month) ||
      !TryStrToInt(parts[2], year) || !TryEncode(FullYear(parts[2], year), month, day, date))
    return 0;
  return date;
}

int DaysInMonth(int year, int month) {
  if (month == 12) return 31;
  return static_cast<int>(Encode(year, month + 1, 1) - Encode(year, month, 1));
}

// The same day some years and months on; a day the target month lacks becomes its last.
TDateTime AddYearsMonths(TDateTime date, int years, int months) {
  unsigned short y = 0, m = 0, d = 0;
  DecodeDate(date, y, m, d);
  const int monthIndex = m - 1 + months;
  // Whole years down as well as up, so a series runs backwards too.
  const int yearShift = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
  const int month = monthIndex - 12 * yearShift + 1;
  // Outside 1..9999 EncodeDate refuses the date; the year must not wrap into range on the way.
  const int year = std::clamp(y + years + yearShift, 0, 10000);
  const int day = year > 9999 || year < 1 ? d : std::min<int>(d, DaysInMonth(year, month));
  return Encode(year, month, day);
}

}  // namespace

TDateTime StrToShortdateUS(const AnsiString& S) { return StrToShortDate(S, 1, 0); }

TDateTime StrToShortDateEU(const AnsiString& S) { return StrToShortDate(S, 0, 1); }

bool StrToDateFmt(const AnsiString& S, TDateTime& Date) {
  // Day, month and year in the order of their letters in the short date format.
  const AnsiString format = UpperCase(ShortDateFormat);
  auto position = [&format](std::size_t field) { return Pos(AnsiString(1, "DMY"[field]), format); };
  std::array<std::size_t, 3> order = {0, 1, 2};
  std::stable_sort(order.begin(), order.end(),
                   [&position](std::size_t a, std::size_t b) { return position(a) < position(b); });
  DateParts parts;
  if (!SplitDate(S, DateSeparator, parts)) return false;
  std::array<int, 3> value = {0, 0, 0};  // day, month, year
  for (std::size_t i = 0; i < 3; ++i)
    if (!TryStrToInt(parts[i], value[order[i]])) return false;
  return value[0] < 32 && value[1] < 13 && TryEncode(value[2], value[1], value[0], Date);
}

TDateTime GetNextDate(TDateTime Date, int Years, int Months, int Days,
                      TDateTime Step) {
  if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
  if (Years != 0 && Months == 0 && Days == 0) return AddYearsMonths(Date, Years, 0);
  if (Months != 0 && Years == 0 && Days == 0) return AddYearsMonths(Date, 0, Months);
  return Date + Step;
}
