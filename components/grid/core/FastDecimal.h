// Plain decimals read without the general conversion: a sort and a sum over a query's hits
// read a million of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Plain decimals of up to 15 digits are exact in a double, and so is their quotient by a
// power of ten up to 1e22: one division gives the correctly rounded value. The point is "."
// or `decimal`, once; anything else is left to the general conversion.
inline bool FastDecimal(std::string_view text, char decimal, double& value) {
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
    if (c >= '0' && c <= '9') {
      if (++digits > 15) return false;
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      decimals += point;
    } else if ((c == '.' || c == decimal) && !point) {
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
