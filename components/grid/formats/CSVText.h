// The grid's CSV lines without the grid: the field a cell's text becomes, the fields a line
// gives back, and the delimiter a file without one is read with.
//
// A field is quoted when it holds the delimiter, a line break (CR LF and a lone CR then become
// LF, with or without Multilinecells) or a double quote, or always with AlwaysQuotes; inner double quotes are then doubled, so every
// text reads back as it was. The Java style writes a line break as "~" and an empty cell as
// "^" and leaves a delimiter inside a cell unquoted.
#pragma once

#include <vector>

#include "platform/core/text.h"

struct TCSVStyle {
  char Delimiter = ',';
  bool AlwaysQuotes = false;
  bool QuoteEmptyCells = true;
  bool JavaCSV = false;
  bool Multilinecells = false;
};

AnsiString CSVField(AnsiString Text, const TCSVStyle& Style);

// A quoted field ends at a lone double quote (a doubled one is one quote of the text); what
// follows it up to the delimiter is dropped. A field whose closing quote is missing is the
// text up to the delimiter. A delimiter at the end of the line starts no further field. With
// Delimiter '\0' the line is one field.
std::vector<AnsiString> CSVFields(const AnsiString& Line, char Delimiter, bool JavaCSV);

// ",", ";", "#", Tab or "|", whichever the two first lines of a file hold equally often as
// single characters, then counting every occurrence, then the most frequent in either line;
// '\0' when they hold none.
char DetectDelimiter(const AnsiString& Line1, const AnsiString& Line2);
