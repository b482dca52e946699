// Plain decimals read without the general conversion: a sort and a sum over a query's hits
// read a million of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Plain decimals of up to 15 digits are exact in a double, and so is their quotient by a
// power of ten up to 1e22: one division gives the correctly rounded value. Reads the digits
// and at most one point ("." or `decimal`) from text[i] on, up to the first other character,
// as an integer and the number of digits after the point; returns where it stopped, or npos
// for no digit or more than 15.
inline std::size_t FastDecimalInteger(std::string_view text, std::size_t i, char decimal,
                                      uint64_t& mantissa, int& decimals) {
  // Kept in locals: stores through the references might change the text for all the
  // compiler knows, and it would write them at every digit.
  uint64_t read = 0;
  int digits = 0, after = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (++digits > 15) return std::string_view::npos;
      read = read * 10 + static_cast<uint64_t>(c - '0');
      after += point;
    } else if ((c == '.' || c == decimal) && !point) {
      point = true;
    } else {
      break;
    }
  }
  mantissa = read;
  decimals = after;
  return digits == 0 ? std::string_view::npos : i;
}

// The value of such an integer and decimals, negated when `negative`.
inline double FastDecimalOf(uint64_t mantissa, int decimals, bool negative) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const double value = static_cast<double>(mantissa) / kPowers[decimals];
  return negative ? -value : value;
}

// Both at once: the value of the digits from text[i] on.
inline std::size_t FastDecimalDigits(std::string_view text, std::size_t i, char decimal,
                                     bool negative, double& value) {
  uint64_t mantissa = 0;
  int decimals = 0;
  const std::size_t end = FastDecimalInteger(text, i, decimal, mantissa, decimals);
  if (end != std::string_view::npos) value = FastDecimalOf(mantissa, decimals, negative);
  return end;
}

// The whole text as such a decimal after an optional sign; anything else is left to the
// general conversion, and value is then as it was.
inline bool FastDecimal(std::string_view text, char decimal, double& value) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::size_t sign = !text.empty() && (negative || text[0] == '+');
  double read = 0;
  if (FastDecimalDigits(text, sign, decimal, negative, read) != text.size()) return false;
  value = read;
  return true;
}
