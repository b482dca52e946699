// Line breaks of multi-line cells in the forms the file, CSV, HTML, Java and spreadsheet
// formats need, and back; a cell's own line break is CR LF. GridUtil.h includes this.
#pragma once

#include "platform/core/text.h"

// Each CR as Break: "<br>" in HTML, "<br/>" in XHTML.
AnsiString HTMLLineBreaks(const AnsiString& S, const char* Break = "<br>");
AnsiString LFToCLF(const AnsiString& S);
AnsiString CLFToLF(const AnsiString& S);
AnsiString LfToFile(const AnsiString& S);
AnsiString FileToLf(const AnsiString& S, bool Multi);
AnsiString LineFeedsToCSV(AnsiString& S);
AnsiString CSVToLineFeeds(AnsiString& S);
AnsiString LineFeedsToJava(AnsiString& S);
AnsiString JavaToLineFeeds(AnsiString& S);
AnsiString LineFeedsToXLS(const AnsiString& S);
