// The engine's scratch text and its copies to and from the class library's strings.
#include <algorithm>

#include "engine/DbaseText.h"

char dbase_text[kDbaseTextSize];
uint8_t dbase_nachkomma = 2;
int dbase_tag = 0;
int dbase_monat = 0;
int dbase_jahr = 0;

void dbase_ansinachchar(char* buffer, const AnsiString& text) {
  std::size_t length = std::min<std::size_t>(text.size(), kDbaseTextCut);
  text.copy(buffer, length);
  buffer[length] = '\0';
}

AnsiString dbase_charnachansi(const char* buffer) { return buffer; }
