// Text functions of the typed edit that need no control: classifying a text as a number, hex
// digits, word capitals, and writing numbers in the locale's separators. The locale's
// separators are read at each call.
#pragma once

#include <cstdint>

#include "platform/core/text.h"

namespace Extedit {

// What a text reads as. The grid utilities have a classifier of their own with fewer kinds.
enum TAutoType : uint8_t { atNumeric, atFloat, atString, atDate, atTime, atHex };

// Digits and '-' read as numeric; with ',' and '.' as float; hex digits without a decimal
// digit-only reading as hex. Two '-' or two decimal separators make any text atString.
// Never gives atDate or atTime.
TAutoType IsType(const AnsiString& S);

}  // namespace Extedit

AnsiString StripThousandSep(const AnsiString& S);
// 0..15 for a hex digit of either case; 0 for anything else.
int HexVal(char Ch);
// The hex digits of S as a 32-bit integer; more than eight digits keep the last eight.
int HexToInt(const AnsiString& S);
// Capitals after blanks, apostrophes, commas, hyphens and periods and after "Mc"; "I" and
// "II" at the end stay capitals: "henry mcdonald iii" becomes "Henry McDonald III".
AnsiString MixedCase(const AnsiString& S);
char LowCase(char Ch);  // ASCII letters only
int RangeListCompare(int A, int B);

// Numbers written in fixed notation, never with an exponent, in the locale's separators:
// Decimals digits after the decimal separator (0 to 18), thousand separators when asked.
AnsiString FixedNumberText(double Value, int Decimals, bool Thousands);
// At most 15 significant digits, without trailing zeros after the decimal separator.
AnsiString GeneralNumberText(double Value);
// The digits of an integer part grouped by three with the thousand separator.
AnsiString GroupThousands(const AnsiString& Digits);
