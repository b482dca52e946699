// The text comparisons of the sort styles. The alphabetic and numeric ones run a million
// times and more in a sort of the query's result, so they work on the texts in place and
// make no copies in the common case.
#include "components/grid/SortCompare.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "components/grid/GridUtil.h"
#include "components/grid/HTMLStrip.h"
#include "platform/collate.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Sign(int value) { return (value > 0) - (value < 0); }

template <typename T>
int Order(T a, T b) {
  return (a > b) - (a < b);
}

int CompareBytes(const AnsiString& a, const AnsiString& b) { return Sign(a.compare(b)); }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

int CompareAsciiNoCase(const AnsiString& a, const AnsiString& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return Order(a.size(), b.size());
}

// Plain decimals of up to 15 digits are exact in a double, and so is their quotient by a
// power of ten up to 1e22: one division gives the correctly rounded value.
bool FastDecimal(std::string_view text, double& value) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  uint64_t mantissa = 0;
  int digits = 0, decimals = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (++digits > 15) return false;
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      decimals += point;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  value = static_cast<double>(mantissa) / kPowers[decimals];
  if (negative) value = -value;
  return true;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

void EraseFirst(AnsiString& text, const AnsiString& part) {
  if (part.empty()) return;
  const std::size_t at = text.find(part);
  if (at != AnsiString::npos) text.erase(at, part.size());
}

// "h:m" or "h:m:s" as a fraction of a day.
bool TimeOf(const AnsiString& text, TDateTime& fraction) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  for (std::size_t start = 0;;) {
    const std::size_t colon = text.find(':', start);
    if (count == 3 || !TryStrToInt(text.substr(start, colon - start), parts[count++]))
      return false;
    if (colon == AnsiString::npos) break;
    start = colon + 1;
  }
  if (count < 2 || parts[0] < 0 || parts[0] > 23 || parts[1] < 0 || parts[1] > 59 ||
      parts[2] < 0 || parts[2] > 59)
    return false;
  fraction = (parts[0] * 3600 + parts[1] * 60 + parts[2]) / 86400.0;
  return true;
}

// The class library's reading of a date and time: a date in the short date format, a time,
// or a date, a blank and a time.
bool DateTimeOf(const AnsiString& text, TDateTime& value) {
  const AnsiString trimmed = Trim(text);
  const std::size_t blank = trimmed.find(' ');
  TDateTime date = 0, time = 0;
  if (blank != AnsiString::npos) {
    if (!StrToDateFmt(trimmed.substr(0, blank), date) || !TimeOf(Trim(trimmed.substr(blank)), time))
      return false;
  } else if (trimmed.find(':') != AnsiString::npos) {
    if (!TimeOf(trimmed, time)) return false;
  } else if (!StrToDateFmt(trimmed, date)) {
    return false;
  }
  value = date + time;
  return true;
}

TDateTime DateOf(TSortStyle style, const AnsiString& text) {
  if (style == ssShortDateEU) return StrToShortDateEU(text);
  if (style == ssShortDateUS) return StrToShortdateUS(text);
  TDateTime value = 0;
  return !text.empty() && DateTimeOf(text, value) ? value : 0;
}

int CompareNumbers(const AnsiString& a, const AnsiString& b, const AnsiString& prefix,
                   const AnsiString& suffix, bool financial) {
  double x = 0, y = 0;
  if (!SortNumber(a, prefix, suffix, financial, x) || !SortNumber(b, prefix, suffix, financial, y))
    return 0;
  return Order(x, y);
}

}  // namespace

TSortStyle AutomaticSortStyle(const AnsiString& Text) {
  const TAutoType type = IsType(Text);
  if (type == atNumeric || type == atFloat) return ssNumeric;
  const std::size_t slash = Text.find('/');
  if ((slash == 1 || slash == 2) && slash + 1 < Text.size() && IsDigit(Text[slash - 1]) &&
      IsDigit(Text[slash + 1]))
    return ssDate;
  return ssAlphabetic;
}

bool StrictNumber(std::string_view Text, double& Value) {
  Text = TrimBlanks(Text);
  if (FastDecimal(Text, Value)) return true;
  if (!Text.empty() && Text[0] == '+') Text.remove_prefix(1);
  if (Text.empty() || Text[0] == '+') return false;
  double value = 0;
  const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
  if (error != std::errc() || end != Text.data() + Text.size() || !std::isfinite(value))
    return false;
  Value = value;
  return true;
}

bool SortNumber(const AnsiString& Text, const AnsiString& Prefix, const AnsiString& Suffix,
                bool Financial, double& Value) {
  const bool decimalOther =
      DecimalSeparator != '.' && Text.find(DecimalSeparator) != AnsiString::npos;
  bool valid = false;
  if (Prefix.empty() && Suffix.empty() && !Financial && !decimalOther) {
    valid = StrictNumber(Text, Value);
  } else {
    AnsiString plain = Text;
    EraseFirst(plain, Prefix);
    EraseFirst(plain, Suffix);
    if (Financial) std::erase(plain, ThousandSeparator);
    if (DecimalSeparator != '.') {
      const std::size_t at = plain.find(DecimalSeparator);
      if (at != AnsiString::npos) plain[at] = '.';
    }
    valid = StrictNumber(plain, Value);
  }
  if (!valid && Text.empty()) {
    Value = 0;
    return true;
  }
  return valid;
}

int CompareSortTexts(TSortStyle Style, const AnsiString& A, const AnsiString& B,
                     const AnsiString& Prefix, const AnsiString& Suffix) {
  switch (Style) {
    case ssAlphabetic:
    case ssAlphaCase:
      return CompareBytes(A, B);
    case ssAlphaNoCase:
      return CompareAsciiNoCase(A, B);
    case ssAnsiAlphaCase:
      return LocaleCompare(A, B, true);
    case ssAnsiAlphaNoCase:
      return LocaleCompare(A, B, false);
    case ssNumeric:
    case ssFinancial:
      return CompareNumbers(A, B, Prefix, Suffix, Style == ssFinancial);
    case ssDate:
    case ssShortDateEU:
    case ssShortDateUS:
      return Order(DateOf(Style, A), DateOf(Style, B));
    case ssHTML:
      return CompareBytes(HTMLStrip(A), HTMLStrip(B));
    default:
      return 0;
  }
}
