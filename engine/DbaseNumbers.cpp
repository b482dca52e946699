// Numbers and their texts with the locale's separators, read at each use.
#include <charconv>
#include <cstring>

#include "engine/DbaseText.h"

int dbase_zeichensuchen(char c) {
  for (int i = 0; i < 80 && dbase_text[i] != '\0'; ++i)
    if (dbase_text[i] == c) return i;
  return -1;
}

// Parsed as the runtime's strtod reads it in the C locale: leading white space skipped, the
// number ends at the first character that does not belong to it, no number gives 0. The
// process locale is not consulted, since Qt sets it from the user's environment.
double dbase_textnachzahl() {
  char plain[kDbaseTextSize];
  std::size_t length = 0;
  for (std::size_t i = 0; i < kDbaseTextSize - 1 && dbase_text[i] != '\0'; ++i) {
    char c = dbase_text[i];
    if (c == ThousandSeparator) continue;
    plain[length++] = c == DecimalSeparator ? '.' : c;
  }
  const char* p = plain;
  const char* end = plain + length;
  while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) ++p;
  if (p < end && *p == '+') ++p;
  double value = 0;
  std::from_chars(p, end, value);
  return value;
}

double dbase_ansinachzahl(const AnsiString& text) {
  dbase_ansinachchar(dbase_text, text);
  return dbase_textnachzahl();
}

double DbaseTextValue() {
  if (strnlen(dbase_text, kDbaseTextSize) > kDbaseTextCut) dbase_text[kDbaseTextCut] = '\0';
  return dbase_textnachzahl();
}

int dbase_zahlnachtext(double value) {
  dbase_ansinachchar(dbase_text, Trim(FloatToStrF(value, ffFixed, 15, dbase_nachkomma)));
  return 0;
}
