// What both exports take from the list's hits: reading a hit, and the warning for a ";" in
// the data, which would split the field. The fields they write are named in PartsFields.h.
#pragma once

#include "app/PartsFields.h"
#include "platform/core/text.h"

// The record of index position p into the engine's buffer; false for one that does not read
// (deleted since the query ran, or past the file's end), which no line may repeat the last
// record for.
bool ReadHit(long p);
// Shows warning + text when the text holds a ";": true then.
bool WarnSemicolon(const AnsiString& warning, const AnsiString& text);
