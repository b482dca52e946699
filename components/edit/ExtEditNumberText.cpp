// Number texts of the typed edit. They never use an exponent, which the edit types would not
// take back, and they group digits as text, so long integer parts keep every digit.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "components/edit/ExtEditText.h"

namespace {

// The C library's formatting follows the process locale; to_chars does not.
std::string Chars(double value, std::chars_format format, int precision) {
  char buf[400];
  auto r = std::to_chars(buf, buf + sizeof buf, value, format, precision);
  return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
}

// "-1234.5" with '.' becomes the locale's form, grouped when asked.
AnsiString Localised(std::string text, bool thousands) {
  bool negative = !text.empty() && text[0] == '-';
  if (negative) text.erase(0, 1);
  std::size_t dot = text.find('.');
  AnsiString whole = text.substr(0, dot);
  AnsiString fraction = dot == std::string::npos ? "" : DecimalSeparator + text.substr(dot + 1);
  if (thousands) whole = GroupThousands(whole);
  bool zero = text.find_first_not_of("0.") == std::string::npos;
  return (negative && !zero ? "-" : "") + whole + fraction;
}

}  // namespace

AnsiString FixedNumberText(double Value, int Decimals, bool Thousands) {
  if (!std::isfinite(Value)) Value = 0;
  return Localised(Chars(Value, std::chars_format::fixed, std::clamp(Decimals, 0, 18)), Thousands);
}

AnsiString GeneralNumberText(double Value) {
  if (!std::isfinite(Value) || Value == 0) return "0";
  // 15 significant digits "d.dddddddddddddde+x", written out in full.
  std::string s = Chars(std::fabs(Value), std::chars_format::scientific, 14);
  std::size_t e = s.find('e');
  int exponent = std::atoi(s.c_str() + e + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
  std::string fixed;
  if (exponent < 0)
    fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  else if (exponent >= 14)
    fixed = digits + std::string(static_cast<std::size_t>(exponent - 14), '0');
  else
    fixed = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  if (fixed.find('.') != std::string::npos) {
    while (fixed.back() == '0') fixed.pop_back();
    if (fixed.back() == '.') fixed.pop_back();
  }
  return Localised((Value < 0 ? "-" : "") + fixed, false);
}

AnsiString GroupThousands(const AnsiString& Digits) {
  AnsiString out = Digits;
  for (std::size_t i = out.size(); i > 3; i -= 3) out.insert(i - 3, 1, ThousandSeparator);
  return out;
}
