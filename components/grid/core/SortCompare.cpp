// The keys of the sort styles and their comparison. A sort of the query's result reads a
// million numbers, so plain decimals are read without the general conversion.
#include "components/grid/core/SortCompare.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "components/grid/core/FastDecimal.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/html/HTMLStrip.h"
#include "platform/core/collate.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Sign(int value) { return (value > 0) - (value < 0); }

template <typename T>
int Order(T a, T b) {
  return (a > b) - (a < b);
}

int CompareBytes(const AnsiString& a, const AnsiString& b) { return Sign(a.compare(b)); }

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

// A date needs the date separator, a time the colon: most texts are no date at a glance.
TDateTime DateOf(TSortStyle style, const AnsiString& text) {
  if (style == ssShortDateEU) return StrToShortDateEU(text);
  if (style == ssShortDateUS) return StrToShortdateUS(text);
  if (text.find(DateSeparator) == AnsiString::npos && text.find(':') == AnsiString::npos)
    return 0;
  TDateTime value = 0;
  return DateTimeOf(text, value) ? value : 0;
}

bool IsDateStyle(TSortStyle style) {
  return style == ssDate || style == ssShortDateEU || style == ssShortDateUS;
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
  if (FastDecimal(Text, '.', Value)) return true;
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
  const bool simple = Prefix.empty() && Suffix.empty() && !Financial;
  if (simple && FastDecimal(TrimBlanks(Text), DecimalSeparator, Value)) return true;
  const bool decimalOther =
      DecimalSeparator != '.' && Text.find(DecimalSeparator) != AnsiString::npos;
  bool valid = false;
  if (simple && !decimalOther) {
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

bool IsTextSortStyle(TSortStyle Style) {
  return Style != ssCustom && Style != ssRaw && Style != ssImages;
}

namespace {

uint64_t HeadOf(std::string_view text) {
  uint64_t head = 0;
  for (std::size_t i = 0; i < 8; ++i)
    head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
  return head;
}

// The text a key compares; the whole of it is kept when the first eight bytes may not
// decide (or the locale's collation compares it whole).
void SetText(TSortKey& key, std::string_view text, bool keepWhole, TSortTexts& texts) {
  key.Head = HeadOf(text);
  key.Length = static_cast<uint8_t>(std::min<std::size_t>(text.size(), 9));
  if (!keepWhole && text.size() <= 8) return;
  texts.emplace_back(text);
  key.Whole = static_cast<uint32_t>(texts.size());
}

const AnsiString& WholeText(const TSortKey& key, const TSortTexts& texts) {
  return texts[key.Whole - 1];
}

bool IsLocaleStyle(TSortStyle style) {
  return style == ssAnsiAlphaCase || style == ssAnsiAlphaNoCase;
}

}  // namespace

TSortKey MakeSortKey(const TSortFormat& Format, const AnsiString& Text, TSortTexts& Texts) {
  TSortKey key;
  key.Empty = Text.empty();
  const TSortStyle style = Format.Style;
  if (style == ssAutomatic) {
    key.Automatic = static_cast<uint8_t>(AutomaticSortStyle(Text));
    SetText(key, Text, false, Texts);
    key.Valid = SortNumber(Text, Format.Prefix, Format.Suffix, false, key.Value);
    if (!key.Valid) key.Value = DateOf(ssDate, Text);
  } else if (style == ssNumeric || style == ssFinancial) {
    key.Valid = SortNumber(Text, Format.Prefix, Format.Suffix, style == ssFinancial, key.Value);
  } else if (IsDateStyle(style)) {
    key.Value = DateOf(style, Text);
  } else if (style == ssAlphaNoCase) {
    SetText(key, UpperCase(Text), false, Texts);
  } else if (style == ssHTML) {
    SetText(key, HTMLStrip(Text), false, Texts);
  } else if (IsTextSortStyle(style)) {
    SetText(key, Text, IsLocaleStyle(style), Texts);
  }
  return key;
}

int CompareWholeTexts(const TSortKey& A, const TSortKey& B, const TSortTexts& Texts) {
  return CompareBytes(WholeText(A, Texts), WholeText(B, Texts));
}

int CompareOtherSortKeys(TSortStyle Style, const TSortKey& A, const TSortKey& B,
                         const TSortTexts& Texts) {
  if (IsLocaleStyle(Style))
    return LocaleCompare(WholeText(A, Texts), WholeText(B, Texts), Style == ssAnsiAlphaCase);
  if (!IsDateStyle(Style)) return 0;
  // A key that is a number (only automatic keys read both) stores its number: its date is 0.
  const TDateTime a = A.Valid ? 0 : A.Value;
  const TDateTime b = B.Valid ? 0 : B.Value;
  return Order(a, b);
}

int CompareSortTexts(const TSortFormat& Format, const AnsiString& A, const AnsiString& B) {
  if (!IsTextSortStyle(Format.Style)) return 0;
  TSortTexts texts;
  const TSortKey a = MakeSortKey(Format, A, texts);
  const TSortKey b = MakeSortKey(Format, B, texts);
  return CompareSortKeys(Format.Style, a, b, texts);
}
