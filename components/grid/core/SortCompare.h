// How the grid's sorts compare two cell texts by a column's sort style. It needs no grid: the
// styles that ask the grid or its events (custom, raw, images) are the grid's own.
//
// A text becomes a key once (its number, its date, its text as the style compares it), and
// keys compare without parsing, so a sort can make each cell's key once and move it with the
// row.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "components/grid/core/ExtGridTypes.h"
#include "platform/core/datetime.h"
#include "platform/core/text.h"

// A column's sort style with the prefix and suffix its numbers carry.
struct TSortFormat {
  TSortStyle Style = ssAlphabetic;
  AnsiString Prefix;
  AnsiString Suffix;
};

// Whether a style compares the two texts alone (all but custom, raw and images).
bool IsTextSortStyle(TSortStyle Style);

// What an automatic column compares as, judged by one text: a whole or decimal number is
// numeric; a "/" second or third, not last, between two digits makes a date; the rest is
// alphabetic.
TSortStyle AutomaticSortStyle(const AnsiString& Text);

// One text as a style compares it: its first eight bytes as one number (most texts differ
// there and compare as two integers), its length, the whole text kept aside where the first
// eight bytes may not decide, and its number or its date. An automatic key stores them all,
// since the first text of a comparison decides which one counts; a text that is a number
// names no date (a number has neither a colon nor two date separators between whole
// numbers), so one value serves for both. A sort moves a million keys: they are small.
struct TSortKey {
  uint64_t Head = 0;    // the first eight bytes compared, big-endian, zero-padded
  double Value = 0;     // the number when Valid, else the date (0 when the text names none)
  uint32_t Whole = 0;   // 1 + its place in the kept texts; 0 when not kept
  uint8_t Length = 0;   // of the text compared, 9 for any longer one
  bool Valid = false;   // the text is a number (or empty)
  bool Empty = false;   // the cell's text is empty
  uint8_t Automatic = ssAlphabetic;  // what an automatic column takes it for
};
// The whole texts the keys keep aside.
using TSortTexts = std::vector<AnsiString>;

TSortKey MakeSortKey(const TSortFormat& Format, const AnsiString& Text, TSortTexts& Texts);

// The slower comparisons of CompareSortKeys: whole texts, the locale, dates.
int CompareWholeTexts(const TSortKey& A, const TSortKey& B, const TSortTexts& Texts);
int CompareOtherSortKeys(TSortStyle Style, const TSortKey& A, const TSortKey& B,
                         const TSortTexts& Texts);

// -1, 0 or 1 (negative: A first in ascending order) for two keys of a text style:
//  - alphabetic, with case: byte values; without case: a-z read as A-Z; the Ansi styles: the
//    user locale's collation; HTML: the visible texts' bytes;
//  - numeric, financial: the numbers, an empty text being 0; texts that are no number come
//    after them and tie with each other (a text tying with every number would let a sort
//    leave numbers out of order);
//  - dates: the day and time they name, 0 when they name none;
//  - automatic: as A's text makes it numeric, date or alphabetic.
// The common cases are here to be inlined into the sort's loop.
inline int CompareSortKeys(TSortStyle Style, const TSortKey& A, const TSortKey& B,
                           const TSortTexts& Texts) {
  if (Style == ssAutomatic) Style = static_cast<TSortStyle>(A.Automatic);
  switch (Style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
    case ssHTML:
      // Equal heads: a text of eight bytes or fewer is a leading part of the other.
      if (A.Head != B.Head) return A.Head < B.Head ? -1 : 1;
      if (A.Length <= 8 || B.Length <= 8) return (A.Length > B.Length) - (A.Length < B.Length);
      return CompareWholeTexts(A, B, Texts);
    case ssNumeric:
    case ssFinancial:
      if (A.Valid && B.Valid) return (A.Value > B.Value) - (A.Value < B.Value);
      return (B.Valid && !A.Valid) - (A.Valid && !B.Valid);
    default:
      return CompareOtherSortKeys(Style, A, B, Texts);
  }
}
// The same for two texts; 0 for the styles that are no text styles.
int CompareSortTexts(const TSortFormat& Format, const AnsiString& A, const AnsiString& B);

// The number a text of a numeric column represents: the prefix and suffix taken out at their
// first occurrence, for financial texts every thousand separator too, the locale's first
// decimal separator read as ".", and the rest, blanks around it aside, a number in full.
// An empty text is 0.
bool SortNumber(const AnsiString& Text, const AnsiString& Prefix, const AnsiString& Suffix,
                bool Financial, double& Value);
// The strict reading of the last step: sign, digits, point, exponent and nothing else.
bool StrictNumber(std::string_view Text, double& Value);
