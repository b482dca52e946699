// Numbers and their texts with the locale's separators, read at each use.
#include <charconv>
#include <cstring>

#include "engine/DbaseText.h"

int dbase_zeichensuchen(char c) {
  for (int i = 0; i < kDbaseSearchReach && dbase_text[i] != '\0'; ++i)
    if (dbase_text[i] == c) return i;
  return -1;
}

namespace {

// The number in dbase_text's first `limit` characters; `end` becomes where the reading stopped
// (at the text's end or at the limit). Parsed as the runtime's strtod reads it in the C
// locale: leading white space skipped, the number ends at the first character that does not
// belong to it, no number gives 0. The process locale is not consulted, since Qt sets it
// from the user's environment.
double NumberOfText(std::size_t limit, std::size_t& end) {
  char plain[kDbaseTextSize];
  std::size_t length = 0;
  for (end = 0; end < limit && dbase_text[end] != '\0'; ++end) {
    char c = dbase_text[end];
    if (c == ThousandSeparator) continue;
    plain[length++] = c == DecimalSeparator ? '.' : c;
  }
  const char* p = plain;
  const char* last = plain + length;
  while (p < last && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
  if (p < last && *p == '+') ++p;
  double value = 0;
  std::from_chars(p, last, value);
  return value;
}

}  // namespace

double dbase_textnachzahl() {
  std::size_t end = 0;
  return NumberOfText(kDbaseTextSize - 1, end);
}

double dbase_ansinachzahl(const AnsiString& text) {
  dbase_ansinachchar(dbase_text, text);
  return dbase_textnachzahl();
}

double DbaseTextValue() {
  std::size_t end = 0;
  const double value = NumberOfText(kDbaseTextCut, end);
  // The copy ends a longer text at the cut.
  if (end == kDbaseTextCut) dbase_text[kDbaseTextCut] = '\0';
  return value;
}

int dbase_zahlnachtext(double value) {
  dbase_ansinachchar(dbase_text, Trim(FloatToStrF(value, ffFixed, 15, dbase_nachkomma)));
  return 0;
}
