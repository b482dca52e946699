// The engine's scratch text and the text functions that work on it: numbers with the
// locale's separators, the umlaut code page conversion, the wildcard match and the dates.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/core/text.h"

// Capacity for the longest field (255 bytes) and its NUL; texts copied in from an AnsiString are
// still cut to kDbaseTextCut characters.
inline constexpr int kDbaseTextSize = 256;
inline constexpr int kDbaseTextCut = 254;
// dbase_zeichensuchen looks at a text's first characters only.
inline constexpr int kDbaseSearchReach = 80;

extern char dbase_text[kDbaseTextSize];
extern uint8_t dbase_nachkomma;  // decimals of dbase_zahlnachtext
extern int dbase_tag;
extern int dbase_monat;
extern int dbase_jahr;

void dbase_ansinachchar(char* buffer, const AnsiString& text);  // buffer: 255 bytes at least
AnsiString dbase_charnachansi(const char* buffer);

void dbase_oemnachansi();
void dbase_ansinachoem();
// What a stored byte of a text field shows as: the umlauts of the other code page converted
// when `zeichensatz` (as dbm_zeichensatz) asks for it.
char DbaseShownChar(char stored, uint8_t zeichensatz);

int dbase_zeichensuchen(char c);
double dbase_textnachzahl();
double dbase_ansinachzahl(const AnsiString& text);
// dbase_ansinachzahl(dbase_text), without the text's round trip through a string.
double DbaseTextValue();
int dbase_zahlnachtext(double value);

// 0 when the text matches; "*" any run, "?" one character; case flag 0 ignores case.
int dbase_wildcardvergleich(std::string_view muster, std::string_view text, int grossklein);

void dbase_datumheute();
void dbase_datumzerlegen(const AnsiString& text);
void dbase_datumformatieren();
