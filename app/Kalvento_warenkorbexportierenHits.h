// What both exports take from the list's hits: the parts fields they write, reading a hit,
// and the warning for a ";" in the data, which would split the field.
#pragma once

#include "platform/core/text.h"

inline constexpr int kFieldDesignation = 0;
inline constexpr int kFieldTotalCount = 1;
inline constexpr int kFieldOrderNumber = 10;
inline constexpr int kFieldUnitPrice = 11;
inline constexpr int kFieldRemarks = 12;
inline constexpr int kFieldSupplier = 19;

// The record of index position p into the engine's buffer; false for one that does not read
// (deleted since the query ran, or past the file's end), which no line may repeat the last
// record for.
bool ReadHit(long p);
// Shows warning + text when the text holds a ";": true then.
bool WarnSemicolon(const AnsiString& warning, const AnsiString& text);
