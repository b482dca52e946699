// Dates and times read back from the texts the locale's formats write.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/core/datetime.h"
#include "platform/core/exception.h"

AnsiString LongTimeFormat = "hh:nn:ss";

namespace {

// The numbers of a text split at Sep, each 1 to 4 digits with blanks around; false when a
// part is anything else.
bool Numbers(const AnsiString& text, char sep, std::vector<int>& numbers,
             std::vector<std::size_t>& lengths) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(sep, start);
    const AnsiString part = Trim(text.substr(start, end - start));
    if (part.empty() || part.size() > 4 ||
        !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return false;
    numbers.push_back(std::stoi(part));
    lengths.push_back(part.size());
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

// The places of day, month and year (0, 1, 2) in the order ShortDateFormat names them.
std::array<int, 3> DateOrder() {
  const AnsiString format = UpperCase(ShortDateFormat);
  std::array<int, 3> order = {0, 1, 2};
  auto at = [&format](int field) { return format.find("DMY"[field]); };
  std::stable_sort(order.begin(), order.end(), [&at](int a, int b) { return at(a) < at(b); });
  return order;
}

}  // namespace

bool TryStrToDate(const AnsiString& text, TDateTime& date) {
  std::vector<int> numbers;
  std::vector<std::size_t> lengths;
  if (!Numbers(text, DateSeparator, numbers, lengths) || numbers.size() < 2 || numbers.size() > 3)
    return false;
  unsigned short thisYear = 0, month = 0, day = 0;
  DecodeDate(Date(), thisYear, month, day);
  std::array<int, 3> value = {0, 0, thisYear};  // day, month, year
  std::size_t yearLength = 4;
  std::size_t next = 0;
  for (int field : DateOrder()) {
    if (field == 2 && numbers.size() == 2) continue;
    if (field == 2) yearLength = lengths[next];
    value[static_cast<std::size_t>(field)] = numbers[next++];
  }
  if (yearLength <= 2) value[2] += thisYear / 100 * 100;
  if (value[0] < 1 || value[0] > 31 || value[1] < 1 || value[1] > 12 || value[2] < 1) return false;
  try {
    date = EncodeDate(static_cast<unsigned short>(value[2]), static_cast<unsigned short>(value[1]),
                      static_cast<unsigned short>(value[0]));
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

TDateTime StrToDate(const AnsiString& text) {
  TDateTime date = 0;
  if (!TryStrToDate(text, date)) throw EConvertError("'" + text + "' is not a valid date");
  return date;
}

AnsiString TimeToStr(TDateTime time) { return FormatDateTime(LongTimeFormat, time); }

AnsiString DateTimeToStr(TDateTime value) {
  const double day = std::floor(value);
  if (day == 0) return TimeToStr(value);
  // A time is whole seconds; a fraction below half a second is midnight.
  const bool midnight = std::abs(value - day) * 86400 < 0.5;
  return midnight ? DateToStr(value) : DateToStr(value) + " " + TimeToStr(value);
}

bool TryStrToTime(const AnsiString& text, TDateTime& time) {
  std::vector<int> numbers;
  std::vector<std::size_t> lengths;
  if (!Numbers(text, TimeSeparator, numbers, lengths) || numbers.size() < 2 || numbers.size() > 3)
    return false;
  const int seconds = numbers.size() == 3 ? numbers[2] : 0;
  if (numbers[0] > 23 || numbers[1] > 59 || seconds > 59) return false;
  time = ((numbers[0] * 60 + numbers[1]) * 60 + seconds) / 86400.0;
  return true;
}

TDateTime StrToTime(const AnsiString& text) {
  TDateTime time = 0;
  if (!TryStrToTime(text, time)) throw EConvertError("'" + text + "' is not a valid time");
  return time;
}
