// Character classes and text ends the edit's filters and text functions test: ASCII only,
// as the edit types count letters and digits.
#pragma once

#include "platform/core/text.h"

namespace EditChars {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsHexLetter(char c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
inline bool IsAlphaNumeric(char c) { return IsDigit(c) || IsLetter(c); }

inline bool StartsWith(const AnsiString& text, const AnsiString& head) {
  return text.size() >= head.size() && text.compare(0, head.size(), head) == 0;
}

inline bool EndsWith(const AnsiString& text, const AnsiString& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace EditChars
