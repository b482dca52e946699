#include "components/edit/ExtEditText.h"

#include <cstdint>

#include "components/edit/EditChars.h"

using namespace EditChars;

namespace {
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
}  // namespace

Extedit::TAutoType Extedit::IsType(const AnsiString& S) {
  bool numeric = !S.empty(), isFloat = numeric, hex = numeric;
  int thousandAt = -1;
  int decimals = 0, minuses = 0;
  for (int i = 1; i <= static_cast<int>(S.size()); ++i) {
    char c = S[i - 1];
    if (c != '-' && !IsDigit(c)) numeric = false;
    if (c != ',' && c != '-' && c != '.' && !IsDigit(c)) isFloat = false;
    if (c != '-' && !IsDigit(c) && !IsHexLetter(c)) hex = false;
    // Thousand separators stand three or more places apart.
    if (c == ThousandSeparator) {
      if (i - thousandAt < 3) isFloat = false;
      thousandAt = i;
    }
    if (c == DecimalSeparator) ++decimals;
    if (c == '-') ++minuses;
  }
  if (minuses > 1 || decimals > 1) return atString;
  if (numeric) return atNumeric;
  if (isFloat) return atFloat;
  return hex ? atHex : atString;
}

AnsiString StripThousandSep(const AnsiString& S) {
  AnsiString out;
  for (char c : S)
    if (c != ThousandSeparator) out += c;
  return out;
}

int HexVal(char Ch) {
  if (IsDigit(Ch)) return Ch - '0';
  if (Ch >= 'A' && Ch <= 'F') return Ch - 'A' + 10;
  if (Ch >= 'a' && Ch <= 'f') return Ch - 'a' + 10;
  return 0;
}

// Unsigned arithmetic: longer texts wrap as the 32-bit sum does.
int HexToInt(const AnsiString& S) {
  uint32_t value = 0;
  for (char c : S) value = value * 16 + static_cast<uint32_t>(HexVal(c));
  return static_cast<int>(value);
}

char LowCase(char Ch) { return Ch >= 'A' && Ch <= 'Z' ? static_cast<char>(Ch + 32) : Ch; }

namespace {
bool StartsWord(char c) {
  return c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.';
}
}  // namespace

AnsiString MixedCase(const AnsiString& S) {
  AnsiString out;
  bool capital = true;
  const int length = static_cast<int>(S.size());
  for (int i = 1; i <= length; ++i) {
    char c = S[i - 1];
    if (StartsWord(c)) {
      capital = true;
      out += c;
    } else {
      out += capital ? AsciiUpper(c) : LowCase(c);
      capital = false;
    }
    // A name part after "Mc", and roman numerals I and II closing the text, start capitals.
    if (out == "Mc" || (i >= 3 && Pos(" Mc", out) == i - 2))
      capital = true;
    else if (i > length - 3 && (EndsWith(out, " I") || EndsWith(out, " II")))
      capital = true;
  }
  return out;
}

int RangeListCompare(int A, int B) { return A < B ? -1 : A > B ? 1 : 0; }
