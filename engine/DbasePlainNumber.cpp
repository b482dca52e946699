#include "engine/DbasePlainNumber.h"

#include <charconv>
#include <cstdint>

namespace {

// Up to 15 digits the digits are an exact integer and 10^decimals an exact power, so their
// quotient is rounded once: the correctly rounded value from_chars gives.
constexpr int kExactDigits = 15;
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

double Slow(const char* first, const char* last) {
  double value = 0;
  std::from_chars(first, last, value);
  return value;
}

}  // namespace

double DbasePlainNumber(const char* first, const char* last) {
  const char* p = first;
  const bool negative = p < last && *p == '-';
  if (negative) ++p;
  uint64_t digits = 0;
  int count = 0, decimals = 0;
  bool point = false;
  for (; p < last; ++p) {
    if (*p >= '0' && *p <= '9') {
      digits = digits * 10 + static_cast<uint64_t>(*p - '0');
      if (++count > kExactDigits) return Slow(first, last);
      decimals += point ? 1 : 0;
    } else if (*p == '.' && !point) {
      point = true;
    } else if (*p == 'e' || *p == 'E') {
      return Slow(first, last);  // an exponent may follow
    } else {
      break;
    }
  }
  if (count == 0) return Slow(first, last);
  const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
  return negative ? -value : value;
}
