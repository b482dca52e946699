// How the grid's sorts compare two cell texts by a column's sort style. It needs no grid: the
// styles that ask the grid or its events (custom, raw, images) are the grid's own.
#pragma once

#include <string_view>

#include "components/grid/ExtGridTypes.h"
#include "platform/text.h"

// A column's sort style with the prefix and suffix its numbers carry.
struct TSortFormat {
  TSortStyle Style = ssAlphabetic;
  AnsiString Prefix;
  AnsiString Suffix;
};

// What an automatic column compares as, judged by one text: a whole or decimal number is
// numeric; a "/" second or third, not last, between two digits makes a date; the rest is
// alphabetic.
TSortStyle AutomaticSortStyle(const AnsiString& Text);

// -1, 0 or 1 (negative: A first in ascending order) for the styles that read only the
// texts; 0 for the others.
//  - alphabetic, with case: byte values; without case: a-z read as A-Z; the Ansi styles: the
//    user locale's collation;
//  - numeric, financial: the numbers; a text that is no number ties with every other, and
//    an empty text is 0;
//  - dates: the day and time they name, 0 when they name none; HTML: the visible texts.
int CompareSortTexts(TSortStyle Style, const AnsiString& A, const AnsiString& B,
                     const AnsiString& Prefix = "", const AnsiString& Suffix = "");

// The number a text of a numeric column stands for: the prefix and suffix taken out at their
// first occurrence, for financial texts every thousand separator too, the locale's first
// decimal separator read as ".", and the rest, blanks around it aside, a number in full.
bool SortNumber(const AnsiString& Text, const AnsiString& Prefix, const AnsiString& Suffix,
                bool Financial, double& Value);
// The strict reading of the last step: sign, digits, point, exponent and nothing else.
bool StrictNumber(std::string_view Text, double& Value);
