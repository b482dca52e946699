#include "platform/core/text.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/core/exception.h"

namespace {

// Windows-1252 0x80..0x9F; 0 marks the five undefined bytes, which map to U+0080+n.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
  if (b >= 0x80 && b < 0xA0 && kHighControls[b - 0x80] != 0) return kHighControls[b - 0x80];
  return b;
}

int CodePointToByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    char16_t mapped = kHighControls[i];
    if (mapped == cp || (mapped == 0 && cp == char32_t(0x80 + i))) return 0x80 + i;
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char LocaleChar(const QString& s, char fallback) {
  if (s.size() != 1) return fallback;
  int b = CodePointToByte(s.at(0).unicode());
  return b > 0 ? static_cast<char>(b) : fallback;
}

AnsiString LocaleShortDateFormat() {
  QString f = QLocale::system().dateFormat(QLocale::ShortFormat);
  return Utf8ToAnsi(f.toStdString());
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Letters of Windows-1252 beyond ASCII that have a case partner.
char ToUpper1252(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
  if (b == 0xFF) return static_cast<char>(0x9F);
  if (b >= 0xE0 && b != 0xF7) return static_cast<char>(b - 0x20);
  return c;
}

char ToLower1252(char c) {
  unsigned char b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return static_cast<char>(0xFF);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  return c;
}

// Removes the trailing zeros of a fraction, and the separator when nothing follows it.
void StripFractionZeros(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (!digits.empty() && digits.back() == '.') digits.pop_back();
}

AnsiString WithSeparators(std::string text, bool thousands) {
  std::size_t dot = text.find('.');
  if (dot != std::string::npos) text[dot] = DecimalSeparator;
  if (!thousands) return text;
  std::size_t start = (text[0] == '-') ? 1 : 0;
  std::size_t end = dot == std::string::npos ? text.size() : dot;
  for (std::size_t i = end; i > start + 3; i -= 3) text.insert(i - 3, 1, ThousandSeparator);
  return text;
}

// The C library's number formatting follows LC_NUMERIC, which Qt sets from the user's
// environment; these two never depend on it.
std::string Scientific(double value, int fractionDigits) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                         std::max(0, fractionDigits));
  return std::string(buf, r.ptr);
}

std::string Fixed(double value, int fractionDigits) {
  char buf[400];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                         std::max(0, fractionDigits));
  return std::string(buf, r.ptr);
}

int DecimalExponent(double value, int precision) {
  std::string s = Scientific(value, precision - 1);
  return std::atoi(s.c_str() + s.find('e') + 1);
}

// Scientific form "d.dddE+xx" with at least `expDigits` exponent digits.
AnsiString Exponent(double value, int precision, int expDigits, bool stripZeros, bool plusSign) {
  std::string s = Scientific(value, precision - 1);
  std::size_t e = s.find('e');
  std::string mantissa = s.substr(0, e);
  int exponent = std::atoi(s.c_str() + e + 1);
  if (stripZeros) StripFractionZeros(mantissa);
  std::string exp = std::to_string(std::abs(exponent));
  if (static_cast<int>(exp.size()) < expDigits)
    exp = std::string(static_cast<std::size_t>(expDigits) - exp.size(), '0') + exp;
  std::string sign = exponent < 0 ? "-" : (plusSign ? "+" : "");
  return WithSeparators(mantissa, false) + "E" + sign + exp;
}

AnsiString General(double value, int precision, int digits) {
  if (value == 0) return "0";
  precision = std::clamp(precision, 1, 18);
  int exponent = DecimalExponent(value, precision);
  if (exponent >= precision || std::fabs(value) < 0.00001)
    return Exponent(value, precision, std::clamp(digits, 0, 4), true, false);
  std::string s = Fixed(value, precision - 1 - exponent);
  StripFractionZeros(s);
  if (s == "-0") s = "0";
  return WithSeparators(s, false);
}

}  // namespace

int UnicodeToAnsi(char32_t codePoint) { return CodePointToByte(codePoint); }

std::string AnsiToUtf8(const AnsiString& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

AnsiString Utf8ToAnsi(const std::string& text) {
  QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  AnsiString out;
  out.reserve(text.size());
  for (char32_t cp : q.toUcs4()) {
    int b = CodePointToByte(cp);
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

char DecimalSeparator = LocaleChar(QLocale::system().decimalPoint(), '.');
char ThousandSeparator = LocaleChar(QLocale::system().groupSeparator(), ',');
char DateSeparator = '.';
char TimeSeparator = ':';
AnsiString ShortDateFormat = LocaleShortDateFormat();

AnsiString IntToStr(int64_t value) { return std::to_string(value); }

AnsiString IntToHex(int64_t value, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*llX", std::max(0, digits),
                static_cast<unsigned long long>(value));
  return buf;
}

bool TryStrToInt(const AnsiString& text, int& value) {
  AnsiString t = Trim(text);
  if (t.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long long v;
  if (t[0] == '$' || (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')))
    v = std::strtoll(t.c_str() + (t[0] == '$' ? 1 : 2), &end, 16);
  else
    v = std::strtoll(t.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

int StrToInt(const AnsiString& text) {
  int v = 0;
  if (!TryStrToInt(text, v)) throw EConvertError("'" + text + "' is not a valid integer value");
  return v;
}

int StrToIntDef(const AnsiString& text, int fallback) {
  int v = 0;
  return TryStrToInt(text, v) ? v : fallback;
}

bool TryStrToFloat(const AnsiString& text, double& value) {
  AnsiString t = Trim(text);
  if (t.empty()) return false;
  for (char& c : t) {
    if (c == DecimalSeparator) c = '.';
    else if (c == '.' && DecimalSeparator != '.') return false;
  }
  // from_chars takes no leading '+', which the text functions accept.
  const char* first = t.c_str() + (t[0] == '+' ? 1 : 0);
  const char* last = t.c_str() + t.size();
  double v = 0;
  auto r = std::from_chars(first, last, v);
  if (r.ec != std::errc() || r.ptr != last || std::isnan(v) || std::isinf(v)) return false;
  value = v;
  return true;
}

double StrToFloat(const AnsiString& text) {
  double v = 0;
  if (!TryStrToFloat(text, v))
    throw EConvertError("'" + text + "' is not a valid floating point value");
  return v;
}

double StrToFloatDef(const AnsiString& text, double fallback) {
  double v = 0;
  return TryStrToFloat(text, v) ? v : fallback;
}

AnsiString FloatToStr(double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  precision = std::clamp(precision, 1, 18);
  switch (format) {
    case ffGeneral:
      return General(value, precision, digits);
    case ffExponent:
      return Exponent(value, precision, std::clamp(digits, 0, 4), false, true);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      if (DecimalExponent(value, precision) >= precision)
        return Exponent(value, precision, 0, true, false);
      std::string s = Fixed(value, std::clamp(digits, 0, 18));
      if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1);
      return WithSeparators(s, format != ffFixed);
    }
  }
  return {};
}

AnsiString UpperCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

AnsiString LowerCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

char AnsiUpperChar(char c) { return ToUpper1252(c); }
char AnsiLowerChar(char c) { return ToLower1252(c); }

AnsiString AnsiUpperCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out) c = ToUpper1252(c);
  return out;
}

AnsiString AnsiLowerCase(const AnsiString& text) {
  AnsiString out = text;
  for (char& c : out) c = ToLower1252(c);
  return out;
}

int CompareText(const AnsiString& a, const AnsiString& b) {
  return UpperCase(a).compare(UpperCase(b));
}

bool SameText(const AnsiString& a, const AnsiString& b) { return CompareText(a, b) == 0; }

int AnsiCompareText(const AnsiString& a, const AnsiString& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(ToUpper1252(a[i]));
    auto y = static_cast<unsigned char>(ToUpper1252(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool AnsiSameText(const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) == 0; }

AnsiString Trim(const AnsiString& text) { return TrimLeft(TrimRight(text)); }

AnsiString TrimLeft(const AnsiString& text) {
  std::size_t i = 0;
  while (i < text.size() && IsTrimmed(text[i])) ++i;
  return text.substr(i);
}

AnsiString TrimRight(const AnsiString& text) {
  std::size_t n = text.size();
  while (n > 0 && IsTrimmed(text[n - 1])) --n;
  return text.substr(0, n);
}

int Pos(const AnsiString& sub, const AnsiString& text) {
  if (sub.empty()) return 0;
  std::size_t p = text.find(sub);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

AnsiString Copy(const AnsiString& text, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > static_cast<int>(text.size())) return {};
  return text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

void Delete(AnsiString& text, int index, int count) {
  if (index < 1 || count <= 0 || index > static_cast<int>(text.size())) return;
  text.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

void Insert(const AnsiString& sub, AnsiString& text, int index) {
  if (index < 1) index = 1;
  if (index > static_cast<int>(text.size())) index = static_cast<int>(text.size()) + 1;
  text.insert(static_cast<std::size_t>(index - 1), sub);
}

AnsiString StringOfChar(char c, int count) {
  return count > 0 ? AnsiString(static_cast<std::size_t>(count), c) : AnsiString();
}

AnsiString StringReplaceAll(const AnsiString& text, const AnsiString& from, const AnsiString& to) {
  if (from.empty()) return text;
  AnsiString out;
  std::size_t start = 0;
  for (std::size_t p; (p = text.find(from, start)) != std::string::npos; start = p + from.size())
    out += text.substr(start, p - start) + to;
  return out + text.substr(start);
}
