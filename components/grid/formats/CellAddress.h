// A1-style cell addresses of the spreadsheet exchange: column letters of a column number
// (A = 1, Z = 26, AA = 27, ... with no limit on their number) and back, and "B2"-style cells.
#pragma once

#include "platform/core/text.h"

AnsiString ColumnLetters(int Col);
// 0 for a text that is not letters (either case) or names a column beyond the int range.
int ColumnNumber(const AnsiString& Letters);
// "$B$2" or "b2": Col 2, Row 2; false (nothing set) for anything else.
bool ReadCellAddress(const AnsiString& Address, int& Col, int& Row);
